#pragma once

#include "foundation/signals/Signal.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/UIMargins.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/items/UIHeaderSection.h"

#include <vector>

class Painter;

// The row of column headings above a table. Sections are resized by
// dragging their right edges, report clicks (the table sorts by them), can
// size themselves to their titles, and the last visible one can stretch
// over the width that remains.
class UIHeader : public UIWidget
{
public:
    enum Skin
    {
        kBackgroundSkin,
        kItemBackgroundSkin,
        kItemSeparatorSkin,
        kSortIndicatorUpSkin,
        kSortIndicatorDownSkin,
        kSortIndicatorAscSkin,
        kSortIndicatorDescSkin,
        kSkinCount
    };
    static constexpr int kResizeCursor = 18;
    static constexpr int kResizeOneWayCursor = 20;

    explicit UIHeader(UIWidget* parent);
    ~UIHeader() override;

    static UIStyleNames styleNames();

    UIHeaderSection* addSection(const String& text, int width, bool resizable);
    // The first section for an index below 1; null past the end.
    UIHeaderSection* section(int index) const;
    int sectionAt(const Point& point) const;
    int sectionAtX(int x) const { return sectionAt(Point(x, height() / 2)); }
    UIHeaderSection* sectionItemAt(const Point& point) const;
    UIHeaderSection* lastVisibleSection() const;
    int count() const { return int(m_sections.size()); }
    int visibleCount() const;
    int hiddenCount() const { return count() - visibleCount(); }
    bool isValidIndex(int index) const { return index >= 0 && index < count(); }
    bool isSectionVisible(int index) const;
    bool isSectionHidden(int index) const { return isValidIndex(index) && !isSectionVisible(index); }

    void setSectionText(int index, const String& text);
    void setSectionVisible(int index, bool visible);
    void showSection(int index) { setSectionVisible(index, true); }
    void hideSection(int index) { setSectionVisible(index, false); }
    void setSectionWidth(int index, int width);
    void setStretchLastSection(bool on);
    bool stretchLastSection() const { return m_stretchLastSection; }
    void clearSortOrders();
    void autoSizeSections(int mode);
    void setSortIndicatorsShown(bool on);
    bool sortIndicatorsShown() const { return m_sortIndicatorsShown; }
    void setMinimumWidth(int width);
    int minimumWidth() const { return m_minimumWidth; }
    void setMinimumSectionWidth(int width);
    int minimumSectionWidth() const { return m_minimumSectionWidth; }
    int hoveredSection() const { return m_hoveredSection; }
    int resizeSection() const { return m_resizeSection; }
    int pressedSection() const { return m_pressedSection; }
    // Places every section from the scroll offset; hidden ones get no room.
    void layoutSections() const;
    // The skin frame a section's background is drawn with now.
    int sectionFrame(int index) const;

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    String toolTip(const Point& point) const override;
    void draw(Painter& painter);

    struct Style
    {
        FontDesc font;
        Pen foreground;
        Pen shadowForeground;
        Point shadowOffset;
        Pen disabledForeground;
        UIMargins padding;
        UIMargins itemPadding;
        int minimumHeight = 0;
    };
    const Style& style() const { return m_style; }

    Signal sectionResized;
    Signal sectionClicked;
    Signal visibleSectionCountChanged;

protected:
    void paint(UIEvent* event) override;
    void resizeEvent(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;

private:
    void applyStretch();
    bool hasIndicator(const UIHeaderSection& section) const;
    int lastVisibleIndex() const;
    void moveTo(const Point& position, uint32_t buttons);
    void setWidthOf(int index, int width);

    Style m_style;
    UISkinImage m_skins[kSkinCount];
    std::vector<UIHeaderSection*> m_sections;
    bool m_sortIndicatorsShown = true;
    int m_minimumWidth = 10;
    int m_minimumSectionWidth = 20;
    bool m_stretchLastSection = false;
    int m_hoveredSection = -1;
    int m_resizeSection = -1;
    int m_pressedSection = -1;
    int m_edgeZone = 5;
    int m_indicatorInset = 11;
};
