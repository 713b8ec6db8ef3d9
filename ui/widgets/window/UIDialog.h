#pragma once

#include "ui/widgets/window/UIWindow.h"

class UIButton;

// The base of the modal windows: a result code, Escape as reject, and the
// desktop's service of moving the mouse onto the default button when the
// user's setting asks for it.
class UIDialog : public UIWindow
{
public:
    static constexpr int kDefaultButtonTimerId = 100021;
    static constexpr int kEscapeKey = 27;

    UIDialog(UIWidget* parent, uint32_t windowFlags);
    ~UIDialog() override;

    // Each posts a close with the result stored; the last result stored
    // before the close is handled wins.
    virtual void accept() { done(1); }
    virtual void reject() { done(0); }
    virtual void done(int result);
    void setResult(int result) { m_result = result; }
    int result() const { return m_result; }

    // The first visible, enabled default button among the children, or
    // among the children of a child; null when there is none.
    UIButton* defaultButton() const;

protected:
    void keyPressEvent(UIEvent* event) override;
    void timerEvent(UIEvent* event) override;
    void showEvent(UIEvent* event) override;
    void closeEvent(UIEvent* event) override;

private:
    // The user's setting that snaps the cursor to default buttons.
    static bool snapsToDefaultButton();
    static void moveCursorTo(const Point& globalPosition);

    int32_t m_result = 0;
};
