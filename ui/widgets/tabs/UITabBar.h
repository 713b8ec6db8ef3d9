#pragma once

#include "foundation/containers/List.h"
#include "foundation/signals/Signal.h"
#include "graphics/image/ImageSet.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/UIMargins.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/tabs/UITabBarItem.h"

class Painter;

// A strip of tabs drawn as one continuous skin: each tab draws its own slice
// of the item background, so the first visible tab carries the left edge,
// the last the right edge and those between only the middle. The strip is as
// wide as its tabs, at the top of the bar and centred across it.
class UITabBar : public UIWidget
{
public:
    enum Skin
    {
        kSeparator,
        kItemBackground,
        kSkinCount
    };
    static constexpr int kTextOnly = 0;
    static constexpr int kIconOnly = 1;
    static constexpr int kIconAndText = 2;
    // Skin frames of a tab.
    static constexpr int kNormalFrame = 0;
    static constexpr int kHoveredFrame = 1;
    static constexpr int kPressedFrame = 2;
    static constexpr int kDisabledFrame = 3;
    static constexpr int kCurrentFrame = 4;

    explicit UITabBar(UIWidget* parent);
    ~UITabBar() override;

    static UIStyleNames styleNames();

    // In exclusive mode the first tab added becomes current.
    void addTab(const ImageSet& icon, const String& text);
    void addTextTab(const String& text) { addTab(ImageSet(), text); }
    void removeTab(int index);
    int count() const { return m_tabs.count(); }
    bool isEmpty() const { return m_tabs.isEmpty(); }
    int visibleCount() const;
    // The first tab for an index below 1; null past the end.
    UITabBarItem* tab(int index) const;
    Rect tabRect(int index) const;

    void setTabText(int index, const String& text);
    String tabText(int index) const;
    void setTabIcon(int index, const ImageSet& icon);
    ImageSet tabIcon(int index) const;
    void setTabToolTip(int index, const String& text);
    String tabToolTip(int index) const;
    void setTabVisible(int index, bool on);
    bool isTabVisible(int index) const;
    void setTabEnabled(int index, bool on);
    void setTabSelectable(int index, bool on);
    void setTabUserData(int index, uint64_t value);
    void setTabFlag(int index, bool on);
    void setAllTabsSelectable(bool on);

    void setTabStyle(int style) { m_tabStyle = style; }
    int tabStyle() const { return m_tabStyle; }
    void setExclusive(bool on) { m_exclusive = on; }
    bool isExclusive() const { return m_exclusive; }
    int currentIndex() const { return m_currentIndex; }
    int hoveredIndex() const { return m_hoveredIndex; }
    void setCurrentIndex(int index);

    UITabBarItem* tabAt(const Point& point) const;
    int indexAt(const Point& point) const;

    // The width a visible tab takes, padding included.
    int tabWidth(const UITabBarItem& tab) const;
    // Stores each visible tab's rectangle in the strip; hidden tabs get the
    // empty one.
    void layoutTabs();
    // The skin frame a tab is drawn with now, and its slice of the strip's
    // skin (the current tab draws all its cells).
    int tabFrame(int index) const;
    uint32_t tabMask(int index) const;

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    String toolTip(const Point& point) const override;
    // The widget's own look over its rectangle; lays the tabs out first.
    void draw(Painter& painter);

    struct Style
    {
        FontDesc font;
        Pen foreground;
        Pen shadowForeground;
        Point shadowOffset;
        Pen disabledForeground;
        Pen disabledShadowForeground;
        int iconAndTextSpacing = 0;
        int itemSpacing = 0;
        int itemHorizontalShift = 0;
        int itemVerticalShift = 0;
        UIMargins itemPadding;
        int itemOverlapSize = 0;
        UIMargins padding;
        int minimumHeight = 0;
    };

    Signal currentChanged;
    Signal tabClicked;

protected:
    void paint(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void clickEvent(UIEvent* event) override;
    void mouseEnterEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void mouseMoveEvent(UIEvent* event) override;

private:
    Rect stripRect();
    void paintTab(Painter& painter, int index);
    void setHoveredIndex(int index);
    // Positions of the first and last visible tabs; -1 when none is.
    int firstVisible() const;
    int lastVisible() const;

    Style m_style;
    UISkinImage m_skins[kSkinCount];
    List<UITabBarItem*> m_tabs;
    int m_currentIndex = -1;
    int m_hoveredIndex = -1;
    int m_tabStyle = kTextOnly;
    bool m_exclusive = true;
    int m_stripAlignment = Rect::kAlignTop | Rect::kAlignHCenter;
};
