#include "ui/widgets/group/UIGroup.h"

#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/theme/UIMetric.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/core/theme/UITheme.h"

#include <algorithm>

namespace {

using Style = UIGroup::Style;

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](Style& s, const String& v) { s.foreground = parseStylePen(v); }},
    {u"shadowForeground", [](Style& s, const String& v) { s.shadowForeground = parseStylePen(v); }},
    {u"disabledForeground", [](Style& s, const String& v) { s.disabledForeground = parseStylePen(v); }},
    {u"disabledShadowForeground",
     [](Style& s, const String& v) { s.disabledShadowForeground = parseStylePen(v); }},
    {u"shadowOffset", [](Style& s, const String& v) { s.shadowOffset = parseStylePoint(v); }},
    {u"background", [](Style& s, const String& v) { s.background = parseStyleBrush(v); }},
    {u"indicatorSpacing", [](Style& s, const String& v) { s.indicatorSpacing = parseStyleInt(v); }},
};

const char16_t* const kFrameName = u"UIGroup_Background";
const char16_t* const kIndicatorName = u"UIGroup_Indicator";

constexpr uint32_t kLeftButton = 1;
// Room the frame keeps round the header and the children.
constexpr int kFrameRoom = 20;
// The gap between the header and the top of the frame.
constexpr int kHeaderGap = 2;

} // namespace

UIGroup::UIGroup(UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UIGroup"));
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
    setFlag(kTransparent, true);
    setFlag(kHoverTracking, true);
    setVerticalFlow(1);
    applyMetricSpacing();
    updateHeaderLayout();
}

UIStyleNames UIGroup::styleNames()
{
    return UIStyleNames{
        String(u"UIGroup"), styleFieldNames(kFields), {String(kFrameName), String(kIndicatorName)}};
}

void UIGroup::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIGroup::setSkinImage(const UISkinImage& image, const String& name)
{
    if (name == String(kFrameName))
        m_style.frame = image;
    else if (name == String(kIndicatorName))
        m_style.indicator = image;
}

void UIGroup::setTitle(const String& title)
{
    if (title == m_title)
        return;
    m_title = title;
    updateHeaderLayout();
}

void UIGroup::setCheckable(bool on)
{
    if (on == m_checkable)
        return;
    m_checkable = on;
    updateHeaderLayout();
}

void UIGroup::setChecked(bool on)
{
    if (!m_checkable || on == m_checked)
        return;
    m_checked = on;
    update();
    toggled.emit();
}

int UIGroup::lineHeight() const
{
    return FontMetrics(m_style.font, nullptr).height();
}

int UIGroup::headerHeight() const
{
    int height = m_title.isEmpty() ? 0 : lineHeight();
    if (m_checkable)
        height = std::max(height, m_style.indicator.frameHeight());
    return height;
}

void UIGroup::updateHeaderLayout()
{
    applyMetricMargins();
    // From the metric itself, so that a second update never adds twice.
    const UITheme* theme = UIApplication::instance()->theme();
    const int top = theme ? theme->metric(kLayoutTopMargin) : 0;
    if (!hasHeader()) {
        setTopMargin(top);
        return;
    }
    const int grow = m_checkable ? std::max(lineHeight(), m_style.indicator.frameHeight()) : lineHeight();
    setTopMargin(top + grow);
}

Size UIGroup::sizeHint() const
{
    int width = 0;
    int height = 0;
    if (!m_title.isEmpty()) {
        width = FontMetrics(m_style.font, nullptr).textWidth(m_title.data(), m_title.length(), false);
        height = lineHeight();
    }
    if (m_checkable) {
        width += m_style.indicator.frameWidth() + m_style.indicatorSpacing;
        height = std::max(height, m_style.indicator.frameHeight());
    }
    if (hasHeader())
        height += kHeaderGap;
    return Size(width + kFrameRoom, height + kFrameRoom);
}

int UIGroup::indicatorFrame() const
{
    const int checked = m_checked ? 4 : 0;
    if (!isEnabled())
        return 3 + checked;
    return (m_headerHovered ? 1 : 0) + checked;
}

int UIGroup::titleX() const
{
    return m_checkable ? m_style.indicator.frameWidth() + m_style.indicatorSpacing : 0;
}

Rect UIGroup::titleRect() const
{
    const int x = titleX();
    return Rect(x, 0, std::max(0, width() - x), lineHeight());
}

Rect UIGroup::headerRect() const
{
    if (!m_checkable)
        return Rect();
    if (m_title.isEmpty())
        return Rect(0, 0, m_style.indicator.frameWidth(), m_style.indicator.frameHeight());
    const FontMetrics metrics(m_style.font, nullptr);
    const Rect drawn = metrics.alignedTextRect(m_title, titleRect(), uint32_t(m_titleAlignment), true);
    return Rect(0, 0, drawn.x + drawn.width, metrics.height());
}

void UIGroup::draw(Painter& painter) const
{
    if (m_style.background.isVisible())
        painter.fillRect(rect(), m_style.background);
    Rect frame = rect();
    if (hasHeader()) {
        const int top = headerHeight() + kHeaderGap;
        frame.y += top;
        frame.height = std::max(0, frame.height - top);
    }
    m_style.frame.draw(painter, frame, 0, UISkinImage::kAllCells);
    if (!m_title.isEmpty())
        drawTitle(painter);
    if (m_checkable)
        m_style.indicator.drawAt(painter, Point(0, 0), indicatorFrame(), UISkinImage::kAllCells);
}

void UIGroup::drawTitle(Painter& painter) const
{
    const Rect title = titleRect();
    const uint32_t alignment = uint32_t(m_titleAlignment);
    const bool enabled = isEnabled();
    const Point& offset = m_style.shadowOffset;
    painter.setFont(m_style.font);
    painter.setPen(enabled ? m_style.shadowForeground : m_style.disabledShadowForeground);
    painter.drawText(m_title, Rect(title.x + offset.x, title.y + offset.y, title.width, title.height),
                     alignment, 0, true, nullptr);
    painter.setPen(enabled ? m_style.foreground : m_style.disabledForeground);
    painter.drawText(m_title, title, alignment, 0, true, nullptr);
}

void UIGroup::mouseMoveEvent(UIEvent* event)
{
    if (!takesClicks())
        return;
    const bool inside = headerRect().contains(static_cast<UIMouseEvent*>(event)->position());
    if (inside == m_headerHovered)
        return;
    m_headerHovered = inside;
    update();
}

void UIGroup::mouseLeaveEvent(UIEvent*)
{
    if (!takesClicks())
        return;
    m_headerHovered = false;
    update();
}

void UIGroup::mousePressEvent(UIEvent* event)
{
    auto* mouse = static_cast<UIMouseEvent*>(event);
    if (takesClicks() && mouse->button() == kLeftButton)
        m_headerPressed = headerRect().contains(mouse->position());
}

void UIGroup::mouseReleaseEvent(UIEvent* event)
{
    auto* mouse = static_cast<UIMouseEvent*>(event);
    if (!takesClicks() || mouse->button() != kLeftButton || !m_headerPressed)
        return;
    m_headerPressed = false;
    if (headerRect().contains(mouse->position()))
        setChecked(!m_checked);
}

void UIGroup::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}
