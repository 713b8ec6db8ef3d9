#include "ui/widgets/range/UISlider.h"

#include "graphics/paint/Painter.h"
#include "graphics/paint/Rounding.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/input/UICursorHost.h"
#include "ui/core/theme/UIStyleValues.h"

#include <algorithm>

namespace {

const char16_t* const kSkinNames[] = {
    u"UISlider_HandleLeft",    u"UISlider_HandleLeftAndRight",   u"UISlider_HandleRight",
    u"UISlider_HandleTop",     u"UISlider_HandleTopAndBottom",   u"UISlider_HandleBottom",
    u"UISlider_Handle",        u"UISlider_HorizontalBackground", u"UISlider_VerticalBackground",
    u"UISlider_VerticalThick", u"UISlider_HorizontalThick",
};

const UIStyleField<UISlider::Style> kFields[] = {
    {u"thickColor", [](UISlider::Style& s, const String& v) { s.tickPen = Pen(parseStyleColor(v)); }},
    {u"thickLength", [](UISlider::Style& s, const String& v) { s.tickLength = parseStyleInt(v); }},
    {u"trackThickness", [](UISlider::Style& s, const String& v) { s.trackThickness = parseStyleInt(v); }},
    {u"handleHorizontalSize",
     [](UISlider::Style& s, const String& v) { s.handleHorizontalSize = parseStyleSize(v); }},
    {u"handleVerticalSize",
     [](UISlider::Style& s, const String& v) { s.handleVerticalSize = parseStyleSize(v); }},
};

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr uint32_t kShift = 1;
constexpr int kCentred = Rect::kAlignHCenter | Rect::kAlignVCenter;

// Keys that step a horizontal slider by -1 and +1, and a vertical one by +1
// and -1 respectively; the plus and minus keys step the same way on both.
const int kStepDownKeys[] = {37, 100, 109, 189};
const int kStepUpKeys[] = {39, 102, 107, 187};
const int kVerticalUpKeys[] = {38, 104, 107, 187};
const int kVerticalDownKeys[] = {40, 98, 109, 189};

template <int N> bool isOneOf(int key, const int (&keys)[N])
{
    return std::find(keys, keys + N, key) != keys + N;
}

} // namespace

UISlider::UISlider(UIWidget* parent) : UIAbstractSlider(parent)
{
    setFlag(kHoverTracking | kTransparent, true);
    setFocusPolicy(kClickFocus);
    setStyleName(String(u"UISlider"));
}

UIStyleNames UISlider::styleNames()
{
    return UIStyleNames{String(u"UISlider"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

int UISlider::valueAt(const Point& point) const
{
    if (range() == 0)
        return minimum();
    const int length = axisLength();
    const int half = roundHalfAwayFromZero((isVertical() ? handleSize().height : handleSize().width) * 0.5);
    const int track = std::max(length - 2 * half, 0);
    double offset = 0;
    if (track > 0) {
        const int along = std::min(std::max(isVertical() ? point.y : point.x, half), length - half) - half;
        // The maximum sits at the top of a vertical slider.
        offset = isVertical() ? track - along : along;
    }
    const double fraction = track > 0 ? offset / track : 0.0;
    const int raw = clamped(roundHalfAwayFromZero(minimum() + double(range()) * fraction));
    const int step = safeSingleStep();
    // Multiples of the step below zero snap the same way as above it.
    const int lower = clamped(int(int64_t(raw) - ((int64_t(raw) % step) + step) % step));
    const int upper = int(std::min<int64_t>(int64_t(lower) + step, maximum()));
    const double pixelsPerUnit = double(track) / range();
    const double belowGap = offset - (lower - minimum()) * pixelsPerUnit;
    const double aboveGap = (upper - minimum()) * pixelsPerUnit - offset;
    return belowGap < aboveGap ? lower : upper;
}

Rect UISlider::handleRectForValue() const
{
    const Size handle = handleSize();
    const double share =
        range() == 0 ? 0.0 : std::min(std::max((double(value()) - minimum()) / range(), 0.0), 1.0);
    if (isVertical())
        return Rect((width() - handle.width) / 2, int((height() - handle.height) * (1.0 - share)),
                    handle.width, handle.height);
    return Rect(int((width() - handle.width) * share), (height() - handle.height) / 2, handle.width,
                handle.height);
}

std::vector<Point> UISlider::tickPositions(bool farSide) const
{
    std::vector<Point> marks;
    const bool wanted = m_tickMode == kBothSides || m_tickMode == (farSide ? kBelow : kAbove);
    if (!wanted || range() == 0)
        return marks;
    // A range shorter than one step still has its two end marks.
    const int ticks = std::max(range() / safeSingleStep(), 1);
    const Size handle = handleSize();
    const int across = isVertical() ? width() : height();
    const int side = farSide ? across - m_style.tickLength - 1 : 1;
    const double first = (isVertical() ? handle.height : handle.width) / 2.0;
    const double gap = double(axisLength() - (isVertical() ? handle.height : handle.width)) / ticks;
    for (int i = 0; i <= ticks; ++i) {
        const int along = roundHalfAwayFromZero(first + gap * i) - 1;
        marks.push_back(isVertical() ? Point(side, along) : Point(along, side));
    }
    return marks;
}

int UISlider::stateFrame() const
{
    if (!isEnabled())
        return 3;
    if (isMouseDown() && isHovered())
        return 2;
    return isMouseDown() || isHovered() ? 1 : 0;
}

int UISlider::handleSkin() const
{
    switch (m_tickMode) {
    case kBothSides:
        return isVertical() ? kHandleLeftAndRight : kHandleTopAndBottom;
    case kAbove:
        return isVertical() ? kHandleLeft : kHandleTop;
    case kBelow:
        return isVertical() ? kHandleRight : kHandleBottom;
    default:
        return kHandle;
    }
}

Size UISlider::sizeHint() const
{
    if (isVertical())
        return Size(m_style.handleVerticalSize.width, 100);
    return Size(100, m_style.handleHorizontalSize.height);
}

void UISlider::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UISlider::setSkinImage(const UISkinImage& image, const String& name)
{
    const int index = skinImageIndex(kSkinNames, name);
    if (index >= 0)
        m_skins[index] = image;
}

void UISlider::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UISlider::draw(Painter& painter)
{
    const int frame = stateFrame();
    if (isVertical()) {
        const Rect track = rect().align(Rect(0, 0, m_style.trackThickness, height()), kCentred);
        m_skins[kVerticalBackground].draw(painter, track, frame, UISkinImage::kAllCells);
    } else {
        const Rect track = rect().align(Rect(0, 0, width(), m_style.trackThickness), kCentred);
        m_skins[kHorizontalBackground].draw(painter, track, frame, UISkinImage::kAllCells);
    }
    m_handleRect = handleRectForValue();
    if (m_tickMode != kNoTicks) {
        painter.setPen(m_style.tickPen);
        const UISkinImage& mark = m_skins[isVertical() ? kHorizontalThick : kVerticalThick];
        for (bool farSide : {false, true}) {
            for (const Point& at : tickPositions(farSide))
                mark.drawAt(painter, at, 0, UISkinImage::kAllCells);
        }
    }
    m_skins[handleSkin()].draw(painter, m_handleRect, frame, UISkinImage::kAllCells);
}

bool UISlider::stepTowards(const Point& point)
{
    const Size handle = handleSize();
    const int handleLength = isVertical() ? handle.height : handle.width;
    const int steps = std::max(range() / safeSingleStep(), 1);
    const int halfStep = ((axisLength() - handleLength) / steps) / 2;
    const int along = isVertical() ? point.y : point.x;
    const Rect handleNow = handleRectForValue();
    const int edge = isVertical() ? handleNow.y : handleNow.x;
    // Toward the start of the axis: down a horizontal slider, up a vertical.
    const int towardStart = isVertical() ? 1 : -1;
    if (along < edge - halfStep) {
        if (towardStart > 0 ? value() >= maximum() : value() <= minimum())
            return false;
        stepBy(towardStart);
        return true;
    }
    if (along > edge + halfStep) {
        if (towardStart > 0 ? value() <= minimum() : value() >= maximum())
            return false;
        stepBy(-towardStart);
        return true;
    }
    return false;
}

void UISlider::keyPressEvent(UIEvent* event)
{
    const int key = static_cast<UIKeyEvent*>(event)->key();
    const bool up = isVertical() ? isOneOf(key, kVerticalUpKeys) : isOneOf(key, kStepUpKeys);
    const bool down = isVertical() ? isOneOf(key, kVerticalDownKeys) : isOneOf(key, kStepDownKeys);
    if (up)
        stepUp();
    else if (down)
        stepDown();
}

void UISlider::mousePressEvent(UIEvent* event)
{
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() == kRightButton) {
        resetToDefault();
        return;
    }
    if (mouse->button() != kLeftButton)
        return;
    if (m_jumpToClick) {
        setValue(valueAt(mouse->position()));
        m_dragging = true;
        return;
    }
    if (mouse->modifiers() & kShift) {
        setValue(valueAt(mouse->position()));
        return;
    }
    if (handleRectForValue().contains(mouse->position())) {
        m_dragging = true;
        return;
    }
    if (stepTowards(mouse->position()))
        startTimer(kPageRepeatTimerId, kPageRepeatInterval);
}

void UISlider::mouseReleaseEvent(UIEvent*)
{
    killTimer(kPageRepeatTimerId);
    m_dragging = false;
    update();
}

void UISlider::mouseEnterEvent(UIEvent*)
{
    update();
}

void UISlider::mouseLeaveEvent(UIEvent*)
{
    update();
}

void UISlider::mouseMoveEvent(UIEvent* event)
{
    if (isMouseDown() && m_dragging)
        setValue(valueAt(static_cast<UIMouseEvent*>(event)->position()));
}

void UISlider::timerEvent(UIEvent* event)
{
    if (static_cast<UICustomEvent*>(event)->code() != kPageRepeatTimerId)
        return;
    if (!isMouseDown()) {
        killTimer(kPageRepeatTimerId);
        return;
    }
    const Point pointer = mapFromGlobal(UICursorHost::instance()->position());
    if (rect().contains(pointer))
        stepTowards(pointer);
}
