#include "ui/widgets/spinbox/UISpinBox.h"

#include "foundation/text/CharClass.h"
#include "foundation/time/Locale.h"
#include "graphics/paint/Painter.h"
#include "graphics/paint/Rounding.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/events/UIWheelEvent.h"
#include "ui/core/input/UICursorHost.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/edit/UIValidator.h"
#include "ui/widgets/spinbox/UISpinBoxValidator.h"
#include "ui/widgets/text/UITextDocument.h"

#include <algorithm>
#include <cmath>

namespace {

const char16_t* const kSkinNames[] = {u"UISpinBox_Button", u"UISpinBox_ArrowUp", u"UISpinBox_ArrowDown"};

const UIStyleField<UISpinBox::Style> kFields[] = {
    {u"font", [](UISpinBox::Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"buttonWidth", [](UISpinBox::Style& s, const String& v) { s.buttonWidth = parseStyleInt(v); }},
    {u"spacing", [](UISpinBox::Style& s, const String& v) { s.spacing = parseStyleInt(v); }},
    {u"minimumHeight", [](UISpinBox::Style& s, const String& v) { s.minimumHeight = parseStyleInt(v); }},
};

constexpr uint32_t kLeftButton = 1;
constexpr uint32_t kRightButton = 2;
constexpr uint32_t kControl = 2;
constexpr int kWheelAway = 4;
constexpr int kScrubMargin = 3;
constexpr uint32_t kTopCentred = Rect::kAlignTop | Rect::kAlignHCenter;
constexpr uint32_t kBottomCentred = Rect::kAlignBottom | Rect::kAlignHCenter;

bool isPrintable(char16_t unit)
{
    return unit > 32 && unit != 127 && !isSpaceChar(unit);
}

bool isSpaceOrGroup(char16_t unit, char16_t group)
{
    return isSpaceChar(unit) || unit == group;
}

} // namespace

UISpinBox::UISpinBox(UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UISpinBox"));
    setFlag(kTransparent | kHoverTracking, true);
    setFocusPolicy(kClickFocus | kWheelFocus);
    setColumnCount(2);
    setRightMargin(m_style.buttonWidth + m_style.spacing);
    const int monitor = monitorHeight();
    if (monitor > 0)
        m_scrubRange = static_cast<int>(monitor * 0.2);
    m_lineEdit = new UILineEdit(this);
    m_lineEdit->setFlag(kHoverTracking, true);
    m_lineEdit->setFocusPolicy(kClickFocus | kWheelFocus);
    m_lineEdit->setAutoToolTip(false);
    auto* validator = new UISpinBoxValidator(this);
    m_lineEdit->setValidator(validator);
    m_lineEdit->setMinimumHeight(m_style.minimumHeight);
    m_lineEdit->setMaximumWidth(std::max(0, sizeHint().width - m_style.buttonWidth - m_style.spacing));
    updateText();
    m_lineEdit->show();
    setToolTipGroup(static_cast<int>(id()));
    m_lineEdit->setToolTipGroup(static_cast<int>(id()));
    editingFinished.connect(this, &UISpinBox::updateText);
    m_lineEdit->wheelTurned.connectWithArg(this, &UISpinBox::onLineEditWheel);
    m_lineEdit->textChanged.connect(this, &UISpinBox::onTyped);
    m_lineEdit->editingFinished.connect(this, &UISpinBox::finishEditing);
    m_lineEdit->mouseEntered.connectWithArg(this, &UISpinBox::onChildEnter);
    m_lineEdit->mouseLeft.connectWithArg(this, &UISpinBox::onChildLeave);
    m_lineEdit->mouseReleased.connectWithArg(this, &UISpinBox::onChildRelease);
}

UISpinBox::~UISpinBox()
{
    killTimer(kRepeatTimerId);
    killTimer(kScrubTimerId);
}

UIStyleNames UISpinBox::styleNames()
{
    return UIStyleNames{String(u"UISpinBox"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

// ---- Value ----

void UISpinBox::setValue(double value)
{
    const double clamped = std::min(std::max(value, m_minimum), m_maximum);
    if (clamped == m_value)
        return;
    m_value = clamped;
    if (!m_updating)
        updateText();
    valueChanged.emitValue(&m_value);
}

void UISpinBox::setRange(double a, double b)
{
    m_minimum = std::min(a, b);
    m_maximum = std::max(a, b);
    m_resetValue = std::min(std::max(m_resetValue, m_minimum), m_maximum);
    if (m_value < m_minimum || m_value > m_maximum)
        setValue(m_resetValue);
}

void UISpinBox::setResetValue(double value)
{
    m_resetValue = std::min(std::max(value, m_minimum), m_maximum);
}

void UISpinBox::stepBy(int steps)
{
    const double target = m_value + steps * m_step;
    if (m_wrapping && target > m_maximum)
        setValue(m_minimum);
    else if (m_wrapping && target < m_minimum)
        setValue(m_maximum);
    else
        setValue(target);
}

void UISpinBox::setDecimals(int decimals)
{
    m_decimals = std::min(std::max(decimals, 0), 9);
    updateText();
}

void UISpinBox::setPrefix(const String& text)
{
    m_prefix = text;
    if (UIValidator* validator = m_lineEdit->validator())
        validator->setPrefix(text);
    updateText();
}

void UISpinBox::setSuffix(const String& text)
{
    m_suffix = text;
    if (UIValidator* validator = m_lineEdit->validator())
        validator->setSuffix(text);
    updateText();
}

void UISpinBox::setSpecialValueText(const String& text)
{
    m_specialText = text;
    updateText();
}

void UISpinBox::setReadOnly(bool on)
{
    if (on == m_readOnly)
        return;
    m_readOnly = on;
    m_lineEdit->setReadOnly(on);
    update();
}

// ---- Text ----

String UISpinBox::text() const
{
    return m_lineEdit->text();
}

String UISpinBox::cleanText() const
{
    String clean = text();
    if (!m_prefix.isEmpty() && clean.startsWith(m_prefix, String::kCaseSensitive))
        clean = clean.midFrom(m_prefix.length());
    if (!m_suffix.isEmpty() && clean.endsWith(m_suffix, String::kCaseSensitive))
        clean = clean.mid(0, clean.length() - m_suffix.length());
    return clean.trim();
}

double UISpinBox::valueFromText(const String& text) const
{
    String checked = text;
    int position = 0;
    double value = m_value;
    validate(checked, position, &value);
    return value;
}

void UISpinBox::updateText()
{
    String shown;
    if (isSpecialValueShown())
        shown = m_specialText;
    else
        shown = m_prefix + Locale::instance().formatDouble(m_value, m_decimals) + m_suffix;
    if (shown == m_lineEdit->text())
        return;
    m_updating = true;
    m_lineEdit->setText(shown);
    m_updating = false;
}

void UISpinBox::updateRangeToolTip()
{
    if (!autoToolTip())
        return;
    const Locale& locale = Locale::instance();
    setToolTip(locale.formatDouble(std::trunc(m_minimum), m_decimals) + u" ... " +
               locale.formatDouble(std::trunc(m_maximum), m_decimals));
}

void UISpinBox::finishEditing()
{
    editingFinished.emit();
}

void UISpinBox::onTyped()
{
    if (m_updating)
        return;
    String typed = m_lineEdit->text();
    int position = m_lineEdit->cursorPosition();
    UIValidator* validator = m_lineEdit->validator();
    if (!validator || validator->validate(typed, position) != UIValidator::kAcceptable)
        return;
    const bool special = !m_specialText.isEmpty() && typed == m_specialText;
    const double value = special ? m_minimum : valueFromText(typed);
    m_updating = true;
    setValue(value);
    m_updating = false;
}

// ---- Number check ----

int UISpinBox::validate(String& text, int& position, double* value) const
{
    String core = text;
    const bool special = !m_specialText.isEmpty() && text == m_specialText;
    if (!special) {
        if (!m_prefix.isEmpty() && core.startsWith(m_prefix, String::kCaseSensitive)) {
            core = core.midFrom(m_prefix.length());
            position -= m_prefix.length();
        }
        if (!m_suffix.isEmpty() && core.endsWith(m_suffix, String::kCaseSensitive))
            core = core.mid(0, core.length() - m_suffix.length());
        int leading = 0;
        while (leading < core.length() && isSpaceChar(core.at(leading)))
            ++leading;
        core = core.trim();
        position -= leading;
    }
    double parsed = 0.0;
    const int state = checkCore(core, position, parsed);
    if (!special) {
        text = m_prefix + core + m_suffix;
        position += m_prefix.length();
    }
    if (value)
        *value = state == UIValidator::kAcceptable ? parsed : (m_maximum > 0 ? m_minimum : m_maximum);
    return state;
}

int UISpinBox::checkCore(String& core, int& position, double& value) const
{
    const Locale& locale = Locale::instance();
    const char16_t point = locale.decimalPoint();
    const char16_t group = locale.groupSeparator();
    const bool plusAllowed = m_maximum >= 0;
    const bool minusAllowed = m_minimum <= 0;
    auto isAllowedSign = [&](char16_t c) {
        return (c == u'+' && plusAllowed) || (c == u'-' && minusAllowed);
    };

    if (core.isEmpty())
        return m_minimum == m_maximum ? UIValidator::kInvalid : UIValidator::kIncomplete;
    if (core.length() == 1 && (core.at(0) == point || isAllowedSign(core.at(0))))
        return UIValidator::kIncomplete;
    if (core.length() == 2 && isAllowedSign(core.at(0)) && core.at(1) == point)
        return UIValidator::kIncomplete;
    if (core.length() >= 2) {
        const int dot = core.indexOfChar(point, 0, String::kCaseSensitive);
        if (dot >= 0) {
            // A second point typed right after the first is taken back.
            if (dot + 1 < core.length() && core.at(dot + 1) == point &&
                (position == dot + 1 || position == dot + 2)) {
                core.remove(dot + 1, 1);
                position = dot + 1;
            }
            if (core.length() - dot - 1 > m_decimals)
                return UIValidator::kInvalid;
            for (int i = dot + 1; i < core.length(); ++i) {
                if (isSpaceOrGroup(core.at(i), group))
                    return UIValidator::kInvalid;
            }
        } else {
            const char16_t last = core.last();
            if (isSpaceOrGroup(last, group) && isSpaceOrGroup(core.at(core.length() - 2), group))
                return UIValidator::kInvalid;
            if (isSpaceChar(last) && !isSpaceChar(group))
                return UIValidator::kInvalid;
        }
    }
    bool ok = false;
    value = locale.parseDouble(core, &ok);
    // The locale also reads a lone group separator as a decimal point, which
    // typing must not: "1,2" is no one and two tenths where ',' groups.
    if (ok && core.containsChar(group, String::kCaseSensitive) && value != std::trunc(value))
        ok = false;
    if (!ok) {
        if (!isPrintable(group))
            return UIValidator::kInvalid;
        const bool smallRange = m_maximum < 1000 && m_minimum > -1000;
        if (smallRange && core.containsChar(group, String::kCaseSensitive))
            return UIValidator::kInvalid;
        String doubled;
        doubled.appendChar(group);
        doubled.appendChar(group);
        if (core.contains(doubled, String::kCaseSensitive))
            return UIValidator::kInvalid;
        String plain = core;
        plain.removeChar(group);
        value = locale.parseDouble(plain, &ok);
        if (!ok)
            return UIValidator::kInvalid;
    }
    if (value >= m_minimum && value <= m_maximum)
        return UIValidator::kAcceptable;
    if (m_minimum == m_maximum)
        return UIValidator::kInvalid;
    if (value >= 0)
        return value > m_maximum ? UIValidator::kInvalid : UIValidator::kIncomplete;
    return value < m_minimum ? UIValidator::kInvalid : UIValidator::kIncomplete;
}

// ---- Geometry and look ----

Rect UISpinBox::buttonColumn() const
{
    return Rect(width() - m_style.buttonWidth, 0, m_style.buttonWidth, height());
}

Rect UISpinBox::upButton() const
{
    const Rect column = buttonColumn();
    return Rect(column.x, 0, column.width, height() / 2);
}

Rect UISpinBox::downButton() const
{
    const Rect column = buttonColumn();
    return Rect(column.x, height() / 2, column.width, height() - height() / 2);
}

Size UISpinBox::sizeHint() const
{
    const Locale& locale = Locale::instance();
    const String lowest = locale.formatDouble(m_minimum, m_decimals);
    const String highest = locale.formatDouble(m_maximum, m_decimals);
    const String& longer = highest.length() > lowest.length() ? highest : lowest;
    if (!m_lineEdit)
        return Size(50 + m_style.spacing + m_style.buttonWidth, std::max(0, m_style.minimumHeight));
    const FontMetrics& metrics = m_lineEdit->document()->fontMetrics();
    const int text = metrics.textWidth(m_prefix.data(), m_prefix.length(), false) +
                     metrics.textWidth(m_suffix.data(), m_suffix.length(), false) +
                     metrics.textWidth(longer.data(), longer.length(), false) + 20;
    return Size(std::max(50, text) + m_style.spacing + m_style.buttonWidth,
                std::max(0, m_style.minimumHeight));
}

void UISpinBox::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UISpinBox::setSkinImage(const UISkinImage& image, const String& name)
{
    const int index = skinImageIndex(kSkinNames, name);
    if (index >= 0)
        m_skins[index] = image;
}

int UISpinBox::stateFrame() const
{
    if (!isEnabled())
        return 3;
    if (isMouseDown() && isHovered())
        return 2;
    return isMouseDown() || isHovered() ? 1 : 0;
}

void UISpinBox::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UISpinBox::draw(Painter& painter)
{
    const int frame = stateFrame();
    const Rect column = buttonColumn();
    m_skins[kButtonSkin].draw(painter, column, frame, UISkinImage::kAllCells);
    m_skins[kArrowUpSkin].drawAligned(painter, upButton(), kTopCentred, frame, nullptr);
    m_skins[kArrowDownSkin].drawAligned(painter, downButton(), kBottomCentred, frame, nullptr);
}

// ---- Input ----

void UISpinBox::resizeEvent(UIEvent*)
{
    setRightMargin(m_style.buttonWidth + m_style.spacing);
    m_lineEdit->setMinimumHeight(m_style.minimumHeight);
    m_lineEdit->setMaximumWidth(std::max(0, width() - m_style.spacing - m_style.buttonWidth));
}

void UISpinBox::mousePressEvent(UIEvent* event)
{
    if (m_readOnly)
        return;
    auto* mouse = static_cast<UIMouseEvent*>(event);
    if (!buttonColumn().contains(mouse->position()))
        return;
    if (mouse->button() == kLeftButton) {
        stepBy(upButton().contains(mouse->position()) ? 1 : -1);
        m_repeatInterval = m_initialRepeatDelay;
        killTimer(kRepeatTimerId);
        startTimer(kRepeatTimerId, static_cast<uint32_t>(m_repeatInterval));
    } else if (mouse->button() == kRightButton) {
        if (mouse->modifiers() & kControl)
            toMaximum();
        else
            toResetValue();
    }
}

void UISpinBox::mouseReleaseEvent(UIEvent*)
{
    killTimer(kRepeatTimerId);
    killTimer(kScrubTimerId);
}

void UISpinBox::onChildRelease(UIEvent* event)
{
    mouseReleaseEvent(event);
}

void UISpinBox::mouseEnterEvent(UIEvent*)
{
    killTimer(kScrubTimerId);
    update();
}

void UISpinBox::onChildEnter(UIEvent* event)
{
    mouseEnterEvent(event);
}

void UISpinBox::mouseLeaveEvent(UIEvent*)
{
    killTimer(kRepeatTimerId);
    UIWidget* grab = grabWidget();
    const bool held = grab == this || grab == m_lineEdit;
    if (held && !isTimerActive(kScrubTimerId) && m_maximum > m_minimum) {
        m_scrubAnchor = static_cast<int>((m_maximum - m_value) / (m_maximum - m_minimum) * m_scrubRange);
        startTimer(kScrubTimerId, UITimerClient::kDefaultInterval);
    }
    update();
}

void UISpinBox::onChildLeave(UIEvent* event)
{
    mouseLeaveEvent(event);
}

void UISpinBox::wheelEvent(UIEvent* event)
{
    auto* wheel = static_cast<UIWheelEvent*>(event);
    if (m_readOnly || !buttonColumn().contains(wheel->position()))
        return;
    stepBy(wheel->direction() == kWheelAway ? 1 : -1);
    event->accept();
}

void UISpinBox::onLineEditWheel(UIEvent* event)
{
    if (m_readOnly)
        return;
    event->accept();
    if (static_cast<UIWheelEvent*>(event)->direction() == kWheelAway) {
        if (m_value < m_maximum)
            stepBy(1);
    } else if (m_value > m_minimum) {
        stepBy(-1);
    }
}

Point UISpinBox::pointerInWidget() const
{
    UICursorHost* host = UICursorHost::instance();
    return host ? mapFromGlobal(host->position()) : Point(-1, -1);
}

void UISpinBox::timerEvent(UIEvent* event)
{
    const int code = static_cast<UICustomEvent*>(event)->code();
    if (code == kRepeatTimerId)
        repeatStep();
    else if (code == kScrubTimerId)
        scrub();
}

void UISpinBox::repeatStep()
{
    const Point at = pointerInWidget();
    if (upButton().contains(at))
        stepBy(1);
    else if (downButton().contains(at))
        stepBy(-1);
    if (m_repeatInterval <= m_minimumRepeatInterval)
        return;
    m_repeatInterval = std::max(m_repeatInterval - kRepeatShrink, m_minimumRepeatInterval);
    killTimer(kRepeatTimerId);
    startTimer(kRepeatTimerId, static_cast<uint32_t>(m_repeatInterval));
}

double UISpinBox::scrubFraction(int y, int base, int range)
{
    if (y < base)
        return 1.0;
    const int end = base + range;
    if (y > end || range <= 0)
        return 0.0;
    return double(end - y) / range;
}

double UISpinBox::scrubValue(int y) const
{
    // An empty range has nothing to spread the pointer's way over.
    if (m_maximum <= m_minimum)
        return m_value;
    const int base = globalRect().y + height() / 2 - m_scrubAnchor;
    const float fraction = static_cast<float>(scrubFraction(y, base, m_scrubRange));
    float value = static_cast<float>(m_minimum + (m_maximum - m_minimum) * fraction);
    if (m_decimals == 0)
        value = static_cast<float>(roundHalfAwayFromZero(value));
    return value;
}

void UISpinBox::scrub()
{
    UICursorHost* host = UICursorHost::instance();
    if (!host)
        return;
    const int y = host->position().y;
    const Rect area = globalRect();
    if (y >= area.y - kScrubMargin && y <= area.y + area.height + kScrubMargin)
        return;
    const double next = scrubValue(y);
    if (next != m_value && next >= m_minimum && next <= m_maximum)
        setValue(next);
}
