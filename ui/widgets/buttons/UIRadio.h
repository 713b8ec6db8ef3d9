#pragma once

#include "foundation/containers/List.h"
#include "foundation/signals/Signal.h"
#include "ui/widgets/buttons/UIAbstractButton.h"
#include "ui/widgets/buttons/UIIndicatorStyle.h"

// A radio button, exclusive within its group: the radios of one group
// number anywhere in the program, or, without a number, the siblings of one
// style name.
class UIRadio : public UIAbstractButton
{
public:
    static constexpr int kNoGroup = -1;

    explicit UIRadio(UIWidget* parent);
    ~UIRadio() override;

    static UIStyleNames styleNames();

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;

    // Checking unchecks the checked radio of the group; unchecking leaves
    // the group without a checked radio.
    void setChecked(bool on) override;
    void check() { setChecked(true); }
    void uncheck() { setChecked(false); }
    void setGroup(int group) { m_group = group; }
    int group() const { return m_group; }
    const UIIndicatorStyle& style() const { return m_style; }

    // The state part, plus 4 when checked.
    int indicatorFrame() const;
    void draw(Painter& painter) const;

    Signal toggled;
    // On every radio that took part in an exclusive switch.
    Signal groupChanged;

protected:
    void paint(UIEvent* event) override;
    void clickEvent(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseEnterEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;

private:
    static List<UIRadio*>& allRadios();
    bool isInGroupOf(const UIRadio* other) const;
    // Unchecks the checked others of the group; they are returned in the
    // order found.
    List<UIRadio*> uncheckOthers();

    UIIndicatorStyle m_style;
    int m_group = kNoGroup;
};
