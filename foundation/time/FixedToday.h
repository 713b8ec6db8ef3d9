#pragma once

class Date;

// The clock's seam for the day: while a date is fixed, Date::today answers
// it (local and UTC alike), so that rules that depend on the day can be
// checked on a day of the caller's choosing.
class FixedToday
{
public:
    // The null date gives the clock back.
    static void fix(const Date& date);
    static void release();
    // The fixed date, or the null date when the clock answers.
    static Date date();
};
