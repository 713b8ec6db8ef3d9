#include "foundation/time/FixedToday.h"

#include "foundation/time/Date.h"

namespace {

Date& fixedDate()
{
    static Date date;
    return date;
}

} // namespace

void FixedToday::fix(const Date& date)
{
    fixedDate() = date;
}

void FixedToday::release()
{
    fixedDate() = Date();
}

Date FixedToday::date()
{
    return fixedDate();
}
