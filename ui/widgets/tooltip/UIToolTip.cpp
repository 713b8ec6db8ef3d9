#include "ui/widgets/tooltip/UIToolTip.h"

#include "foundation/containers/StringList.h"
#include "foundation/time/Time.h"
#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/input/UICursorHost.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/core/widget/UIToolTipHost.h"

#include <algorithm>

namespace {

using Style = UIToolTip::Style;

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](Style& s, const String& v) { s.foreground = parseStylePen(v); }},
    {u"shadowForeground", [](Style& s, const String& v) { s.shadowForeground = parseStylePen(v); }},
    {u"shadowOffset", [](Style& s, const String& v) { s.shadowOffset = parseStylePoint(v); }},
    {u"background", [](Style& s, const String& v) { s.background = parseStyleBrush(v); }},
    {u"borderColor", [](Style& s, const String& v) { s.borderColor = parseStyleColor(v); }},
    {u"padding", [](Style& s, const String& v) { s.padding = parseStyleMargins(v); }},
    {u"cornerDiametr", [](Style& s, const String& v) { s.cornerDiametr = parseStyleInt(v); }},
    {u"desktopPadding", [](Style& s, const String& v) { s.desktopPadding = parseStyleMargins(v); }},
    {u"desktopVerticalOffset", [](Style& s, const String& v) { s.desktopVerticalOffset = parseStyleInt(v); }},
};

const char16_t* const kSkinName = u"UIToolTip_Background";

// Window flags: key preview off, drop shadow, shown without activating, and
// the window itself.
constexpr uint32_t kWindowFlags = 0x200 | 0x10 | 0x8 | 0x1;

// The shared state of every tool tip. The last owner is kept as an address
// to compare: the widget may have been deleted since.
struct Shared
{
    UIToolTip* instance = nullptr;
    int lastGroup = 0;
    const void* lastOwner = nullptr;
    int64_t lastHideTime = 0;
    bool hasHidden = false;
    Point lastHidePosition;
};

Shared& shared()
{
    static Shared state;
    return state;
}

bool isBreak(char16_t unit)
{
    return unit == u'\r' || unit == u'\n';
}

bool isControl(char16_t unit)
{
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
}

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// The widget core reaches the shared tool tip through this.
class Host : public UIToolTipHost
{
public:
    bool isShowing() const override { return UIToolTip::isShowing(); }
    UIWidget* owner() const override { return UIToolTip::owner(); }
    String text() const override { return UIToolTip::isShowing() ? m_requested : String(); }
    void showText(const Request& r) override
    {
        m_requested = r.text;
        UIToolTip::showText(r.owner, r.text, r.globalPos, r.globalRect, r.delay, r.duration, r.group,
                            r.maxLength);
    }
    void hide() override { UIToolTip::hideShared(); }

private:
    // Kept as asked for: the shown text is cut and cleaned, and comparing
    // that with a new request would show the same tip again.
    String m_requested;
};

} // namespace

UIToolTip::UIToolTip(UIWidget* owner) : UIWidget(owner, kWindowFlags)
{
    setFlag(kWindow, true);
    setFlag(kTransparent, false);
    setFlag(kMouseTransparent, true);
    setSizePolicy(UISizePolicy::kFixed, UISizePolicy::kFixed);
    setStyleName(String(u"UIToolTip"));
}

UIToolTip::~UIToolTip()
{
    if (shared().instance == this)
        shared().instance = nullptr;
}

UIStyleNames UIToolTip::styleNames()
{
    return UIStyleNames{String(u"UIToolTip"), styleFieldNames(kFields), {String(kSkinName)}};
}

void UIToolTip::install()
{
    static Host host;
    UIToolTipHost::install(&host);
}

void UIToolTip::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIToolTip::setSkinImage(const UISkinImage& image, const String& name)
{
    if (name == String(kSkinName))
        m_style.skin = image;
}

int UIToolTip::showDelayFor(const UIWidget* widget, int group, int givenDelay, int64_t now)
{
    if (givenDelay >= 1)
        return givenDelay;
    const Shared& state = shared();
    const bool soonAfterHiding = state.hasHidden && now - state.lastHideTime <= kReshowDelay;
    const bool sameGroup = group != 0 && group == state.lastGroup;
    const bool sameWidget = static_cast<const void*>(widget) == state.lastOwner;
    if (soonAfterHiding && (sameGroup || sameWidget))
        return kQuickShowDelay;
    return kDefaultShowDelay;
}

void UIToolTip::resetHistory()
{
    Shared& state = shared();
    state.lastGroup = 0;
    state.lastOwner = nullptr;
    state.hasHidden = false;
}

void UIToolTip::showText(UIWidget* widget, const String& text, const Point& point, const Rect& area,
                         int delay, int displayTime, int group, int maxLength)
{
    if (!widget || pressedButtons() != 0 || area.width <= 0 || area.height <= 0 || isShowing())
        return;
    hideShared();
    if (text.isEmpty())
        return;
    auto* tip = new UIToolTip(widget);
    Shared& state = shared();
    state.instance = tip;
    tip->setMaxLength(maxLength);
    tip->setText(text);
    tip->m_showDelay = showDelayFor(widget, group, delay, Time::tickCountMs());
    state.lastGroup = group;
    state.lastOwner = widget;
    if (displayTime > 0)
        tip->m_displayTime = displayTime;
    tip->showIn(point, area);
}

void UIToolTip::hideShared()
{
    UIToolTip* tip = shared().instance;
    if (!tip)
        return;
    tip->setVisible(false);
    shared().instance = nullptr;
    delete tip;
}

void UIToolTip::hideFor(const UIWidget* widget)
{
    if (isShowing() && owner() == widget)
        hideShared();
}

bool UIToolTip::isShowing()
{
    const UIToolTip* tip = shared().instance;
    return tip && (tip->isVisible() || tip->isPending());
}

UIWidget* UIToolTip::owner()
{
    return shared().instance ? shared().instance->parentWidget() : nullptr;
}

bool UIToolTip::isInstance(const UIWidget* widget)
{
    return widget && widget == shared().instance;
}

String UIToolTip::currentText()
{
    return isShowing() ? shared().instance->m_text : String();
}

void UIToolTip::updateText(const String& text, bool resize)
{
    UIToolTip* tip = shared().instance;
    if (!tip || text.isEmpty())
        return;
    tip->setText(text);
    if (resize)
        tip->resizeTo(tip->effectiveSizeHint());
}

void UIToolTip::setText(const String& text)
{
    int count = text.length();
    const bool cut = m_maxLength >= 1 && count > m_maxLength;
    if (cut) {
        count = m_maxLength;
        if (isHighSurrogate(text.at(count - 1)))
            --count;
    }
    String rebuilt;
    char16_t previous = 0;
    for (int i = 0; i < count; ++i) {
        const char16_t unit = text.at(i);
        if (isBreak(unit)) {
            if (i == 0 || !isBreak(previous))
                rebuilt.appendChar(u'\n');
        } else {
            rebuilt.appendChar(isControl(unit) ? u' ' : unit);
        }
        previous = unit;
    }
    if (cut)
        rebuilt.append(String(u" ... "));
    m_text = rebuilt;
    update();
}

void UIToolTip::setTimes(int showDelay, int displayTime)
{
    m_showDelay = showDelay;
    m_displayTime = displayTime;
}

Size UIToolTip::sizeHint() const
{
    const FontMetrics metrics(m_style.font, nullptr);
    const StringList lines = StringList::split(m_text, String(u"\n"), 0);
    int width = 0;
    for (const String& line : lines)
        width = std::max(width, metrics.textWidth(line.data(), line.length(), false));
    const UIMargins& p = m_style.padding;
    return Size(width + p.left + p.right, lines.count() * metrics.height() + p.top + p.bottom);
}

void UIToolTip::showIn(const Point& point, const Rect& area)
{
    m_area = area;
    const Rect monitor = monitorRectAt(point);
    if (!monitor.isEmpty())
        m_area = m_area.intersected(monitor);
    if (m_area.width > 0 && m_area.height > 0)
        showAt(point);
}

void UIToolTip::showAt(const Point& point)
{
    m_position = point;
    moveTo(point);
    startTimer(kShowTimerId, uint32_t(std::max(m_showDelay, 1)));
}

void UIToolTip::setVisible(bool visible)
{
    if (visible) {
        UIWidget::setVisible(true);
        return;
    }
    const bool wasShowing = isVisible() || isPending();
    killTimer(kShowTimerId);
    killTimer(kDisplayTimerId);
    killTimer(kFollowTimerId);
    if (!wasShowing)
        return;
    m_area = Rect();
    Shared& state = shared();
    state.lastHidePosition = UICursorHost::instance()->position();
    state.lastHideTime = Time::tickCountMs();
    state.hasHidden = true;
    UIWidget::setVisible(false);
}

void UIToolTip::setFlags(int flags)
{
    m_flags = flags;
    if (!isVisible())
        return;
    if (flags & kHideAfterDisplayTime)
        startTimer(kDisplayTimerId, uint32_t(std::max(m_displayTime, 1)));
    else
        killTimer(kDisplayTimerId);
}

bool UIToolTip::checkClose(const Point& cursor)
{
    const UIWidget* owner = parentWidget();
    const UIWidget* window = owner ? owner->window() : nullptr;
    const bool close = pressedButtons() != 0 || !owner || !window || !owner->isActiveWindow() ||
                       !window->isVisible() || !owner->isVisible() ||
                       ((m_flags & kHideOutsideArea) && !m_area.contains(cursor));
    if (close)
        setVisible(false);
    return close;
}

Point UIToolTip::placeFor(const Point& cursor)
{
    const Size size = effectiveSizeHint();
    const int offset = m_style.desktopVerticalOffset;
    const Rect popup(cursor.x, cursor.y + offset, size.width, size.height);
    return fittedRect(popup, cursor, m_style.desktopPadding, offset).topLeft();
}

void UIToolTip::showNow()
{
    killTimer(kShowTimerId);
    const Point cursor = UICursorHost::instance()->position();
    shared().lastHidePosition = cursor;
    if (checkClose(cursor))
        return;
    resizeTo(effectiveSizeHint());
    roundWindow(windowHandle(), size(), m_style.skin.isNull() ? 0 : m_style.cornerDiametr);
    moveTo(placeFor(cursor));
    setStaysOnTop(true);
    show();
    if (m_flags & kHideAfterDisplayTime)
        startTimer(kDisplayTimerId, uint32_t(std::max(m_displayTime, 1)));
    if (m_displayTime > int(kDefaultInterval))
        startTimer(kFollowTimerId, kDefaultInterval);
}

void UIToolTip::follow()
{
    const Point cursor = UICursorHost::instance()->position();
    if (checkClose(cursor))
        return;
    const Point place = placeFor(cursor);
    if (place == pos())
        return;
    moveTo(place);
    if (m_flags & kHideAfterDisplayTime) {
        killTimer(kDisplayTimerId);
        startTimer(kDisplayTimerId, uint32_t(std::max(m_displayTime, 1)));
    }
}

void UIToolTip::timerEvent(UIEvent* event)
{
    switch (static_cast<UICustomEvent*>(event)->code()) {
    case kShowTimerId:
        showNow();
        break;
    case kDisplayTimerId:
        setVisible(false);
        break;
    case kFollowTimerId:
        follow();
        break;
    default:
        break;
    }
}

void UIToolTip::focusOutEvent(UIEvent*)
{
    setVisible(false);
}

void UIToolTip::draw(Painter& painter) const
{
    const Rect r = rect();
    // A skin draws its own shape: a fill under it would square its corners.
    if (m_style.skin.isNull())
        painter.fillRect(r, m_style.background);
    else
        m_style.skin.draw(painter, r, 0, UISkinImage::kAllCells);
    if (!dropShadowEnabled() && m_style.skin.isNull()) {
        painter.setPen(Pen(m_style.borderColor));
        painter.drawRect(0, 0, r.width - 1, r.height - 1);
    }
    const FontMetrics metrics(m_style.font, nullptr);
    const UIMargins& p = m_style.padding;
    const Rect inner(p.left, p.top, r.width - p.left - p.right, r.height - p.top - p.bottom);
    const Size block = sizeHint();
    Rect line = inner.align(Rect(0, 0, block.width - p.left - p.right, block.height - p.top - p.bottom),
                            int(m_alignment), true);
    line.height = metrics.height();
    const Point& offset = m_style.shadowOffset;
    painter.setFont(m_style.font);
    for (const String& text : StringList::split(m_text, String(u"\n"), 0)) {
        painter.setPen(m_style.shadowForeground);
        painter.drawText(text, Rect(line.x + offset.x, line.y + offset.y, line.width, line.height),
                         m_alignment, 0, true, nullptr);
        painter.setPen(m_style.foreground);
        painter.drawText(text, line, m_alignment, 0, true, nullptr);
        line.y += line.height;
    }
}

void UIToolTip::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}
