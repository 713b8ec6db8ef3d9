#include "foundation/platform/SystemClock.h"

#include "foundation/text/String.h"

namespace {

void appendTwoDigits(String& text, int value)
{
    text.appendChar(static_cast<char16_t>(u'0' + value / 10 % 10));
    text.appendChar(static_cast<char16_t>(u'0' + value % 10));
}

} // namespace

String SystemClock::utcOffsetText()
{
    int offset = utcOffsetMinutes();
    String text;
    if (offset != 0)
        text.appendChar(offset > 0 ? u'+' : u'-');
    int minutes = offset < 0 ? -offset : offset;
    appendTwoDigits(text, minutes / 60);
    text.appendChar(u':');
    appendTwoDigits(text, minutes % 60);
    return text;
}
