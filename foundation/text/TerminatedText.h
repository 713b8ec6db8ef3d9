#pragma once

// Functions on zero-terminated texts. Every one accepts null pointers: a null
// text sorts before any other text, and two nulls are equal.

int wideLength(const char16_t* text);
int narrowLength(const char* text);
// Bytes without the terminator, two per unit.
int wideByteSize(const char16_t* text);
bool isNonEmptyWide(const char16_t* text);
bool isNonEmptyNarrow(const char* text);

// Three-way comparisons: -1, 0 or 1 by unsigned unit.
int wideCompare(const char16_t* a, const char16_t* b);
int wideCompareNoCase(const char16_t* a, const char16_t* b);
// At most count units; the result is the difference of the units where the
// comparison stopped (0 for count < 1).
int wideCompareN(const char16_t* a, const char16_t* b, int count);
int wideCompareNoCaseN(const char16_t* a, const char16_t* b, int count);
int narrowCompare(const char* a, const char* b);
int narrowCompareNoCase(const char* a, const char* b);

// The first occurrence of needle in text, or null; an empty needle is found at
// the start.
const char16_t* wideFind(const char16_t* text, const char16_t* needle);
const char* narrowFind(const char* text, const char* needle);

// Case flag 1 matches exactly; any other value also matches the unit's other
// case. -1 (or false, or 0) for a null or empty text or a zero unit.
int wideIndexOfChar(const char16_t* text, char16_t unit, int caseFlag);
int narrowIndexOfChar(const char* text, char value, int caseFlag);
bool wideContainsChar(const char16_t* text, char16_t unit, int caseFlag);
bool narrowContainsChar(const char* text, char value, int caseFlag);
int wideCountChar(const char16_t* text, char16_t unit, int caseFlag);
