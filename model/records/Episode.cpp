#include "model/records/Episode.h"

String Episode::releaseDateText(const String& separator) const
{
    if (year == 0)
        return String();
    String text = String::fromInt(year);
    text.append(separator);
    if (month != 0)
        text.append(String::fromInt(month));
    text.append(separator);
    if (day != 0)
        text.append(String::fromInt(day));
    return text;
}
