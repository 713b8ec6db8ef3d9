#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/geometry/Rect.h"
#include "foundation/signals/Signal.h"
#include "foundation/time/Date.h"
#include "graphics/color/Color.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/UIMargins.h"
#include "ui/core/theme/UISkinImage.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

#include <vector>

class Painter;

// One month as a grid of day cells under an optional bar with the month's
// name, the year and two arrows, and an optional row of day names. Weekdays
// run 1 Monday to 7 Sunday; 6 and 7 are the weekend. Every setDate and every
// step emits dateChanged with a pointer to the calendar's date, even when
// the date stayed the same.
class UICalendar : public UIWidget
{
public:
    enum Skin
    {
        kLeftArrowSkin,
        kRightArrowSkin,
        kSkinCount
    };
    static constexpr int kColumns = 7;
    static constexpr int kRows = 6;

    explicit UICalendar(UIWidget* parent);

    static UIStyleNames styleNames();

    const Date& date() const { return m_date; }
    int year() const { return m_date.year(); }
    int month() const { return m_date.month(); }
    void setDate(const Date& date);
    // The day is clamped to the month's length.
    void setDate(int year, int month, int day);
    void setToday();
    // Each keeps the day, clamped to the month reached.
    void nextMonth();
    void previousMonth();
    void nextYear();
    void previousYear();

    void setSelectionEnabled(int enabled) { m_selectionEnabled = enabled; }
    int selectionEnabled() const { return m_selectionEnabled; }
    void setNavigationBarShown(bool on) { m_navigationBarShown = on; }
    bool isNavigationBarShown() const { return m_navigationBarShown; }
    void setDayHeaderShown(bool on) { m_dayHeaderShown = on; }
    bool isDayHeaderShown() const { return m_dayHeaderShown; }
    void setGridShown(bool on) { m_gridShown = on; }
    bool isGridShown() const { return m_gridShown; }
    // Monday first; a missing name shows as empty.
    void setDayNames(const StringList& names) { m_dayNames = names; }
    const StringList& dayNames() const { return m_dayNames; }
    void setMonthNames(const StringList& names) { m_monthNames = names; }
    const StringList& monthNames() const { return m_monthNames; }
    void setFirstDayOfWeek(int weekday);
    int firstDayOfWeek() const { return m_firstDayOfWeek; }
    // The column showing the weekday; -1 for none.
    int columnOfWeekday(int weekday) const;
    // The weekday of a column 0-6.
    int weekdayOfColumn(int column) const;

    // What the last paint laid out, which the next clicks use.
    const std::vector<Rect>& dayCells() const { return m_dayCells; }
    const Rect& leftArrowRect() const { return m_leftArrowRect; }
    const Rect& rightArrowRect() const { return m_rightArrowRect; }
    const Rect& todayRect() const { return m_todayRect; }

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;
    void setSkinImage(const UISkinImage& image, const String& name) override;
    // The widget's own look over its rectangle; records the cells.
    void draw(Painter& painter);

    struct CellLook
    {
        Pen foreground;
        Brush background;
    };
    struct Style
    {
        FontDesc font;
        int navigationBarHeight = 0;
        Brush navigationBarBackground;
        FontDesc navigationBarFont;
        UIMargins navigationBarPadding;
        int dayHeaderHeight = 0;
        Brush dayHeaderBackground;
        FontDesc dayHeaderFont;
        Size dayCellSize;
        CellLook defaultCell;
        CellLook selectedCell;
        CellLook weekendCell;
        // Today's cell is only framed, whatever fill a skin offers for it.
        Pen todayForeground;
        Color gridColor;
        Color gridBorderColor;
    };
    const Style& style() const { return m_style; }

    Signal dateChanged;

protected:
    void paint(UIEvent* event) override;
    void mousePressEvent(UIEvent* event) override;
    void clickEvent(UIEvent* event) override;
    void keyPressEvent(UIEvent* event) override;

private:
    static bool isWeekend(int weekday) { return weekday >= 6; }
    static String nameAt(const StringList& names, int index);
    void changeDate(const Date& date);
    void moveByDays(int days);
    int drawNavigationBar(Painter& painter);
    int drawDayHeader(Painter& painter, int top);
    void drawDays(Painter& painter, int top);
    void drawGridLines(Painter& painter);
    const CellLook& lookOfDay(int day, int column) const;

    Style m_style;
    UISkinImage m_skins[kSkinCount];
    int m_selectionEnabled = 1;
    bool m_navigationBarShown = true;
    bool m_dayHeaderShown = true;
    bool m_gridShown = true;
    StringList m_dayNames;
    StringList m_monthNames;
    int m_firstDayOfWeek = 1;
    Date m_date;
    std::vector<Rect> m_dayCells;
    Rect m_leftArrowRect;
    Rect m_rightArrowRect;
    Rect m_todayRect;
};
