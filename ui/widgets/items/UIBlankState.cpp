#include "ui/widgets/items/UIBlankState.h"

#include "foundation/geometry/Rect.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Painter.h"
#include "graphics/paint/Pen.h"

namespace {

constexpr uint32_t kCentred = Rect::kAlignHCenter | Rect::kAlignVCenter;

} // namespace

UIBlankState::UIBlankState(bool shown, std::function<void()> changed)
    : m_textShown(shown), m_imageShown(shown), m_changed(std::move(changed))
{
}

void UIBlankState::setText(const String& text)
{
    m_text = text;
    m_changed();
}

void UIBlankState::setImage(const Image& image)
{
    m_image = image;
    m_changed();
}

void UIBlankState::setTextShown(bool on)
{
    m_textShown = on;
    m_changed();
}

void UIBlankState::setImageShown(bool on)
{
    m_imageShown = on;
    m_changed();
}

bool UIBlankState::paint(Painter& painter, const Rect& area, const FontDesc& font, const Pen& foreground,
                         const Pen& shadow) const
{
    bool drawn = false;
    if (m_imageShown && !m_image.isNull()) {
        painter.drawImageAligned(m_image, area, kCentred);
        drawn = true;
    }
    if (!m_textShown || m_text.isEmpty())
        return drawn;
    painter.setFont(font);
    painter.setPen(shadow);
    Rect lower = area;
    lower.setTop(area.y + 2);
    painter.drawText(m_text, lower, kCentred, 0, true, nullptr);
    painter.setPen(foreground);
    painter.drawText(m_text, area, kCentred, 0, true, nullptr);
    return true;
}
