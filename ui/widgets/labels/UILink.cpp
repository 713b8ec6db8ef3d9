#include "ui/widgets/labels/UILink.h"

#include "foundation/time/Time.h"
#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/theme/UIStyleValues.h"

namespace {

using Style = UILink::Style;

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](Style& s, const String& v) { s.foreground = parseStylePen(v); }},
    {u"shadowForeground", [](Style& s, const String& v) { s.shadowForeground = parseStylePen(v); }},
    {u"shadowOffset", [](Style& s, const String& v) { s.shadowOffset = parseStylePoint(v); }},
    {u"hoveredFont", [](Style& s, const String& v) { s.hoveredFont = parseStyleFont(v); }},
    {u"hoveredForeground", [](Style& s, const String& v) { s.hoveredForeground = parseStylePen(v); }},
    {u"hoveredShadowForeground",
     [](Style& s, const String& v) { s.hoveredShadowForeground = parseStylePen(v); }},
    {u"disabledForeground", [](Style& s, const String& v) { s.disabledForeground = parseStylePen(v); }},
    {u"disabledShadowForeground",
     [](Style& s, const String& v) { s.disabledShadowForeground = parseStylePen(v); }},
};

constexpr uint32_t kLeftButton = 1;
constexpr uint32_t kCentred = 48;

UILink::Opener& opener()
{
    static UILink::Opener current = &UILink::openWithShell;
    return current;
}

UILink::Clock& guardClock()
{
    static UILink::Clock current = &Time::tickCountMs;
    return current;
}

} // namespace

void UILink::setOpener(Opener replacement)
{
    opener() = replacement ? replacement : &UILink::openWithShell;
}

void UILink::setClock(Clock replacement)
{
    guardClock() = replacement ? replacement : &Time::tickCountMs;
}

UILink::UILink(UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UILink"));
    setFlag(kTransparent, true);
    setFlag(kHoverTracking, true);
    setSizePolicy(UISizePolicy::kFixed, UISizePolicy::kFixed);
    setCursor(UICursor(kHandCursor));
}

UIStyleNames UILink::styleNames()
{
    return UIStyleNames{String(u"UILink"), styleFieldNames(kFields), {}};
}

void UILink::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UILink::setText(const String& text)
{
    if (text == m_text)
        return;
    m_text = text;
    relayout();
}

void UILink::setUrl(const String& url)
{
    m_url = url;
    if (toolTipText().isEmpty() && autoToolTip())
        setToolTip(m_toolTipPrefix + m_url);
}

void UILink::setToolTipPrefix(const String& prefix)
{
    m_toolTipPrefix = prefix;
    setToolTip(m_toolTipPrefix + m_url);
}

void UILink::setFontSize(float points)
{
    m_style.font.setSize(points);
    m_style.hoveredFont.setSize(points);
}

Size UILink::sizeHint() const
{
    const String& shown = m_text.isEmpty() ? m_url : m_text;
    const FontMetrics metrics(m_style.font, nullptr);
    return Size(metrics.textWidth(shown.data(), shown.length(), false), metrics.height());
}

void UILink::draw(Painter& painter) const
{
    if (m_text.isEmpty())
        return;
    const bool enabled = isEnabled();
    const bool hovered = isHovered();
    const bool alwaysHovered = m_hoverMode == 2;
    painter.setFont((enabled && hovered) || alwaysHovered ? m_style.hoveredFont : m_style.font);
    if (!enabled)
        painter.setPen(m_style.disabledShadowForeground);
    else if ((hovered && m_hoverMode != 0) || alwaysHovered)
        painter.setPen(m_style.hoveredShadowForeground);
    else
        painter.setPen(m_style.shadowForeground);
    const Point& offset = m_style.shadowOffset;
    painter.drawText(m_text, Rect(offset.x, offset.y, width(), height()), kCentred, 0, true, nullptr);
    if (!enabled)
        painter.setPen(m_style.disabledForeground);
    else
        painter.setPen(hovered ? m_style.hoveredForeground : m_style.foreground);
    painter.drawText(m_text, rect(), kCentred, 0, true, nullptr);
}

void UILink::clickEvent(UIEvent* event)
{
    if (static_cast<UIMouseEvent*>(event)->button() != kLeftButton)
        return;
    if (!m_url.isEmpty()) {
        const int64_t now = guardClock()();
        if (now - m_lastOpenTime > kReopenGuardMs) {
            m_lastOpenTime = now;
            opener()(m_url);
        }
    }
    clicked.emit();
}

void UILink::mouseEnterEvent(UIEvent*)
{
    update();
}

void UILink::mouseLeaveEvent(UIEvent*)
{
    update();
}

void UILink::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}
