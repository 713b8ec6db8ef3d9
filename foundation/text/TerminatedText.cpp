#include "foundation/text/TerminatedText.h"

#include "foundation/text/CharClass.h"

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

// Compares the null-ness of two texts; true when that decides the order.
template <typename Unit> bool compareNulls(const Unit* a, const Unit* b, int* result)
{
    if (a && b)
        return false;
    *result = (a ? 1 : 0) - (b ? 1 : 0);
    return true;
}

template <typename Unit, typename Fold> int compareFolded(const Unit* a, const Unit* b, int count, Fold fold)
{
    for (int i = 0; i < count; ++i) {
        unsigned ua = fold(a[i]);
        unsigned ub = fold(b[i]);
        if (ua != ub || ua == 0)
            return static_cast<int>(ua) - static_cast<int>(ub);
    }
    return 0;
}

const int kUnlimited = 0x7FFFFFFF;

char16_t sameUnit(char16_t unit)
{
    return unit;
}

unsigned char sameByte(char value)
{
    return static_cast<unsigned char>(value);
}

unsigned char upperByte(char value)
{
    return static_cast<unsigned char>(narrowToUpper(value));
}

// The two forms a case-blind search accepts for one unit.
struct UnitForms
{
    char16_t lower;
    char16_t upper;
    bool matches(char16_t unit) const { return unit == lower || unit == upper; }
};

UnitForms formsOf(char16_t unit, int caseFlag)
{
    if (caseFlag == 1)
        return {unit, unit};
    return {toLowerUnit(unit), toUpperUnit(unit)};
}

} // namespace

int wideLength(const char16_t* text)
{
    int length = 0;
    while (text && text[length])
        ++length;
    return length;
}

int narrowLength(const char* text)
{
    int length = 0;
    while (text && text[length])
        ++length;
    return length;
}

int wideByteSize(const char16_t* text)
{
    return wideLength(text) * 2;
}

bool isNonEmptyWide(const char16_t* text)
{
    return text && text[0];
}

bool isNonEmptyNarrow(const char* text)
{
    return text && text[0];
}

int wideCompare(const char16_t* a, const char16_t* b)
{
    int result = 0;
    if (compareNulls(a, b, &result))
        return result;
    return sign(compareFolded(a, b, kUnlimited, sameUnit));
}

int wideCompareNoCase(const char16_t* a, const char16_t* b)
{
    int result = 0;
    if (compareNulls(a, b, &result))
        return result;
    return sign(compareFolded(a, b, kUnlimited, toUpperUnit));
}

int wideCompareN(const char16_t* a, const char16_t* b, int count)
{
    int result = 0;
    if (compareNulls(a, b, &result))
        return result;
    return compareFolded(a, b, count, sameUnit);
}

int wideCompareNoCaseN(const char16_t* a, const char16_t* b, int count)
{
    int result = 0;
    if (compareNulls(a, b, &result))
        return result;
    return compareFolded(a, b, count, toUpperUnit);
}

int narrowCompare(const char* a, const char* b)
{
    int result = 0;
    if (compareNulls(a, b, &result))
        return result;
    return sign(compareFolded(a, b, kUnlimited, sameByte));
}

int narrowCompareNoCase(const char* a, const char* b)
{
    int result = 0;
    if (compareNulls(a, b, &result))
        return result;
    return sign(compareFolded(a, b, kUnlimited, upperByte));
}

const char16_t* wideFind(const char16_t* text, const char16_t* needle)
{
    if (!text || !needle)
        return nullptr;
    int needleLength = wideLength(needle);
    for (; *text; ++text) {
        if (compareFolded(text, needle, needleLength, sameUnit) == 0)
            return text;
    }
    return needleLength == 0 ? text : nullptr;
}

const char* narrowFind(const char* text, const char* needle)
{
    if (!text || !needle)
        return nullptr;
    int needleLength = narrowLength(needle);
    for (; *text; ++text) {
        if (compareFolded(text, needle, needleLength, sameByte) == 0)
            return text;
    }
    return needleLength == 0 ? text : nullptr;
}

int wideIndexOfChar(const char16_t* text, char16_t unit, int caseFlag)
{
    if (!text || unit == 0)
        return -1;
    UnitForms forms = formsOf(unit, caseFlag);
    for (int i = 0; text[i]; ++i) {
        if (forms.matches(text[i]))
            return i;
    }
    return -1;
}

int narrowIndexOfChar(const char* text, char value, int caseFlag)
{
    if (!text || value == 0)
        return -1;
    char lower = caseFlag == 1 ? value : narrowToLower(value);
    char upper = caseFlag == 1 ? value : narrowToUpper(value);
    for (int i = 0; text[i]; ++i) {
        if (text[i] == lower || text[i] == upper)
            return i;
    }
    return -1;
}

bool wideContainsChar(const char16_t* text, char16_t unit, int caseFlag)
{
    return wideIndexOfChar(text, unit, caseFlag) != -1;
}

bool narrowContainsChar(const char* text, char value, int caseFlag)
{
    return narrowIndexOfChar(text, value, caseFlag) != -1;
}

int wideCountChar(const char16_t* text, char16_t unit, int caseFlag)
{
    if (!text || unit == 0)
        return 0;
    UnitForms forms = formsOf(unit, caseFlag);
    int count = 0;
    for (int i = 0; text[i]; ++i) {
        if (forms.matches(text[i]))
            ++count;
    }
    return count;
}
