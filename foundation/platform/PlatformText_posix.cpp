// The native build's own character data. It covers the scripts our tests and
// tools meet (ASCII, Latin-1, Latin Extended-A, Greek, Cyrillic) and the common
// space and punctuation units; everything else has no case and no class.
#include "foundation/platform/PlatformText.h"

#include <cstddef>

namespace {

enum Parity
{
    kAll,
    kOddOnly,
    kEvenOnly
};

// Units first..last (filtered by parity) map to unit + delta.
struct CaseRange
{
    char16_t first;
    char16_t last;
    int delta;
    Parity parity;
};

// clang-format off
const CaseRange kToUpper[] = {
    {0x0061, 0x007A, -0x20, kAll},     {0x00B5, 0x00B5, 0x039C - 0x00B5, kAll},
    {0x00E0, 0x00F6, -0x20, kAll},     {0x00F8, 0x00FE, -0x20, kAll},
    {0x00FF, 0x00FF, 0x0178 - 0x00FF, kAll}, {0x0101, 0x012F, -1, kOddOnly},
    {0x0131, 0x0131, 0x0049 - 0x0131, kAll}, {0x0133, 0x0137, -1, kOddOnly},
    {0x013A, 0x0148, -1, kEvenOnly},   {0x014B, 0x0177, -1, kOddOnly},
    {0x017A, 0x017E, -1, kEvenOnly},   {0x017F, 0x017F, 0x0053 - 0x017F, kAll},
    {0x03AC, 0x03AC, 0x0386 - 0x03AC, kAll}, {0x03AD, 0x03AF, -0x25, kAll},
    {0x03B1, 0x03C1, -0x20, kAll},     {0x03C3, 0x03CB, -0x20, kAll},     {0x03CC, 0x03CC, 0x038C - 0x03CC, kAll},
    {0x03CD, 0x03CE, -0x3F, kAll},     {0x0430, 0x044F, -0x20, kAll},
    {0x0450, 0x045F, -0x50, kAll},     {0x0461, 0x0481, -1, kOddOnly},
    {0x048B, 0x04BF, -1, kOddOnly},    {0x04C2, 0x04CE, -1, kEvenOnly},
    {0x04CF, 0x04CF, 0x04C0 - 0x04CF, kAll}, {0x04D1, 0x04FF, -1, kOddOnly},
};

const CaseRange kToLower[] = {
    {0x0041, 0x005A, 0x20, kAll},      {0x00C0, 0x00D6, 0x20, kAll},
    {0x00D8, 0x00DE, 0x20, kAll},      {0x0100, 0x012E, 1, kEvenOnly},
    {0x0130, 0x0130, 0x0069 - 0x0130, kAll}, {0x0132, 0x0136, 1, kEvenOnly},
    {0x0139, 0x0147, 1, kOddOnly},     {0x014A, 0x0176, 1, kEvenOnly},
    {0x0178, 0x0178, 0x00FF - 0x0178, kAll}, {0x0179, 0x017D, 1, kOddOnly},
    {0x0386, 0x0386, 0x03AC - 0x0386, kAll}, {0x0388, 0x038A, 0x25, kAll},
    {0x038C, 0x038C, 0x03CC - 0x038C, kAll}, {0x038E, 0x038F, 0x3F, kAll},
    {0x0391, 0x03A1, 0x20, kAll},      {0x03A3, 0x03AB, 0x20, kAll},
    {0x0400, 0x040F, 0x50, kAll},      {0x0410, 0x042F, 0x20, kAll},
    {0x0460, 0x0480, 1, kEvenOnly},    {0x048A, 0x04BE, 1, kEvenOnly},
    {0x04C0, 0x04C0, 0x04CF - 0x04C0, kAll}, {0x04C1, 0x04CD, 1, kOddOnly},
    {0x04D0, 0x04FE, 1, kEvenOnly},
};
// clang-format on

bool parityMatches(char16_t unit, Parity parity)
{
    if (parity == kOddOnly)
        return (unit & 1) != 0;
    if (parity == kEvenOnly)
        return (unit & 1) == 0;
    return true;
}

template <size_t N> char16_t mapUnit(const CaseRange (&table)[N], char16_t unit)
{
    for (const CaseRange& range : table) {
        if (unit >= range.first && unit <= range.last && parityMatches(unit, range.parity))
            return static_cast<char16_t>(unit + range.delta);
    }
    return unit;
}

// Lower-case letters that the system maps to no other unit (final sigma
// among them).
bool isCaselessLetter(char16_t unit)
{
    return unit == 0x0138 || unit == 0x0149 || unit == 0x0390 || unit == 0x03B0 || unit == 0x03C2;
}

uint16_t spaceType(char16_t unit)
{
    if (unit == 0x1680 || (unit >= 0x2000 && unit <= 0x200A) || unit == 0x202F || unit == 0x205F ||
        unit == 0x3000)
        return kCharSpace | kCharBlank;
    if (unit == 0x2028 || unit == 0x2029)
        return kCharSpace;
    return 0;
}

} // namespace

uint16_t platformCharType(char16_t unit)
{
    if (mapUnit(kToLower, unit) != unit)
        return kCharAlpha | kCharUpper;
    if (mapUnit(kToUpper, unit) != unit || isCaselessLetter(unit))
        return kCharAlpha | kCharLower;
    if (unit >= 0xFF10 && unit <= 0xFF19)
        return kCharDigit;
    if ((unit >= 0x2010 && unit <= 0x2027) || (unit >= 0x2030 && unit <= 0x205E))
        return kCharPunct;
    return spaceType(unit);
}

void platformUpperInPlace(char16_t* text, int count)
{
    for (int i = 0; text && i < count; ++i)
        text[i] = mapUnit(kToUpper, text[i]);
}

void platformLowerInPlace(char16_t* text, int count)
{
    for (int i = 0; text && i < count; ++i)
        text[i] = mapUnit(kToLower, text[i]);
}
