#pragma once

#include "foundation/text/String.h"

#include <cstdint>

class CollectionModel;

// The five figures of the statistics window as the user reads them,
// translated in the window's context.
class StatisticsTexts
{
public:
    // "^ Movies".
    static String count(int movies);
    // "^ Hours ^ Minutes (^ Days)" from a total in minutes; the days count
    // whole hours only, with one decimal that is dropped when it is ".0".
    static String runningTime(int64_t minutes);
    // The days part alone, from whole hours.
    static String days(int hours);
    // The number followed by "%".
    static String completeness(int percent);

    static constexpr const char16_t* kContext = u"StatisticsWindow";
};
