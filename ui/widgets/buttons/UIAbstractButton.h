#pragma once

#include "foundation/signals/Signal.h"
#include "ui/core/widget/UIWidget.h"

// The base of the clickable buttons: text, text alignment, the checkable and
// checked states, and the click or the Enter and Space keys as `clicked`.
class UIAbstractButton : public UIWidget
{
public:
    // The widget flag that marks a button.
    static constexpr uint32_t kButtonFlag = kFormControl;
    static constexpr int kEnterKey = 13;
    static constexpr int kSpaceKey = 32;

    explicit UIAbstractButton(UIWidget* parent);

    // A new text lays the tree out again and repaints; the same text does
    // nothing.
    void setText(const String& text);
    const String& text() const { return m_text; }
    void setTextAlignment(uint32_t alignment);
    uint32_t textAlignment() const { return m_textAlignment; }
    // Stored only: a button becomes checkable before it is shown.
    void setCheckable(bool on) { m_checkable = on; }
    bool isCheckable() const { return m_checkable; }
    // Only a checkable button changes, and it emits nothing: callers that set
    // the state themselves need no echo.
    virtual void setChecked(bool on);
    bool isChecked() const { return m_checked; }

    Signal clicked;

protected:
    void keyPressEvent(UIEvent* event) override;
    void clickEvent(UIEvent* event) override;

    static bool isClickKey(int key) { return key == kEnterKey || key == kSpaceKey; }

private:
    String m_text;
    uint32_t m_textAlignment = 17;
    bool m_checkable = false;
    bool m_checked = false;
};
