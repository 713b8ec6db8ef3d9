#include "ui/widgets/splitter/UISplitterSeparator.h"

#include "graphics/paint/Painter.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/widgets/splitter/UISplitter.h"

#include <cstdlib>

namespace {

const char16_t* const kSkinNames[] = {u"UISplitterSeparator_HorizontalBackground",
                                      u"UISplitterSeparator_VerticalBackground",
                                      u"UISplitterSeparator_Gripper"};
const UIStyleField<UISplitterSeparator::Style> kFields[] = {
    {u"thickness", [](UISplitterSeparator::Style& s, const String& v) { s.thickness = parseStyleInt(v); }},
};

constexpr uint32_t kLeftButton = 1;
// Smaller moves are the jitter of a hand holding still.
constexpr int kMinimumMove = 2;
constexpr uint32_t kCentred = Rect::kAlignHCenter | Rect::kAlignVCenter;

} // namespace

UISplitterSeparator::UISplitterSeparator(int index, bool acrossColumns, UISplitter* splitter)
    : UIWidget(splitter), m_splitter(splitter), m_index(index)
{
    setStyleName(String(u"UISplitterSeparator"));
    setFlag(kTransparent, false);
    setAcrossColumns(acrossColumns);
}

UIStyleNames UISplitterSeparator::styleNames()
{
    return UIStyleNames{String(u"UISplitterSeparator"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

void UISplitterSeparator::setAcrossColumns(bool on)
{
    m_acrossColumns = on;
    if (on)
        setSizePolicy(UISizePolicy::kFixed, UISizePolicy::kPreferred);
    else
        setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kFixed);
    setCursor(UICursor(plainCursor()));
}

int UISplitterSeparator::blockedCursor(int along) const
{
    if (along > m_style.thickness)
        return m_acrossColumns ? kSplitLeft : kSplitTop;
    if (along < 0)
        return m_acrossColumns ? kSplitRight : kSplitBottom;
    return plainCursor();
}

Size UISplitterSeparator::sizeHint() const
{
    return Size(m_style.thickness, m_style.thickness);
}

void UISplitterSeparator::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UISplitterSeparator::setSkinImage(const UISkinImage& image, const String& name)
{
    const int index = skinImageIndex(kSkinNames, name);
    if (index >= 0)
        m_skins[index] = image;
}

void UISplitterSeparator::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UISplitterSeparator::draw(Painter& painter) const
{
    const bool stacked = m_splitter && m_splitter->isVertical();
    m_skins[stacked ? kHorizontalBackground : kVerticalBackground].draw(painter, rect(), 0,
                                                                        UISkinImage::kAllCells);
    m_skins[kGripper].drawAligned(painter, rect(), kCentred, 0, nullptr);
}

void UISplitterSeparator::mousePressEvent(UIEvent* event)
{
    const auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() != kLeftButton) {
        m_grabOffset = 0;
        return;
    }
    m_grabOffset = along(mouse->position()) - m_style.thickness / 2;
    m_dragging = true;
    // Where the drag starts: the first moves are measured from here.
    m_lastPointer = mapToParent(mouse->position());
    m_lastPosition = along(m_lastPointer) - m_grabOffset;
}

void UISplitterSeparator::mouseReleaseEvent(UIEvent*)
{
    m_dragging = false;
}

void UISplitterSeparator::mouseMoveEvent(UIEvent* event)
{
    if (!m_dragging || !m_splitter)
        return;
    const Point& local = static_cast<UIMouseEvent*>(event)->position();
    const Point pointer = mapToParent(local);
    const int position = along(pointer) - m_grabOffset;
    const bool far = std::abs(position - m_lastPosition) >= kMinimumMove;
    const bool pointerMoved = along(pointer) != along(m_lastPointer);
    m_lastPointer = pointer;
    if (!far || !pointerMoved)
        return;
    m_lastPosition = position;
    if (m_splitter->moveSeparator(m_index, position))
        setCursor(UICursor(plainCursor()));
    else
        setCursor(UICursor(blockedCursor(along(local))));
}
