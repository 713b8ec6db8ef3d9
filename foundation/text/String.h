#pragma once

#include <cstdarg>
#include <cstdint>

#include "foundation/containers/Array.h"

class ByteArray;
class StringList;

// The one text type of the system: an owned, growable run of UTF-16 code units
// that always keeps a terminating zero once it has a block. Counts and indexes
// are in code units. An empty String allocates nothing until it grows, and
// making it empty keeps its block for reuse.
//
// Case flags: 1 compares exactly, 0 ignores case. Split and join flags: 1
// skips empty items, 2 trims items.
class String
{
public:
    static constexpr int kIgnoreCase = 0;
    static constexpr int kCaseSensitive = 1;
    static constexpr int kSkipEmpty = 1;
    static constexpr int kTrimItems = 2;

    // The largest capacity a String may reach; requests beyond it fail.
    static constexpr int kMaxCapacity = 0x3FFFFFFF;

    String() = default;
    String(const char16_t* text);
    // count -1 reads up to the terminator; a null text, a text that starts
    // with a zero unit or a count below 1 gives an empty String.
    String(const char16_t* text, int count);
    String(char16_t unit, int count);
    String(const String& other);
    String(String&& other) noexcept;
    ~String();

    String& operator=(const String& other);
    String& operator=(String&& other) noexcept;
    String& operator=(const char16_t* text);

    // Frees the block; the String is empty and unallocated afterwards.
    void release();

    // "\r\n", the line end of the text writers.
    static const String& crlf();

    // Access. data() is null for an empty String; the index accessors do not
    // check their index.
    int length() const { return m_length; }
    int size() const { return m_length; }
    int capacity() const { return m_capacity; }
    bool isEmpty() const { return m_length == 0; }
    // True only for a String that never held a block: a caller that must tell
    // "never set" from "set to empty" asks this, never the comparisons.
    bool isNull() const { return m_data == nullptr; }
    const char16_t* data() const { return m_length > 0 ? m_data : nullptr; }
    char16_t* charAt(int index) { return m_data + index; }
    const char16_t* constCharAt(int index) const { return m_data + index; }
    char16_t at(int index) const { return m_data[index]; }
    char16_t first() const { return m_data[0]; }
    char16_t last() const { return m_data[m_length - 1]; }
    int byteSize() const { return m_length * 2; }
    int byteSizeWithTerminator() const { return m_length > 0 ? (m_length + 1) * 2 : 0; }

    // Assignment and growth.
    String& assign(const String& other);
    String& set(const String& other);
    String& assignCString(const char16_t* text);
    String& assignChars(const char16_t* text, int count);
    // Grows the block to hold at least n units; never shrinks. A request
    // beyond kMaxCapacity leaves the String as it was.
    String& reserve(int n);
    String& resize(int n);
    String& clear();

    // Appending and inserting. A change that would pass kMaxCapacity leaves
    // the String as it was.
    String& append(const String& other);
    String& add(const String& other);
    String& appendCString(const char16_t* text);
    String& appendChars(const char16_t* text, int count);
    String& appendChar(char16_t unit);
    String& appendNarrowChar(char value);
    String& appendRepeated(char16_t unit, int count);
    String& prependRepeated(char16_t unit, int count);
    String& insertChar(int position, char16_t unit);
    String& insert(int position, const String& other);

    // Removing. Positions and counts are clamped to the text.
    String& remove(int position, int count);
    String& removeChar(char16_t unit);
    String& removeAll(char16_t unit) { return removeChar(unit); }
    String& replaceRange(int position, int count, const String& other);

    static String concat(const String& a, const String& b);
    static String concatCString(const String& a, const char16_t* b);
    static String concatFromCString(const char16_t* a, const String& b);
    static String concatChar(const String& a, char16_t unit);
    static String concatCharFirst(char16_t unit, const String& a);

    // Equality compares every unit, embedded zeros included.
    static bool equals(const String& a, const String& b);
    static bool equalsReverse(const String& a, const String& b);
    // An empty String, a null text and an empty text are all equal.
    static bool equalsCString(const String& a, const char16_t* b);
    static bool cStringEquals(const char16_t* a, const String& b);
    static bool notEquals(const String& a, const String& b);
    static bool notEqualsCString(const String& a, const char16_t* b);
    static bool cStringNotEquals(const char16_t* a, const String& b);
    static bool equalsIgnoreCase(const String& a, const String& b);
    static bool equalsIgnoreCaseReverse(const String& a, const String& b);

    // Three-way comparisons of zero-terminated texts: -1, 0 or 1.
    static int compare(const char16_t* a, const char16_t* b);
    static int compareNoCase(const char16_t* a, const char16_t* b);
    static int compareCase(const char16_t* a, const char16_t* b, int caseFlag);
    static int compareFromAlphaNumeric(const char16_t* a, const char16_t* b);

    // Prefix, suffix and single-unit tests.
    bool startsWith(const String& prefix, int caseFlag) const;
    bool endsWith(const String& suffix, int caseFlag) const;
    bool startsWithChar(char16_t unit, int caseFlag) const;
    bool endsWithChar(char16_t unit, int caseFlag) const;
    bool containsChar(char16_t unit, int caseFlag) const;
    int countChar(char16_t unit, int caseFlag) const;
    // -1 when not found or when start lies outside the text.
    int indexOfChar(char16_t unit, int start, int caseFlag) const;
    int lastIndexOfChar(char16_t unit, int caseFlag) const;
    bool isBlank() const;
    bool hasOuterSpace() const;

    // Searching and replacing. find gives -1 when start lies past the end.
    int find(const String& needle, int start, int caseFlag) const;
    Array<int> findAll(const String& needle, int start, int caseFlag) const;
    bool contains(const String& needle, int caseFlag) const;
    int count(const String& needle, int caseFlag) const;
    String replace(const String& from, const String& to, int caseFlag) const;
    String replaceMany(const StringList& from, const StringList& to, int caseFlag) const;
    String replaceChar(char16_t from, char16_t to, int caseFlag) const;
    // A copy with the first '^' replaced by value.
    String arg(const String& value) const;

    // Substrings and white space. A negative start of mid counts from the end,
    // count -1 means to the end; both are clamped to the text.
    String mid(int start, int count) const;
    String midFrom(int start) const;
    String trim() const;
    String trimRight() const;
    String trimChars(const String& set) const;
    String trimLeftChars(const String& set) const;
    String collapseWhitespace() const;
    String toLower() const;
    String toUpper() const;

    static String join(const StringList& list, const String& separator, int flags);
    static StringList split(const String& text, const String& separator, int flags);
    StringList split(const String& separator, int flags) const;
    // -2 when either text is not a version number, else -1, 0 or 1.
    static int compareVersions(const String& a, const String& b);
    // printf-style formatting; the result is cut to 1022 units.
    static String format(const char16_t* format, ...);

    uint32_t hash() const;
    // The name hash of archives and translation ids: h = h * 101 + unit.
    uint64_t hash64() const;
    // Hexadecimal digits read in order, every other unit skipped.
    uint32_t hexToInt() const;
    uint64_t hexToInt64() const;

    // ---- Conversions to and from bytes, numbers and small text forms ----
    // (defined in StringConversions.cpp and StringNumbers.cpp)
    // Code pages: 1 the system ANSI code page, 2 ISO-8859-1, 3 UTF-8.
    static constexpr int kCodePageAnsi = 1;
    static constexpr int kCodePageLatin1 = 2;
    static constexpr int kCodePageUtf8 = 3;

    // Narrow text in the ANSI code page; null or "" gives an empty String.
    explicit String(const char* text);
    String(const char* text, int count);

    // False for an empty String or an unknown code page; no terminator.
    bool toBytes(int codePage, ByteArray& out) const;
    ByteArray toAnsi() const;
    ByteArray toLatin1() const;
    ByteArray toUtf8() const;
    // count -1 reads up to the first zero byte; empty on failure.
    static String fromNarrow(const void* bytes, int count = -1);
    static String fromLatin1(const void* bytes, int count = -1);
    static String fromUtf8(const void* bytes, int count = -1);

    // Decimal text after optional white space and sign; 0 without digits.
    // Values beyond the range saturate; toUInt negates a leading '-' modulo
    // 2^32 as the C library does.
    int toInt() const;
    uint32_t toUInt() const;
    int64_t toInt64() const;
    uint64_t toUInt64() const;
    // Read by the Locale; both '.' and ',' are taken as the decimal point.
    float toFloat() const;
    double toDouble() const;

    static String fromInt(int value);
    static String fromShort(short value);
    static String fromUInt(uint32_t value);
    static String fromUShort(uint16_t value);
    static String fromInt64(int64_t value);
    static String fromUInt64(uint64_t value);
    // 0 to 9 decimals with the Locale's decimal point; empty outside the
    // Locale's limits.
    static String fromFloat(float value, int decimals);
    static String fromDouble(double value, int decimals);
    // Lower-case hexadecimal without leading zeros.
    static String fromHexUInt(uint32_t value);
    static String fromHexUShort(uint16_t value);
    static String fromHexUInt64(uint64_t value);
    // "1"/"0" when numeric, else "true"/"false".
    static String fromBool(bool value, bool numeric);
    // "st", "nd", "rd" or "th"; empty for a negative number.
    static String ordinalSuffix(int number);
    static String fromRoman(const String& text);
    // The size as decimal text for bytes or with two decimals for KiB to TiB,
    // followed by a blank; unit (when not null) receives 0 to 4.
    static String formatByteSize(uint64_t size, int* unit);
    bool isBase64() const;
    // The reversible stored form of a text under a one-byte key. A text that
    // the key would turn into a zero unit cannot be stored: empty result.
    static String scramble(const String& text, uint8_t key);
    static String fromScrambled(const char16_t* stored, uint8_t key);

    // ---- Whole text files (defined in foundation/io/StringFiles.cpp) ----
    static constexpr int kEncodingAnsi = 1;
    static constexpr int kEncodingUtf8 = 3;
    static constexpr int kEncodingUtf16 = 4;
    // Encodings: 1 ANSI, 3 UTF-8, 4 UTF-16 little-endian; a leading byte-order
    // mark is skipped. A missing or unreadable file gives an empty result.
    static String fromTextFile(const String& path, int encoding);
    static String fromTextBuffer(const void* data, int size, int encoding);
    // UTF-16 when the block starts with its byte-order mark, else UTF-8 (a
    // UTF-8 mark is skipped).
    static String fromTextBuffer(const void* data, int size);
    static StringList readLinesFromTextFile(const String& path, int encoding);
    // Saves the text and a line end (nothing for an empty text) through a
    // temporary file, or appends; true only when every byte landed.
    bool saveToTextFile(const String& path, int encoding, bool append) const;
    // The same call under the name the windows use.
    bool saveToFile(const String& path, int encoding, bool append) const;
    static bool writeLinesToTextFile(const StringList& lines, const String& path, int encoding);

private:
    // Makes room for n units; false (and no change) when n is out of range.
    bool grow(int n);
    bool growBy(int added);
    void setLength(int n);
    int clampStart(int start) const;

    char16_t* m_data = nullptr;
    int m_length = 0;
    int m_capacity = 0;
};

// Formats into a caller's buffer of size units by the C library's counted wide
// formatting; the output always ends with a zero unit. Returns the number of
// units written, or -1 when the output did not fit or could not be formatted.
int wideFormatV(char16_t* buffer, int size, const char16_t* format, va_list args);

// String::compareVersions as a free function, the form the windows call.
inline int compareVersions(const String& a, const String& b)
{
    return String::compareVersions(a, b);
}

bool operator==(const String& a, const String& b);
bool operator!=(const String& a, const String& b);
String operator+(const String& a, const String& b);
String operator+(const String& a, const char16_t* b);
String operator+(const char16_t* a, const String& b);
String operator+(const String& a, char16_t unit);
String operator+(char16_t unit, const String& a);
String& operator+=(String& a, const String& b);
String& operator+=(String& a, const char16_t* b);
String& operator+=(String& a, char16_t unit);
