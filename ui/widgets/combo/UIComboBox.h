#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/signals/Signal.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"
#include "graphics/image/ImageSet.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/UIMargins.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/combo/UIComboBoxItem.h"

#include <cstdint>
#include <functional>
#include <vector>

class Painter;
class UILineEdit;
class UIList;
class UIListView;
class UIWindow;

// The drop-down selector: a button-like field showing the current item and
// a popup list below it to choose another. It can keep its items sorted,
// show icons and separators, be edited through an inner line edit, and find
// items by typing their first letters.
// currentIndexChanged follows every change of the current index (-1
// included); highlighted reports the item under the pointer in the popup.
class UIComboBox : public UIWidget
{
public:
    enum Skin
    {
        kBackgroundSkin,
        kArrowSkin,
        kSkinCount
    };
    static constexpr int kReopenTimerId = 100016;
    static constexpr int kScrollBarTimerId = 100017;
    // Typed letters further apart start a new search.
    static constexpr int64_t kTypeAheadPause = 2000;
    // The window flag that keeps the owner's window looking active.
    static constexpr uint32_t kKeepActiveFlag = 4;
    static constexpr uint32_t kNoActivateFlag = 8;
    static constexpr uint32_t kPopupWindowFlags = 512 | 16 | 8 | 1;

    explicit UIComboBox(UIWidget* parent);
    ~UIComboBox() override;

    static UIStyleNames styleNames();

    // Appending: the first item that is not a separator becomes current, and
    // a sorted box puts the item in its place.
    UIComboBoxItem* addItem(const String& text);
    UIComboBoxItem* addIconItem(const String& text, const Image& image);
    UIComboBoxItem* addIconItem(const Image& image);
    // Takes ownership.
    void appendItem(UIComboBoxItem* item);
    void addSeparator();
    void addItems(const StringList& texts);
    // An item before the current one moves the current index down with it,
    // without a signal; removing the current item leaves none current.
    void removeItem(int index);
    void clear();

    int count() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    // Null past the end; the setters do nothing there.
    UIComboBoxItem* item(int index) const;
    String itemText(int index) const;
    void setItemText(int index, const String& text);
    void setItemIcon(int index, const ImageSet& icon);

    int currentIndex() const { return m_currentIndex; }
    UIComboBoxItem* currentItem() const { return item(m_currentIndex); }
    String currentText() const { return itemText(m_currentIndex); }
    // Ignored for an index below -1 or past the end, and for the current one.
    void setCurrentIndex(int index);

    // -1 for an empty text or list, or no match.
    int findText(const String& text, int caseSensitive) const;
    int findTextPrefix(const String& text, int caseSensitive) const;
    bool setCurrentText(const String& text, int caseSensitive);
    // The first item with that tag, user value or base item text becomes
    // current; nothing when none has it.
    void setCurrentTag(int tag);
    void setCurrentUserData(uint64_t value);
    void setCurrentItemText(const String& text);

    void setSorted(bool on);
    bool isSorted() const { return m_sorted; }
    // Editable, the inner line edit shows and edits the current text.
    void setEditable(bool on);
    bool isEditable() const { return m_editable; }
    UILineEdit* lineEdit() const { return m_lineEdit; }
    void setLineEditText(const String& text);
    void clearLineEdit();
    void setWheelEnabled(bool on) { m_wheelEnabled = on; }
    bool isWheelEnabled() const { return m_wheelEnabled; }
    void setMaxVisibleItems(int count) { m_maxVisibleItems = count < 1 ? 1 : count; }
    int maxVisibleItems() const { return m_maxVisibleItems; }
    // What a right click makes current, by display text.
    void setDefaultText(const String& text) { m_defaultText = text; }
    const String& defaultText() const { return m_defaultText; }

    virtual void showPopup();
    virtual void hidePopup();
    bool isPopupVisible() const;
    // The popup, made on first need: it is a system window of its own, and
    // most boxes of a window are never opened.
    UIWindow* popup();
    UIListView* popupView();
    UIList* popupList();
    // Whether a press on the field may open the popup now.
    bool mayReopen() const { return m_reopen; }

    // Where a popup of that size goes below (or above) the field at
    // fieldRect, both on the screen, on the monitor's rectangle; an empty
    // monitor leaves it below the field.
    static Point popupPosition(const Rect& fieldRect, const Size& popup, const Rect& monitor);
    // The clock type-ahead measures its pause with, in milliseconds.
    void setClock(std::function<int64_t()> clock) { m_clock = std::move(clock); }

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    String toolTip(const Point& point) const override;
    // The widget's own look over its rectangle; remembers whether the text
    // was elided.
    void draw(Painter& painter);
    bool wasElided() const { return m_elided; }
    int backgroundFrame() const;

    struct Style
    {
        FontDesc font;
        Pen foreground;
        Pen disabledForeground;
        int minimumHeight = 0;
        int minimumWidth = 0;
        // 0 or less: no limit.
        int maximumWidth = 0;
        int spacing = 0;
        UIMargins padding;
        UIMargins popupPadding;
        Brush popupBackground;
    };
    const Style& style() const { return m_style; }

    Signal currentIndexChanged;
    Signal highlighted;

protected:
    void paint(UIEvent* event) override;
    void keyPressEvent(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void mouseReleaseEvent(UIEvent* event) override;
    void clickEvent(UIEvent* event) override;
    void wheelEvent(UIEvent* event) override;
    void mouseEnterEvent(UIEvent* event) override;
    void mouseLeaveEvent(UIEvent* event) override;
    void timerEvent(UIEvent* event) override;

private:
    static Rect monitorRectAt(const Point& point);
    void buildPopup();
    void afterAppend(UIComboBoxItem* item);
    void placeByText(UIComboBoxItem* item);
    bool isInOrder() const;
    void sortItems();
    void setCurrentSilently(UIComboBoxItem* item);
    int indexOf(const UIComboBoxItem* item) const;
    int findItem(const std::function<bool(const UIComboBoxItem&)>& matches) const;
    void fillPopupList();
    void followInPopup();
    void typeAhead(const String& text);
    void stepBy(int step);
    void onCurrentIndexChanged();
    void onListRelease(UIEvent* event);
    void onListKey(UIEvent* event);
    void onListMove(UIEvent* event);
    void onListFocusOut(UIEvent* event);
    void closeAndGuardReopen();
    void placeLineEdit();
    // The widest display text in the field's font; stops at the first that
    // reaches enough, unless enough is negative.
    int widestTextWidth(int enough) const;
    void onLineEditFocusOut();
    void onLineEditWheel(UIEvent* event);

    Style m_style;
    UISkinImage m_skins[kSkinCount];
    int m_currentIndex = -1;
    bool m_sorted = false;
    bool m_editable = false;
    bool m_wheelEnabled = true;
    int m_maxVisibleItems = 10;
    bool m_reopen = true;
    std::vector<UIComboBoxItem*> m_items;
    UILineEdit* m_lineEdit = nullptr;
    UIWindow* m_popup = nullptr;
    UIListView* m_listView = nullptr;
    UIList* m_list = nullptr;
    String m_typeAhead;
    int64_t m_lastTyped = 0;
    bool m_elided = false;
    String m_defaultText;
    std::function<int64_t()> m_clock;
};
