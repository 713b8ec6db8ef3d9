#include "tools/pak/SourceDateEpoch.h"

#include <cstdint>

namespace {

// 9999-12-31 23:59:59 UTC.
const int64_t kLastSecond = 253402300799;

} // namespace

DateTime sourceDateEpochTime(const char* text)
{
    if (!text || !*text)
        return DateTime();
    int64_t seconds = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9')
            return DateTime();
        seconds = seconds * 10 + (*p - '0');
        // Checked at every digit, so a long text cannot overflow the count.
        if (seconds > kLastSecond)
            return DateTime();
    }
    return DateTime(1970, 1, 1).addSeconds(seconds);
}
