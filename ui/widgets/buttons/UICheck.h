#pragma once

#include "foundation/signals/Signal.h"
#include "ui/widgets/buttons/UIAbstractButton.h"
#include "ui/widgets/buttons/UIIndicatorStyle.h"

// A check box with an optional third, partial state.
class UICheck : public UIAbstractButton
{
public:
    static constexpr int kUnchecked = 0;
    static constexpr int kPartial = 1;
    static constexpr int kChecked = 2;

    explicit UICheck(UIWidget* parent);

    static UIStyleNames styleNames();

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;

    // Leaves the partial state; `toggled` when anything changed.
    void setChecked(bool on) override;
    void check() { setChecked(true); }
    void uncheck() { setChecked(false); }
    int checkState() const;
    void setCheckState(int state);
    const UIIndicatorStyle& style() const { return m_style; }

    // The indicator frame, 0 to 11: the state part plus 4 for checked and 8
    // for partial.
    int indicatorFrame() const;
    void draw(Painter& painter) const;

    Signal toggled;

protected:
    void paint(UIEvent* event) override;
    void keyPressEvent(UIEvent* event) override;
    void clickEvent(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseEnterEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;

private:
    // Toggles as a user's click or key does: `toggled` for the change and
    // once more after it. False when a slot deleted the check box.
    bool toggleByUser();

    UIIndicatorStyle m_style;
    bool m_partial = false;
};
