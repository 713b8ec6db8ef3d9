#pragma once

class UITableView;
class UIWidget;

// The list a dialog shows its rows in: the grey corner between the scroll
// bars, a scroll step of one 24-pixel row, all the room the parent gives it,
// and sorting by a click on a column. Columns and showing are the caller's.
UITableView* makeDialogTableView(UIWidget* parent);
