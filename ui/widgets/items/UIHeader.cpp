#include "ui/widgets/items/UIHeader.h"

#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Painter.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/layout/UISizePolicy.h"
#include "ui/core/theme/UICursor.h"
#include "ui/core/theme/UIStyleValues.h"

#include <algorithm>

namespace {

const char16_t* const kSkinNames[] = {u"UIHeader_Background",        u"UIHeader_ItemBackground",
                                      u"UIHeader_ItemSeparator",     u"UIHeader_SortIndicatorUp",
                                      u"UIHeader_SortIndicatorDown", u"UIHeader_SortIndicatorAsc",
                                      u"UIHeader_SortIndicatorDesc"};

using Style = UIHeader::Style;

const UIStyleField<Style> kFields[] = {
    {u"font", [](Style& s, const String& v) { s.font = parseStyleFont(v); }},
    {u"foreground", [](Style& s, const String& v) { s.foreground = parseStylePen(v); }},
    {u"shadowForeground", [](Style& s, const String& v) { s.shadowForeground = parseStylePen(v); }},
    {u"shadowOffset", [](Style& s, const String& v) { s.shadowOffset = parseStylePoint(v); }},
    {u"disabledForeground", [](Style& s, const String& v) { s.disabledForeground = parseStylePen(v); }},
    {u"padding", [](Style& s, const String& v) { s.padding = parseStyleMargins(v); }},
    {u"itemPadding", [](Style& s, const String& v) { s.itemPadding = parseStyleMargins(v); }},
    {u"minimumHeight", [](Style& s, const String& v) { s.minimumHeight = parseStyleInt(v); }},
};

constexpr uint32_t kLeftButton = 1;
constexpr uint32_t kLeftCentred = Rect::kAlignLeft | Rect::kAlignVCenter;

bool meets(const Rect& a, const Rect& b)
{
    return !a.intersected(b).isEmpty();
}

} // namespace

UIHeader::UIHeader(UIWidget* parent) : UIWidget(parent)
{
    setStyleName(String(u"UIHeader"));
    setFlag(kTransparent, false);
    setFlag(kHoverTracking, true);
    setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kFixed);
}

UIHeader::~UIHeader()
{
    for (UIHeaderSection* section : m_sections)
        delete section;
}

UIStyleNames UIHeader::styleNames()
{
    return UIStyleNames{String(u"UIHeader"), styleFieldNames(kFields), skinImageNames(kSkinNames)};
}

UIHeaderSection* UIHeader::addSection(const String& text, int width, bool resizable)
{
    auto* section = new UIHeaderSection(text);
    section->setWidth(width);
    section->setResizable(resizable);
    section->setResizeMinimum(m_minimumSectionWidth);
    m_sections.push_back(section);
    visibleSectionCountChanged.emitValue(intptr_t(visibleCount()));
    return section;
}

UIHeaderSection* UIHeader::section(int index) const
{
    if (m_sections.empty() || index >= count())
        return nullptr;
    return m_sections[size_t(std::max(index, 0))];
}

int UIHeader::visibleCount() const
{
    return int(std::count_if(m_sections.begin(), m_sections.end(),
                             [](UIHeaderSection* s) { return s->isVisible(); }));
}

bool UIHeader::isSectionVisible(int index) const
{
    return isValidIndex(index) && m_sections[size_t(index)]->isVisible();
}

int UIHeader::lastVisibleIndex() const
{
    for (int i = count() - 1; i >= 0; --i) {
        if (m_sections[size_t(i)]->isVisible())
            return i;
    }
    return -1;
}

UIHeaderSection* UIHeader::lastVisibleSection() const
{
    int index = lastVisibleIndex();
    return index >= 0 ? m_sections[size_t(index)] : nullptr;
}

void UIHeader::layoutSections() const
{
    int x = scrollX();
    for (UIHeaderSection* s : m_sections) {
        if (!s->isVisible())
            continue;
        s->setRect(Rect(x, 0, s->width(), m_style.minimumHeight));
        x += s->width();
    }
}

int UIHeader::sectionAt(const Point& point) const
{
    layoutSections();
    int first = -1;
    int last = lastVisibleIndex();
    for (int i = 0; i < count(); ++i) {
        const UIHeaderSection* s = m_sections[size_t(i)];
        if (!s->isVisible())
            continue;
        if (first < 0)
            first = i;
        const Rect& r = s->rect();
        if (!r.contains(point))
            continue;
        int left = i == first ? r.x : r.x + m_edgeZone;
        int right = i == last && m_stretchLastSection ? r.x + r.width : r.x + r.width - m_edgeZone - 1;
        return point.x >= left && point.x < right ? i : -1;
    }
    return -1;
}

UIHeaderSection* UIHeader::sectionItemAt(const Point& point) const
{
    int index = sectionAt(point);
    return index >= 0 ? m_sections[size_t(index)] : nullptr;
}

void UIHeader::setSectionText(int index, const String& text)
{
    if (!isValidIndex(index))
        return;
    m_sections[size_t(index)]->setText(text);
    update();
}

void UIHeader::setSectionVisible(int index, bool visible)
{
    if (!isValidIndex(index) || m_sections[size_t(index)]->isVisible() == visible)
        return;
    m_sections[size_t(index)]->setVisible(visible);
    applyStretch();
    update();
    visibleSectionCountChanged.emitValue(intptr_t(visibleCount()));
}

void UIHeader::setSectionWidth(int index, int width)
{
    if (!isValidIndex(index))
        return;
    UIHeaderSection* s = m_sections[size_t(index)];
    if ((m_stretchLastSection && index == lastVisibleIndex()) || !s->isResizable() || s->width() == width)
        return;
    s->setWidth(width);
    update();
    applyStretch();
    sectionResized.emitValue(intptr_t(index));
}

void UIHeader::applyStretch()
{
    int last = lastVisibleIndex();
    if (!m_stretchLastSection || last < 0 || !m_sections[size_t(last)]->isResizable())
        return;
    int others = 0;
    for (int i = 0; i < last; ++i) {
        if (m_sections[size_t(i)]->isVisible())
            others += m_sections[size_t(i)]->width();
    }
    int wanted = width() - others;
    UIHeaderSection* s = m_sections[size_t(last)];
    if (wanted <= 0 || wanted == s->width())
        return;
    s->setWidth(wanted);
    update();
    sectionResized.emitValue(intptr_t(visibleCount() - 1));
}

void UIHeader::setStretchLastSection(bool on)
{
    m_stretchLastSection = on;
    if (on)
        applyStretch();
}

void UIHeader::clearSortOrders()
{
    for (UIHeaderSection* s : m_sections)
        s->setSortOrder(0);
}

bool UIHeader::hasIndicator(const UIHeaderSection& s) const
{
    return m_sortIndicatorsShown && s.sortType() != 0 && s.sortOrder() != 0;
}

void UIHeader::setWidthOf(int index, int width)
{
    UIHeaderSection* s = m_sections[size_t(index)];
    int before = s->width();
    s->setWidth(width);
    if (s->width() != before)
        sectionResized.emitValue(intptr_t(index));
}

void UIHeader::autoSizeSections(int mode)
{
    if (mode == 0) {
        for (int i = 0; i + 1 < count(); ++i) {
            UIHeaderSection* s = m_sections[size_t(i)];
            if (s->isVisible() && s->isResizable() && s->resizeMinimum() > 0)
                setWidthOf(i, std::max(s->resizeMinimum(), s->minimumWidth()));
        }
    } else if (mode == 1 || mode == 2) {
        FontMetrics metrics(m_style.font, nullptr);
        int last = lastVisibleIndex();
        for (int i = 0; i < last; ++i) {
            UIHeaderSection* s = m_sections[size_t(i)];
            if (!s->isVisible() || !s->isResizable())
                continue;
            int inset = hasIndicator(*s) ? m_indicatorInset : m_style.itemPadding.left;
            int title =
                s->text().isEmpty() ? 0 : metrics.textWidth(s->text().data(), s->text().length(), false);
            setWidthOf(i, std::max(inset + 1 + title + m_style.itemPadding.right, s->minimumWidth()));
        }
    }
    applyStretch();
    update();
}

void UIHeader::setSortIndicatorsShown(bool on)
{
    m_sortIndicatorsShown = on;
    update();
}

void UIHeader::setMinimumWidth(int width)
{
    m_minimumWidth = width;
    for (UIHeaderSection* s : m_sections)
        s->setMinimumWidth(std::max(s->minimumWidth(), width));
}

void UIHeader::setMinimumSectionWidth(int width)
{
    m_minimumSectionWidth = width;
    for (UIHeaderSection* s : m_sections)
        s->setResizeMinimum(std::max(s->minimumWidth(), width));
}

int UIHeader::sectionFrame(int index) const
{
    if (index == m_hoveredSection && index == m_pressedSection)
        return 2;
    return index == m_hoveredSection || index == m_resizeSection ? 1 : 0;
}

Size UIHeader::sizeHint() const
{
    int total = 0;
    for (UIHeaderSection* s : m_sections)
        total += s->isVisible() ? s->width() : 0;
    return Size(std::max(total, 2 * m_edgeZone + 20), m_style.minimumHeight);
}

void UIHeader::setStyleProperty(const String& name, const String& value)
{
    applyStyleField(kFields, m_style, name, value);
}

void UIHeader::setSkinImage(const UISkinImage& image, const String& name)
{
    int index = skinImageIndex(kSkinNames, name);
    if (index >= 0)
        m_skins[index] = image;
}

String UIHeader::toolTip(const Point& point) const
{
    const UIHeaderSection* s = sectionItemAt(point);
    if (!s)
        return String();
    if (!s->toolTip().isEmpty())
        return s->toolTip();
    return rect().containsRect(s->textRect()) && !s->isElided() ? String() : s->text();
}

void UIHeader::resizeEvent(UIEvent*)
{
    applyStretch();
}

void UIHeader::paint(UIEvent*)
{
    Painter painter(paintTarget());
    draw(painter);
}

void UIHeader::draw(Painter& painter)
{
    m_skins[kBackgroundSkin].draw(painter, rect(), 0, UISkinImage::kAllCells);
    layoutSections();
    int last = lastVisibleIndex();
    painter.setFont(m_style.font);
    for (int i = 0; i < count(); ++i) {
        UIHeaderSection* s = m_sections[size_t(i)];
        s->setDrawnText(Rect(), false);
        if (!s->isVisible() || !meets(s->rect(), rect()))
            continue;
        const Rect& at = s->rect();
        m_skins[kItemBackgroundSkin].draw(painter, at, sectionFrame(i), UISkinImage::kAllCells);
        bool indicator = hasIndicator(*s);
        if (indicator) {
            const UISkinImage& skin =
                m_skins[s->sortOrder() == 1 ? kSortIndicatorDownSkin : kSortIndicatorUpSkin];
            skin.drawAligned(painter, at, kLeftCentred, 0, nullptr);
        }
        if (!s->text().isEmpty()) {
            int left = indicator ? m_indicatorInset : m_style.itemPadding.left;
            Rect title(at.x + left, at.y, at.width - left - m_style.itemPadding.right - 1, at.height);
            if (isEnabled()) {
                painter.setPen(m_style.shadowForeground);
                painter.drawText(s->text(),
                                 Rect(title.x + m_style.shadowOffset.x, title.y + m_style.shadowOffset.y,
                                      title.width, title.height),
                                 uint32_t(s->alignment()), 2, true, nullptr);
            }
            painter.setPen(isEnabled() ? m_style.foreground : m_style.disabledForeground);
            Rect drawn;
            bool elided = painter.drawText(s->text(), title, uint32_t(s->alignment()), 2, true, &drawn);
            s->setDrawnText(drawn, elided);
        }
        if (!(m_stretchLastSection && i == last))
            m_skins[kItemSeparatorSkin].drawAt(painter, Point(at.x + at.width - 1, at.y + 2), 0,
                                               UISkinImage::kAllCells);
    }
}

void UIHeader::moveTo(const Point& position, uint32_t buttons)
{
    m_hoveredSection = sectionAt(position);
    update();
    if (isMouseDown()) {
        if (m_resizeSection < 0 || buttons != kLeftButton)
            return;
        UIHeaderSection* s = m_sections[size_t(m_resizeSection)];
        int wanted = std::max(position.x + 2 - s->rect().x, s->minimumWidth());
        setCursor(UICursor(wanted <= s->minimumWidth() ? kResizeOneWayCursor : kResizeCursor));
        setSectionWidth(m_resizeSection, wanted);
        return;
    }
    m_resizeSection = -1;
    int last = lastVisibleIndex();
    for (int i = 0; i < count(); ++i) {
        const UIHeaderSection* s = m_sections[size_t(i)];
        if (!s->isVisible())
            continue;
        if (m_stretchLastSection && i == last)
            break;
        int right = s->rect().x + s->rect().width;
        if (s->isResizable() && right - m_edgeZone - 1 <= position.x && position.x < right + m_edgeZone) {
            m_resizeSection = i;
            break;
        }
    }
    if (m_resizeSection < 0) {
        setCursor(UICursor(kArrowCursor));
        return;
    }
    const UIHeaderSection* s = m_sections[size_t(m_resizeSection)];
    setCursor(UICursor(s->width() == s->minimumWidth() ? kResizeOneWayCursor : kResizeCursor));
}

void UIHeader::mouseMoveEvent(UIEvent* event)
{
    auto* mouse = static_cast<UIMouseEvent*>(event);
    moveTo(mouse->position(), mouse->buttons());
}

void UIHeader::mousePressEvent(UIEvent* event)
{
    auto* mouse = static_cast<UIMouseEvent*>(event);
    m_pressedSection = mouse->button() == kLeftButton ? sectionAt(mouse->position()) : -1;
    update();
}

void UIHeader::mouseReleaseEvent(UIEvent* event)
{
    auto* mouse = static_cast<UIMouseEvent*>(event);
    if (!rect().contains(mouse->position())) {
        m_hoveredSection = m_resizeSection = m_pressedSection = -1;
        update();
        return;
    }
    moveTo(mouse->position(), mouse->buttons());
    if (m_pressedSection >= 0 && sectionAt(mouse->position()) == m_pressedSection)
        sectionClicked.emitValue(intptr_t(m_pressedSection));
    m_pressedSection = -1;
    update();
}

void UIHeader::mouseLeaveEvent(UIEvent*)
{
    if (!isMouseDown()) {
        setCursor(UICursor(kArrowCursor));
        m_resizeSection = -1;
    }
    m_hoveredSection = -1;
    update();
}
