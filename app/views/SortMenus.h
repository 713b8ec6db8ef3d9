#pragma once

// The two sort menus hold 0 "Ascending", 1 "Descending", a separator, then
// 3 "Title", 4 "Release Date", 5 "Date Added", 6 "Date Modified".
namespace sortmenus {

constexpr int kAscendingItem = 0;
constexpr int kDescendingItem = 1;
constexpr int kFirstModeItem = 3;
constexpr int kModeCount = 4;

struct Checks
{
    // -1 when the order is neither ascending (1) nor descending (2).
    int orderItem = -1;
    // -1 when the mode is not one of the four.
    int modeItem = -1;
};

struct Choice
{
    int mode = 0;
    int order = 1;
};

// The items checked for the model's sort state.
Checks checksFor(int mode, int order);
// What choosing item index sorts by: the order is ascending when the
// ascending item is checked (the menu has already moved its check), the
// mode that of the item or else the current one.
Choice choiceFor(int index, bool ascendingChecked, int currentMode);

} // namespace sortmenus
