#pragma once

#include "foundation/text/String.h"

#include <cstdint>

// The user's choices that the records' text formatters read on every call:
// the view's running-time format and the model's date pattern. The view and
// the collection model set them when they load their settings.
class RecordFormat
{
public:
    enum TimeFormat
    {
        kTimeAutomatic = 0,
        kTimeMinutes = 1,
        kTimeHoursAndMinutes = 2
    };

    static int32_t timeFormat();
    static void setTimeFormat(int32_t format);

    // Date pattern tokens of the Locale; "yyyy/MM/dd" until set.
    static String dateFormat();
    static void setDateFormat(const String& pattern);
};
