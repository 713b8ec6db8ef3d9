#include "ui/widgets/toolbar/UISizeGrip.h"

#include "foundation/system/MessageLoop.h"
#include "graphics/paint/Painter.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/theme/UIStyleValues.h"

#include <algorithm>
#include <cstdlib>

namespace {

const char16_t* const kSkinNames[] = {u"UISizeGrip_Background"};
const char16_t* const kSizeProperty = u"size";

} // namespace

UISizeGrip::UISizeGrip(UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UISizeGrip"));
    setFlag(kWantsDoubleClicks | kTransparent, true);
    setCursor(UICursor(kResizeCursor));
    setLayoutAlignment(Rect::kAlignRight | Rect::kAlignBottom);
    if (UIWidget* top = window())
        top->resized.connect(this, &UISizeGrip::checkState);
}

UIStyleNames UISizeGrip::styleNames()
{
    return UIStyleNames{String(u"UISizeGrip"), {String(kSizeProperty)}, skinImageNames(kSkinNames)};
}

Size UISizeGrip::sizeHint() const
{
    return Size(std::max(m_size.width, kMinimumSide), std::max(m_size.height, kMinimumSide));
}

void UISizeGrip::setStyleProperty(const String& name, const String& value)
{
    if (name == String(kSizeProperty))
        m_size = parseStyleSize(value);
}

void UISizeGrip::setSkinImage(const UISkinImage& image, const String& name)
{
    if (skinImageIndex(kSkinNames, name) == 0)
        m_background = image;
}

void UISizeGrip::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UISizeGrip::draw(Painter& painter) const
{
    if (!m_suppressed)
        m_background.draw(painter, rect(), 0, UISkinImage::kAllCells);
}

void UISizeGrip::mousePressEvent(UIEvent* event)
{
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() != 1)
        return;
    m_grabOffset = Point(width() - mouse->x(), height() - mouse->y());
    // The threshold counts from the press, not from wherever the last drag
    // ended.
    m_lastCursorPos = mapToGlobal(mouse->position());
    m_dragging = true;
}

void UISizeGrip::mouseReleaseEvent(UIEvent*)
{
    m_dragging = false;
    m_grabOffset = Point(0, 0);
}

void UISizeGrip::mouseMoveEvent(UIEvent* event)
{
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    UIWidget* top = window();
    if (m_suppressed || !m_dragging || !(mouse->buttons() & 1) || !top)
        return;
    const Point cursor = mapToGlobal(mouse->position());
    if (std::abs(cursor.x - m_lastCursorPos.x) < m_moveThreshold &&
        std::abs(cursor.y - m_lastCursorPos.y) < m_moveThreshold)
        return;
    m_lastCursorPos = cursor;
    // The window grows by as much as the grip's corner lags behind the point
    // it was grabbed at, so that the corner follows the pointer.
    const Point corner = mapToGlobal(Point(width(), height()));
    int newWidth = top->width() + cursor.x + m_grabOffset.x - corner.x;
    int newHeight = top->height() + cursor.y + m_grabOffset.y - corner.y;
    if (newWidth < 0)
        newWidth = top->width();
    if (newHeight < 0)
        newHeight = top->height();
    if (std::abs(newWidth - top->width()) <= 1 && std::abs(newHeight - top->height()) <= 1)
        return;
    if (MessageLoop* loop = MessageLoop::instance())
        loop->mainLoop().processPendingEvents();
    top->resize(newWidth, newHeight);
}

void UISizeGrip::checkState()
{
    UIWidget* top = window();
    if (!top || !top->isVisible())
        return;
    const bool suppressed = top->isMaximized() || top->isStateFour();
    if (suppressed == m_suppressed)
        return;
    m_suppressed = suppressed;
    setCursor(UICursor(suppressed ? kArrowCursor : kResizeCursor));
    update();
}
