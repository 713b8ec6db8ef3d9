#include "ui/widgets/range/UIScrollBar.h"

#include "graphics/paint/Painter.h"
#include "graphics/paint/Rounding.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/input/UICursorHost.h"
#include "ui/core/theme/UIStyleValues.h"

#include <algorithm>

namespace {

const char16_t* const kSkinNames[] = {
    u"UIScrollBar_HorizontalBackground",
    u"UIScrollBar_LeftArrowBackground",
    u"UIScrollBar_RightArrowBackground",
    u"UIScrollBar_HorizontalThumbBackground",
    u"UIScrollBar_HorizontalThumbGripper",
    u"UIScrollBar_VerticalBackground",
    u"UIScrollBar_TopArrowBackground",
    u"UIScrollBar_BottomArrowBackground",
    u"UIScrollBar_VerticalThumbBackground",
    u"UIScrollBar_VerticalThumbGripper",
    u"UIScrollBar_ArrowLeft",
    u"UIScrollBar_ArrowRight",
    u"UIScrollBar_ArrowUp",
    u"UIScrollBar_ArrowDown",
};

const UIStyleField<UIScrollBar::Style> kFields[] = {
    {u"background", [](UIScrollBar::Style& s, const String& v) { s.background = parseStyleBrush(v); }},
    {u"thickness", [](UIScrollBar::Style& s, const String& v) { s.thickness = parseStyleInt(v); }},
    {u"thumbMinimumLength",
     [](UIScrollBar::Style& s, const String& v) { s.thumbMinimumLength = parseStyleInt(v); }},
};

constexpr int kLeftButton = 1;
constexpr uint32_t kShift = 1;
constexpr uint32_t kCentred = Rect::kAlignHCenter | Rect::kAlignVCenter;

} // namespace

UIScrollBar::UIScrollBar(UIWidget* parent) : UIAbstractSlider(parent)
{
    setFlag(kTransparent, false);
    setFlag(kHoverTracking, true);
    setFocusPolicy(kClickFocus);
    setStyleName(String(u"UIScrollBar"));
    m_thumbRect = Rect(0, 0, m_style.thickness, m_style.thumbMinimumLength);
}

UIStyleNames UIScrollBar::styleNames()
{
    return UIStyleNames{String(u"UIScrollBar"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

void UIScrollBar::setDocumentLength(int length)
{
    if (length < 1 || length == m_documentLength)
        return;
    m_documentLength = length;
    update();
}

void UIScrollBar::startAutoRepeat()
{
    m_autoRepeating = true;
    startTimer(kRepeatTimerId, kRepeatInterval);
}

void UIScrollBar::stopAutoRepeat()
{
    killTimer(kRepeatTimerId);
    m_autoRepeating = false;
    m_dragOffset = 0;
}

int UIScrollBar::thumbLength() const
{
    const int length = axisLength();
    const int track = std::max(length - 2 * arrowLength(), m_style.thumbMinimumLength);
    const double ratio = std::min(double(length) / m_documentLength, 1.0);
    return std::max(roundHalfAwayFromZero(track * ratio), m_style.thumbMinimumLength);
}

Rect UIScrollBar::thumbRectForValue() const
{
    if (maximum() < 1)
        return m_thumbRect;
    const int a = arrowLength();
    const int length = thumbLength();
    const int start = a + int(int64_t(value()) * (axisLength() - 2 * a - length) / maximum());
    if (isVertical())
        return Rect(0, start, width(), length);
    return Rect(start, 0, length, height());
}

int UIScrollBar::valueAt(const Point& point) const
{
    const int a = arrowLength();
    const int length = thumbLength();
    const int room = axisLength() - 2 * a - length;
    if (room <= 0)
        return 0;
    const double percent = (along(point) - a - length * 0.5) * 100.0 / room;
    return clamped(roundHalfAwayFromZero(maximum() * percent / 100.0));
}

int UIScrollBar::repeatStep(const Point& cursor) const
{
    if (m_repeatRect.contains(cursor))
        return m_repeatBackward ? -m_arrowStep : m_arrowStep;
    const Point centre = m_repeatRect.center();
    const int c = along(cursor);
    const int m = along(centre);
    const int half = (isVertical() ? m_repeatRect.height : m_repeatRect.width) / 2;
    if (c > m)
        return std::max(1, roundHalfAwayFromZero((c - (m + half)) * double(m_acceleration))) + m_arrowStep;
    return std::min(-1, roundHalfAwayFromZero((c - (m - half)) * double(m_acceleration))) - m_arrowStep;
}

int UIScrollBar::barFrame() const
{
    return !isEnabled() || maximum() <= 0 ? 3 : 0;
}

int UIScrollBar::thumbFrame() const
{
    if (!isEnabled())
        return 3;
    if (isMouseDown() && !m_autoRepeating)
        return 2;
    return isHovered() ? 1 : 0;
}

Size UIScrollBar::sizeHint() const
{
    const int along = m_style.thumbMinimumLength + 2 * arrowLength();
    return isVertical() ? Size(m_style.thickness, along) : Size(along, m_style.thickness);
}

void UIScrollBar::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIScrollBar::setSkinImage(const UISkinImage& image, const String& name)
{
    const int index = skinImageIndex(kSkinNames, name);
    if (index >= 0)
        m_skins[index] = image;
}

void UIScrollBar::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UIScrollBar::draw(Painter& painter)
{
    const Size hint = sizeHint();
    if (width() < hint.width || height() < hint.height)
        return;
    if (m_style.background.isVisible())
        painter.fillRect(rect(), m_style.background);
    const int frame = barFrame();
    if (m_arrowsVisible)
        paintArrows(painter, frame);
    else
        m_skins[isVertical() ? kVerticalBackground : kHorizontalBackground].drawCell(painter, rect(), frame,
                                                                                     UISkinImage::kCentre);
    if (maximum() <= 0)
        return;
    m_thumbRect = thumbRectForValue();
    const int thumb = thumbFrame();
    const int first = isVertical() ? kVerticalThumbBackground : kHorizontalThumbBackground;
    m_skins[first].draw(painter, m_thumbRect, thumb, UISkinImage::kAllCells);
    m_skins[first + 1].drawAligned(painter, m_thumbRect, kCentred, thumb, nullptr);
}

void UIScrollBar::paintArrows(Painter& painter, int frame)
{
    const int a = m_style.thickness;
    if (isVertical()) {
        const Rect top(0, 0, width(), width());
        const Rect bottom(0, height() - width(), width(), width());
        m_skins[kVerticalBackground].draw(painter, Rect(0, a - 1, width(), height() - 2 * (a - 1)), frame,
                                          UISkinImage::kAllCells);
        m_skins[kTopArrowBackground].draw(painter, top, frame, UISkinImage::kAllCells);
        m_skins[kBottomArrowBackground].draw(painter, bottom, frame, UISkinImage::kAllCells);
        m_skins[kArrowUp].drawAligned(painter, top.adjusted(1, 0, 1, 0), kCentred, frame, nullptr);
        m_skins[kArrowDown].drawAligned(painter, bottom.adjusted(1, 0, 1, 0), kCentred, frame, nullptr);
        return;
    }
    const Rect left(0, 0, height(), height());
    const Rect right(width() - height(), 0, height(), height());
    m_skins[kHorizontalBackground].draw(painter, Rect(a - 1, 0, width() - 2 * (a - 1), height()), frame,
                                        UISkinImage::kAllCells);
    m_skins[kLeftArrowBackground].draw(painter, left, frame, UISkinImage::kAllCells);
    m_skins[kRightArrowBackground].draw(painter, right, frame, UISkinImage::kAllCells);
    m_skins[kArrowLeft].drawAligned(painter, left.adjusted(0, 1, 0, 1), kCentred, frame, nullptr);
    m_skins[kArrowRight].drawAligned(painter, right.adjusted(0, 1, 0, 1), kCentred, frame, nullptr);
}

void UIScrollBar::mousePressEvent(UIEvent* event)
{
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() != kLeftButton)
        return;
    m_dragOffset = 0;
    const Point& point = mouse->position();
    const int a = arrowLength();
    const int length = axisLength();
    const Rect thumb = thumbRectForValue();
    if (maximum() > 0 && thumb.contains(point)) {
        const int start = isVertical() ? thumb.y : thumb.x;
        m_dragOffset = along(point) - thumbLength() / 2 - start;
        m_dragging = true;
        update();
        return;
    }
    const Rect first(0, 0, a, a);
    const Rect second = isVertical() ? Rect(0, length - a, a, a) : Rect(length - a, 0, a, a);
    if (first.contains(point) || second.contains(point)) {
        m_repeatBackward = first.contains(point);
        const Rect& button = m_repeatBackward ? first : second;
        const Point origin = mapToGlobal(button.topLeft());
        m_repeatRect = Rect(origin.x, origin.y, button.width, button.height);
        startAutoRepeat();
        return;
    }
    if (mouse->modifiers() & kShift) {
        setValue(valueAt(point));
        return;
    }
    const int thumbStart = isVertical() ? thumb.y : thumb.x;
    setValue(along(point) < thumbStart ? value() - pageStep() : value() + pageStep());
}

void UIScrollBar::mouseReleaseEvent(UIEvent*)
{
    m_dragging = false;
    stopAutoRepeat();
    update();
}

void UIScrollBar::mouseEnterEvent(UIEvent*)
{
    update();
}

void UIScrollBar::mouseLeaveEvent(UIEvent*)
{
    update();
}

void UIScrollBar::mouseMoveEvent(UIEvent* event)
{
    if (!isMouseDown() || m_autoRepeating || !m_dragging)
        return;
    Point point = static_cast<UIMouseEvent*>(event)->position();
    if (isVertical())
        point.y -= m_dragOffset;
    else
        point.x -= m_dragOffset;
    setValue(valueAt(point));
}

void UIScrollBar::timerEvent(UIEvent* event)
{
    if (static_cast<UICustomEvent*>(event)->code() != kRepeatTimerId)
        return;
    const int step = repeatStep(UICursorHost::instance()->position());
    setValue(int(std::min<int64_t>(std::max<int64_t>(int64_t(value()) + step, INT32_MIN), INT32_MAX)));
}
