#pragma once

// The layout and size values a skin gives the toolkit, by id. Unknown names
// in a skin map to kUnknownMetric.
enum UIMetric
{
    kUnknownMetric = 0,
    kLayoutLeftMargin = 1,
    kLayoutTopMargin = 2,
    kLayoutRightMargin = 3,
    kLayoutBottomMargin = 4,
    kLayoutHorizontalSpacing = 5,
    kLayoutVerticalSpacing = 6,
    kSmallIconSize = 7,
    kMediumIconSize = 8,
    kLargeIconSize = 9,
    kTextCursorWidth = 10,
    kMessageBoxIconSize = 11,
    kWindowDesktopPadding = 12,
};
