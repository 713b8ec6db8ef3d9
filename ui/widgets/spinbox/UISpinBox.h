#pragma once

#include "foundation/signals/Signal.h"
#include "foundation/text/String.h"
#include "graphics/paint/FontDesc.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

class Painter;
class UILineEdit;

// Edits one number: a line edit showing the value (with prefix and suffix,
// or a special text at the minimum) and checking what is typed, two arrow
// buttons that step and repeat while held, the wheel, and scrubbing across
// the whole range by dragging out of the widget with a button held.
class UISpinBox : public UIWidget
{
public:
    enum Skin
    {
        kButtonSkin,
        kArrowUpSkin,
        kArrowDownSkin,
        kSkinCount
    };
    static constexpr int kRepeatTimerId = 100011;
    static constexpr int kScrubTimerId = 100012;
    static constexpr int kInitialRepeatDelay = 500;
    static constexpr int kRepeatShrink = 100;

    struct Style
    {
        FontDesc font;
        int buttonWidth = 0;
        int spacing = 0;
        int minimumHeight = 0;
    };

    explicit UISpinBox(UIWidget* parent);
    ~UISpinBox() override;

    static UIStyleNames styleNames();

    // Emitted with a const double* to the new value.
    Signal valueChanged;
    Signal editingFinished;

    double value() const { return m_value; }
    int intValue() const { return static_cast<int>(m_value); }
    float floatValue() const { return static_cast<float>(m_value); }
    void setValue(double value);
    void setIntValue(int value) { setValue(value); }
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    void setRange(double a, double b);
    void setMinimum(double minimum) { setRange(minimum, m_maximum); }
    void setMaximum(double maximum) { setRange(m_minimum, maximum); }
    double step() const { return m_step; }
    void setStep(double step) { m_step = step; }
    void stepBy(int steps);
    void stepUp() { stepBy(1); }
    void stepDown() { stepBy(-1); }
    void toMinimum() { setValue(m_minimum); }
    void toMaximum() { setValue(m_maximum); }
    void toResetValue() { setValue(m_resetValue); }
    double resetValue() const { return m_resetValue; }
    void setResetValue(double value);
    int decimals() const { return m_decimals; }
    void setDecimals(int decimals);
    const String& prefix() const { return m_prefix; }
    void setPrefix(const String& text);
    const String& suffix() const { return m_suffix; }
    void setSuffix(const String& text);
    const String& specialValueText() const { return m_specialText; }
    void setSpecialValueText(const String& text);
    bool isSpecialValueShown() const { return m_value == m_minimum && !m_specialText.isEmpty(); }
    void setReadOnly(bool on);
    bool isReadOnly() const { return m_readOnly; }
    void setWrapping(bool on) { m_wrapping = on; }
    bool wrapping() const { return m_wrapping; }

    String text() const;
    String cleanText() const;
    double valueFromText(const String& text) const;
    // The number check: the state, with the text rewritten as prefix, number
    // and suffix, and the value it stands for (or a bound when it is not
    // acceptable).
    int validate(String& text, int& position, double* value = nullptr) const;
    void updateText();
    void updateRangeToolTip();
    virtual void finishEditing();

    UILineEdit* lineEdit() const { return m_lineEdit; }
    Rect buttonColumn() const;
    Rect upButton() const;
    Rect downButton() const;
    int repeatInterval() const { return m_repeatInterval; }
    int scrubRange() const { return m_scrubRange; }
    int scrubAnchor() const { return m_scrubAnchor; }
    // The share of the range a pointer at screen y stands for while
    // scrubbing: 1 above base, 0 below base + range.
    static double scrubFraction(int y, int base, int range);
    // The value scrubbing gives at screen y; the current one when the range
    // is empty.
    double scrubValue(int y) const;

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    const Style& style() const { return m_style; }
    int stateFrame() const;
    void draw(Painter& painter);

protected:
    void paint(UIEvent* event) override;
    void resizeEvent(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void wheelEvent(UIEvent* event) override;
    void mouseEnterEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void timerEvent(UIEvent* event) override;

private:
    int checkCore(String& core, int& position, double& value) const;
    void onTyped();
    void onLineEditWheel(UIEvent* event);
    void onChildEnter(UIEvent* event);
    void onChildLeave(UIEvent* event);
    void onChildRelease(UIEvent* event);
    void repeatStep();
    void scrub();
    Point pointerInWidget() const;
    // The height of the monitor that holds the widget's window; 0 when it is
    // not known.
    int monitorHeight() const;

    Style m_style;
    UISkinImage m_skins[kSkinCount];
    UILineEdit* m_lineEdit = nullptr;
    bool m_readOnly = false;
    bool m_wrapping = false;
    String m_specialText;
    double m_minimum = 0.0;
    double m_maximum = 1.0;
    double m_value = 0.0;
    double m_resetValue = -1000000.0;
    double m_step = 1.0;
    int m_decimals = 0;
    String m_prefix;
    String m_suffix;
    int m_scrubAnchor = 0;
    int m_scrubRange = 200;
    int m_repeatInterval = kInitialRepeatDelay;
    int m_minimumRepeatInterval = 10;
    int m_initialRepeatDelay = kInitialRepeatDelay;
    bool m_updating = false;
};
