#include "model/records/RecordFormat.h"

namespace {

int32_t g_timeFormat = RecordFormat::kTimeAutomatic;

String& datePattern()
{
    static String pattern(u"yyyy/MM/dd");
    return pattern;
}

} // namespace

int32_t RecordFormat::timeFormat()
{
    return g_timeFormat;
}

void RecordFormat::setTimeFormat(int32_t format)
{
    g_timeFormat = format;
}

String RecordFormat::dateFormat()
{
    return datePattern();
}

void RecordFormat::setDateFormat(const String& pattern)
{
    datePattern() = pattern;
}
