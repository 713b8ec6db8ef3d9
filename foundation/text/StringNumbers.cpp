// The members of String that read and write numbers and small text forms.
// Number text is our own code in every build, so both builds read and write
// the same digits (the C library's wide functions cannot read UTF-16 on
// every system).
#include "foundation/text/String.h"

#include "foundation/text/CharClass.h"
#include "foundation/text/NumberCast.h"
#include "foundation/time/Locale.h"

#include <cstdint>
#include <limits>

namespace {

// Decimal text as the C library's conversions read it: white space, one
// optional sign, then digits up to the first other unit.
struct DecimalText
{
    bool negative = false;
    uint64_t magnitude = 0;
    bool overflow = false;
};

DecimalText readDecimal(const String& text)
{
    DecimalText result;
    int i = 0;
    int length = text.length();
    while (i < length && isSpaceChar(text.at(i)))
        ++i;
    if (i < length && (text.at(i) == '+' || text.at(i) == '-'))
        result.negative = text.at(i++) == '-';
    const uint64_t limit = std::numeric_limits<uint64_t>::max();
    for (; i < length && text.at(i) >= '0' && text.at(i) <= '9'; ++i) {
        uint64_t digit = static_cast<uint64_t>(text.at(i) - '0');
        if (result.magnitude > (limit - digit) / 10)
            result.overflow = true;
        else
            result.magnitude = result.magnitude * 10 + digit;
    }
    return result;
}

// Signed conversions saturate at the limits of their type.
int64_t toSigned(const DecimalText& number, int64_t minimum, int64_t maximum)
{
    uint64_t negativeLimit = static_cast<uint64_t>(-(minimum + 1)) + 1;
    if (number.negative)
        return number.overflow || number.magnitude >= negativeLimit ? minimum
                                                                    : -static_cast<int64_t>(number.magnitude);
    if (number.overflow || number.magnitude > static_cast<uint64_t>(maximum))
        return maximum;
    return static_cast<int64_t>(number.magnitude);
}

// Unsigned conversions give the maximum on overflow and negate a value with
// a '-' modulo the type's range.
uint64_t toUnsigned(const DecimalText& number, uint64_t maximum)
{
    if (number.overflow || number.magnitude > maximum)
        return maximum;
    if (number.negative)
        return (0 - number.magnitude) & maximum;
    return number.magnitude;
}

String unsignedText(uint64_t value, bool negative)
{
    char16_t digits[24];
    int position = 24;
    do {
        digits[--position] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    if (negative)
        digits[--position] = u'-';
    return String(digits + position, 24 - position);
}

String signedText(int64_t value)
{
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    return unsignedText(magnitude, value < 0);
}

String hexText(uint64_t value)
{
    static const char kDigits[] = "0123456789abcdef";
    char16_t digits[16];
    int position = 16;
    do {
        digits[--position] = static_cast<char16_t>(kDigits[value & 0x0F]);
        value >>= 4;
    } while (value != 0);
    return String(digits + position, 16 - position);
}

int romanValue(char16_t unit)
{
    switch (unit) {
    case 'I':
    case 'i':
        return 1;
    case 'V':
    case 'v':
        return 5;
    case 'X':
    case 'x':
        return 10;
    case 'L':
    case 'l':
        return 50;
    case 'C':
    case 'c':
        return 100;
    case 'D':
    case 'd':
        return 500;
    case 'M':
    case 'm':
        return 1000;
    default:
        return 0;
    }
}

} // namespace

int String::toInt() const
{
    return static_cast<int>(toSigned(readDecimal(*this), INT32_MIN, INT32_MAX));
}

uint32_t String::toUInt() const
{
    return static_cast<uint32_t>(toUnsigned(readDecimal(*this), UINT32_MAX));
}

int64_t String::toInt64() const
{
    return toSigned(readDecimal(*this), INT64_MIN, INT64_MAX);
}

uint64_t String::toUInt64() const
{
    return toUnsigned(readDecimal(*this), UINT64_MAX);
}

float String::toFloat() const
{
    return narrowToFloat(toDouble());
}

double String::toDouble() const
{
    if (isEmpty())
        return 0.0;
    return Locale::instance().toDouble(*this, nullptr);
}

String String::fromInt(int value)
{
    return signedText(value);
}

String String::fromShort(short value)
{
    return signedText(value);
}

String String::fromUInt(uint32_t value)
{
    return unsignedText(value, false);
}

String String::fromUShort(uint16_t value)
{
    return unsignedText(value, false);
}

String String::fromInt64(int64_t value)
{
    return signedText(value);
}

String String::fromUInt64(uint64_t value)
{
    return unsignedText(value, false);
}

String String::fromFloat(float value, int decimals)
{
    return Locale::instance().formatDouble(value, decimals);
}

String String::fromDouble(double value, int decimals)
{
    return Locale::instance().formatDouble(value, decimals);
}

String String::fromHexUInt(uint32_t value)
{
    return hexText(value);
}

String String::fromHexUShort(uint16_t value)
{
    return hexText(value);
}

String String::fromHexUInt64(uint64_t value)
{
    return hexText(value);
}

String String::fromBool(bool value, bool numeric)
{
    if (numeric)
        return String(value ? u"1" : u"0");
    return String(value ? u"true" : u"false");
}

String String::ordinalSuffix(int number)
{
    if (number < 0)
        return String();
    // 11th, 12th, 13th, and so 111th and 212th too.
    if (number % 100 >= 11 && number % 100 <= 19)
        return String(u"th");
    switch (number % 10) {
    case 1:
        return String(u"st");
    case 2:
        return String(u"nd");
    case 3:
        return String(u"rd");
    default:
        return String(u"th");
    }
}

String String::fromRoman(const String& text)
{
    // Units that are not Roman digits are passed over.
    int64_t sum = 0;
    int previous = 0;
    for (int i = 0; i < text.length(); ++i) {
        int value = romanValue(text.at(i));
        if (value == 0)
            continue;
        if (value > previous)
            sum += value - 2 * previous;
        else
            sum += value;
        previous = value;
    }
    return fromInt64(sum);
}

String String::formatByteSize(uint64_t size, int* unit)
{
    static const double kUnitSizes[] = {1024.0, 1048576.0, 1073741824.0, 1099511627776.0};
    double value = static_cast<double>(size);
    int found = 0;
    for (int i = 3; i >= 0; --i) {
        if (value > kUnitSizes[i]) {
            found = i + 1;
            break;
        }
    }
    if (unit != nullptr)
        *unit = found;
    String text = found == 0 ? fromUInt64(size) : fromDouble(value / kUnitSizes[found - 1], 2);
    text.appendChar(u' ');
    return text;
}
