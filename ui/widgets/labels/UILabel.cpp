#include "ui/widgets/labels/UILabel.h"

#include "foundation/containers/StringList.h"
#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/theme/UIStyleValues.h"

#include <algorithm>

namespace {

using Style = UILabel::Style;

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](Style& s, const String& v) { s.foreground = parseStylePen(v); }},
    {u"shadowForeground", [](Style& s, const String& v) { s.shadowForeground = parseStylePen(v); }},
    {u"shadowOffset", [](Style& s, const String& v) { s.shadowOffset = parseStylePoint(v); }},
    {u"disabledForeground", [](Style& s, const String& v) { s.disabledForeground = parseStylePen(v); }},
    {u"disabledShadowForeground",
     [](Style& s, const String& v) { s.disabledShadowForeground = parseStylePen(v); }},
};

// Extra room round the text so that a shadow and the last pixel of an
// italic letter are not cut.
constexpr int kTextMargin = 4;

Rect movedBy(const Rect& rect, const Point& offset)
{
    return Rect(rect.x + offset.x, rect.y + offset.y, rect.width, rect.height);
}

} // namespace

UILabel::UILabel(UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UILabel"));
    setFlag(kTransparent, true);
    setSizePolicy(UISizePolicy::kFixed, UISizePolicy::kFixed);
}

UIStyleNames UILabel::styleNames()
{
    return UIStyleNames{String(u"UILabel"), styleFieldNames(kFields), {}};
}

void UILabel::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UILabel::setText(const String& text)
{
    if (text == m_text)
        return;
    m_text = text;
    if (!relayout())
        update();
}

void UILabel::setFontSize(float points)
{
    m_style.font.setSize(points);
}

Size UILabel::sizeHint() const
{
    const FontMetrics metrics(m_style.font, nullptr);
    Size hint(0, metrics.height());
    if (!m_multiLine) {
        hint.width = metrics.textWidth(m_text.data(), m_text.length(), false);
    } else {
        const StringList lines = StringList::split(m_text, String(u"\n"), 0);
        for (const String& line : lines)
            hint.width = std::max(hint.width, metrics.textWidth(line.data(), line.length(), false));
        hint.height = lines.count() * metrics.height();
    }
    return Size(hint.width + kTextMargin, hint.height + kTextMargin);
}

String UILabel::toolTip(const Point& point) const
{
    const String own = UIWidget::toolTip(point);
    if (!own.isEmpty())
        return own;
    return m_elided ? m_text : String();
}

void UILabel::draw(Painter& painter)
{
    m_elided = false;
    painter.setFont(m_style.font);
    if (m_multiLine)
        drawLines(painter);
    else
        drawSingleLine(painter);
}

void UILabel::drawSingleLine(Painter& painter)
{
    const bool enabled = isEnabled();
    painter.setPen(enabled ? m_style.shadowForeground : m_style.disabledShadowForeground);
    painter.drawText(m_text, movedBy(rect(), m_style.shadowOffset), m_alignment, m_elideMode, false, nullptr);
    painter.setPen(enabled ? m_style.foreground : m_style.disabledForeground);
    m_elided = painter.drawText(m_text, rect(), m_alignment, m_elideMode, false, nullptr);
}

void UILabel::drawLines(Painter& painter) const
{
    const int lineHeight = FontMetrics(m_style.font, nullptr).height();
    Rect line(2, 0, width(), lineHeight);
    for (const String& text : StringList::split(m_text, String(u"\n"), 0)) {
        if (isEnabled()) {
            painter.setPen(m_style.shadowForeground);
            painter.drawText(text, movedBy(line, m_style.shadowOffset), m_alignment, 0, false, nullptr);
            painter.setPen(m_style.foreground);
        } else {
            painter.setPen(m_style.disabledForeground);
        }
        painter.drawText(text, line, m_alignment, 0, false, nullptr);
        line.y += lineHeight;
    }
}

void UILabel::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}
