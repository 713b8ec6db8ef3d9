#include "foundation/text/CharClass.h"

#include "foundation/platform/PlatformText.h"
#include "foundation/text/TerminatedText.h"

namespace {

uint16_t latinType(char16_t unit)
{
    if (unit < 0x20 || (unit >= 0x7F && unit < 0xA0)) {
        if (unit >= 0x09 && unit <= 0x0D)
            return kCharControl | kCharSpace;
        return kCharControl;
    }
    if (unit == 0x20 || unit == 0xA0)
        return kCharSpace | kCharBlank;
    if (unit >= '0' && unit <= '9')
        return kCharDigit | kCharHexDigit;
    if (unit >= 'A' && unit <= 'Z')
        return kCharAlpha | kCharUpper | (unit <= 'F' ? kCharHexDigit : 0);
    if (unit >= 'a' && unit <= 'z')
        return kCharAlpha | kCharLower | (unit <= 'f' ? kCharHexDigit : 0);
    if (unit == 0xAA || unit == 0xB5 || unit == 0xBA)
        return kCharAlpha | kCharLower;
    if (unit == 0xD7 || unit == 0xF7 || unit < 0xC0)
        return kCharPunct;
    if (unit < 0xDF)
        return kCharAlpha | kCharUpper;
    return kCharAlpha | kCharLower;
}

uint16_t charType(char16_t unit)
{
    if (unit < 0x100)
        return latinType(unit);
    if (unit == 0xFFFF)
        return 0;
    return platformCharType(unit);
}

bool hasType(char16_t unit, uint16_t mask)
{
    return (charType(unit) & mask) != 0;
}

} // namespace

bool isSpaceChar(char16_t unit)
{
    return hasType(unit, kCharSpace);
}

bool isDigitChar(char16_t unit)
{
    return hasType(unit, kCharDigit);
}

bool isAlphaChar(char16_t unit)
{
    return hasType(unit, kCharAlpha);
}

bool isLowerChar(char16_t unit)
{
    uint16_t type = charType(unit);
    return (type & kCharAlpha) && (type & kCharLower);
}

bool isUpperChar(char16_t unit)
{
    uint16_t type = charType(unit);
    return (type & kCharAlpha) && (type & kCharUpper);
}

bool isAlphaNumericChar(char16_t unit)
{
    return hasType(unit, kCharAlpha | kCharDigit);
}

bool isPrintableChar(char16_t unit)
{
    return hasType(unit, kCharAlpha | kCharDigit | kCharPunct | kCharBlank);
}

bool isAsciiLetter(char16_t unit)
{
    return isAsciiLower(unit) || isAsciiUpper(unit);
}

bool isAsciiLower(char16_t unit)
{
    return unit >= 'a' && unit <= 'z';
}

bool isAsciiUpper(char16_t unit)
{
    return unit >= 'A' && unit <= 'Z';
}

bool isAsciiLetterOrDigit(char16_t unit)
{
    return isAsciiLetter(unit) || isDigitChar(unit);
}

int hexDigitValue(char16_t unit)
{
    if (unit >= '0' && unit <= '9')
        return unit - '0';
    if (unit >= 'a' && unit <= 'f')
        return unit - 'a' + 10;
    if (unit >= 'A' && unit <= 'F')
        return unit - 'A' + 10;
    return -1;
}

char16_t toUpperUnit(char16_t unit)
{
    if (unit < 0x80)
        return isAsciiLower(unit) ? static_cast<char16_t>(unit - 0x20) : unit;
    platformUpperInPlace(&unit, 1);
    return unit;
}

char16_t toLowerUnit(char16_t unit)
{
    if (unit < 0x80)
        return isAsciiUpper(unit) ? static_cast<char16_t>(unit + 0x20) : unit;
    platformLowerInPlace(&unit, 1);
    return unit;
}

void toUpperInPlace(char16_t* text)
{
    platformUpperInPlace(text, wideLength(text));
}

void toLowerInPlace(char16_t* text)
{
    platformLowerInPlace(text, wideLength(text));
}

char narrowToUpper(char value)
{
    return (value >= 'a' && value <= 'z') ? static_cast<char>(value - 0x20) : value;
}

char narrowToLower(char value)
{
    return (value >= 'A' && value <= 'Z') ? static_cast<char>(value + 0x20) : value;
}

void narrowUpperInPlace(char* text)
{
    for (; text && *text; ++text)
        *text = narrowToUpper(*text);
}

void narrowLowerInPlace(char* text)
{
    for (; text && *text; ++text)
        *text = narrowToLower(*text);
}
