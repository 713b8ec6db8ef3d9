// Code-page decoding and number reading on arbitrary bytes: UTF-8 that has
// been decoded once must survive a round trip unchanged, and the number
// readers must stay within their types.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "foundation/data/Variant.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"
#include "foundation/time/Locale.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 16)
        return 0;
    int count = static_cast<int>(size);

    String text = String::fromUtf8(data, count);
    ByteArray encoded = text.toUtf8();
    String again = String::fromUtf8(encoded.data(), encoded.size());
    if (!String::equals(text, again))
        std::abort();

    String ansi = String::fromNarrow(data, count);
    String latin1 = String::fromLatin1(data, count);
    if (latin1.length() != ansi.length())
        std::abort();
    ByteArray latinBytes = latin1.toLatin1();
    if (latinBytes.size() != latin1.length())
        std::abort();
    ansi.toAnsi();

    bool ok = false;
    Locale::instance().toDouble(latin1, &ok);
    Variant value(latin1);
    value.toBool();
    value.toInt();
    value.toUInt64();
    Variant number(value.toDouble());
    number.toInt();
    number.toString();
    return 0;
}
