#include "foundation/text/String.h"

#include <cstddef>
#include <cstring>
#include <cwchar>
#include <functional>
#include <vector>

#include "foundation/containers/StringList.h"
#include "foundation/platform/PlatformText.h"
#include "foundation/text/CharClass.h"
#include "foundation/text/TerminatedText.h"

namespace {

// Growth beyond a request is capped at this many units, so a huge text does
// not double its memory at once.
const int kGrowthStep = 0x80000;

void copyUnits(char16_t* target, const char16_t* source, int count)
{
    if (count > 0)
        std::memmove(target, source, static_cast<size_t>(count) * sizeof(char16_t));
}

bool pointsInto(const char16_t* pointer, const char16_t* block, int units)
{
    std::less_equal<const char16_t*> notAfter;
    return block && notAfter(block, pointer) && std::less<const char16_t*>()(pointer, block + units);
}

// Exact search of needle in text from start, without any special rules.
int indexOfUnits(const char16_t* text, int length, const char16_t* needle, int needleLength, int start)
{
    if (needleLength < 1 || start < 0)
        return -1;
    for (int i = start; i <= length - needleLength; ++i) {
        if (text[i] == needle[0] &&
            std::memcmp(text + i, needle, static_cast<size_t>(needleLength) * sizeof(char16_t)) == 0)
            return i;
    }
    return -1;
}

// A unit matches exactly, or, when case is ignored, in either of its cases.
struct UnitMatcher
{
    UnitMatcher(char16_t unit, int caseFlag)
        : lower(caseFlag == 1 ? unit : toLowerUnit(unit)), upper(caseFlag == 1 ? unit : toUpperUnit(unit))
    {
    }
    bool matches(char16_t unit) const { return unit == lower || unit == upper; }

    char16_t lower;
    char16_t upper;
};

bool containsUnit(const String& set, char16_t unit)
{
    for (int i = 0; i < set.length(); ++i) {
        if (set.at(i) == unit)
            return true;
    }
    return false;
}

bool unitsEqualUpper(const char16_t* a, const char16_t* b, int count)
{
    for (int i = 0; i < count; ++i) {
        if (toUpperUnit(a[i]) != toUpperUnit(b[i]))
            return false;
    }
    return true;
}

bool unitsEqual(const char16_t* a, const char16_t* b, int count)
{
    return count < 1 || std::memcmp(a, b, static_cast<size_t>(count) * sizeof(char16_t)) == 0;
}

// The item that join and split take for one part under their flags.
String trimmedIfFlagged(const String& text, int flags)
{
    if ((flags & String::kTrimItems) && text.hasOuterSpace())
        return text.trim();
    return text;
}

bool isVersionText(const String& text)
{
    for (int i = 0; i < text.length(); ++i) {
        char16_t unit = text.at(i);
        if (unit != '.' && (unit < '0' || unit > '9'))
            return false;
    }
    return true;
}

// A run of decimal digits as a signed 32-bit number, saturating at the top.
int versionNumber(const String& part)
{
    int64_t value = 0;
    for (int i = 0; i < part.length(); ++i) {
        value = value * 10 + (part.at(i) - '0');
        if (value > 0x7FFFFFFF)
            return 0x7FFFFFFF;
    }
    return static_cast<int>(value);
}

Array<int> versionNumbers(const String& text)
{
    Array<int> numbers;
    StringList parts = String::split(text, String(u"."), 0);
    for (StringList::Node* node = parts.first(); node; node = node->next)
        numbers.append(versionNumber(node->value));
    return numbers;
}

// A character of a 32-bit wchar_t text as one unit; beyond U+FFFF it is the
// replacement character.
char16_t toUtf16Unit(uint32_t character)
{
    return character > 0xFFFF ? char16_t(0xFFFD) : static_cast<char16_t>(character);
}

} // namespace

String::String(const char16_t* text)
{
    assignChars(text, -1);
}

String::String(const char16_t* text, int count)
{
    if (!text || text[0] == 0)
        return;
    assignChars(text, count);
}

String::String(char16_t unit, int count)
{
    appendRepeated(unit, count);
}

String::String(const String& other)
{
    assignChars(other.m_data, other.m_length);
}

String::String(String&& other) noexcept
    : m_data(other.m_data), m_length(other.m_length), m_capacity(other.m_capacity)
{
    other.m_data = nullptr;
    other.m_length = 0;
    other.m_capacity = 0;
}

String::~String()
{
    delete[] m_data;
}

String& String::operator=(const String& other)
{
    return assign(other);
}

String& String::operator=(String&& other) noexcept
{
    if (this == &other)
        return *this;
    delete[] m_data;
    m_data = other.m_data;
    m_length = other.m_length;
    m_capacity = other.m_capacity;
    other.m_data = nullptr;
    other.m_length = 0;
    other.m_capacity = 0;
    return *this;
}

String& String::operator=(const char16_t* text)
{
    return assignCString(text);
}

void String::release()
{
    delete[] m_data;
    m_data = nullptr;
    m_length = 0;
    m_capacity = 0;
}

const String& String::crlf()
{
    static const String lineEnd(u"\r\n");
    return lineEnd;
}

bool String::grow(int n)
{
    if (n <= m_capacity)
        return true;
    if (n > kMaxCapacity)
        return false;
    int64_t wanted = n;
    if (m_capacity > 0) {
        int64_t doubled = wanted * 2;
        int64_t stepped = wanted + kGrowthStep;
        wanted = doubled < stepped ? doubled : stepped;
        if (wanted > kMaxCapacity)
            wanted = kMaxCapacity;
    }
    char16_t* block = new char16_t[static_cast<size_t>(wanted) + 1];
    block[wanted] = 0;
    copyUnits(block, m_data, m_length);
    block[m_length] = 0;
    delete[] m_data;
    m_data = block;
    m_capacity = static_cast<int>(wanted);
    return true;
}

bool String::growBy(int added)
{
    int64_t total = static_cast<int64_t>(m_length) + added;
    if (added < 0 || total > kMaxCapacity)
        return false;
    return grow(static_cast<int>(total));
}

void String::setLength(int n)
{
    m_length = n;
    if (m_data)
        m_data[n] = 0;
}

int String::clampStart(int start) const
{
    if (start < 0)
        return 0;
    return start > m_length ? m_length : start;
}

String& String::assign(const String& other)
{
    return assignChars(other.m_data, other.m_length);
}

String& String::set(const String& other)
{
    return assign(other);
}

String& String::assignCString(const char16_t* text)
{
    return assignChars(text, -1);
}

String& String::assignChars(const char16_t* text, int count)
{
    if (count == -1)
        count = wideLength(text);
    if (!text || count < 1) {
        clear();
        return *this;
    }
    if (count > kMaxCapacity)
        return *this;
    if (count > m_capacity) {
        // The source cannot lie in our block when it is longer than the block.
        m_length = 0;
        grow(count);
    }
    copyUnits(m_data, text, count);
    setLength(count);
    return *this;
}

String& String::reserve(int n)
{
    grow(n);
    return *this;
}

String& String::resize(int n)
{
    if (n <= 0) {
        clear();
        return *this;
    }
    if (n <= m_length) {
        setLength(n);
        return *this;
    }
    if (!grow(n))
        return *this;
    std::memset(m_data + m_length, 0, static_cast<size_t>(n - m_length) * sizeof(char16_t));
    setLength(n);
    return *this;
}

String& String::clear()
{
    if (m_length > 0)
        setLength(0);
    return *this;
}

String& String::append(const String& other)
{
    return appendChars(other.m_data, other.m_length);
}

String& String::add(const String& other)
{
    return append(other);
}

String& String::appendCString(const char16_t* text)
{
    return appendChars(text, -1);
}

String& String::appendChars(const char16_t* text, int count)
{
    if (count == -1)
        count = wideLength(text);
    if (!text || count < 1)
        return *this;
    // Appending a part of ourselves: find the source again after growing.
    ptrdiff_t offset = pointsInto(text, m_data, m_capacity + 1) ? text - m_data : -1;
    if (!growBy(count))
        return *this;
    if (offset >= 0)
        text = m_data + offset;
    copyUnits(m_data + m_length, text, count);
    setLength(m_length + count);
    return *this;
}

String& String::appendChar(char16_t unit)
{
    return appendRepeated(unit, 1);
}

String& String::appendNarrowChar(char value)
{
    // Bytes above 0x7F are taken as Latin-1.
    return appendChar(static_cast<char16_t>(static_cast<unsigned char>(value)));
}

String& String::appendRepeated(char16_t unit, int count)
{
    if (count < 1 || !growBy(count))
        return *this;
    for (int i = 0; i < count; ++i)
        m_data[m_length + i] = unit;
    setLength(m_length + count);
    return *this;
}

String& String::prependRepeated(char16_t unit, int count)
{
    if (count < 1 || !growBy(count))
        return *this;
    copyUnits(m_data + count, m_data, m_length);
    for (int i = 0; i < count; ++i)
        m_data[i] = unit;
    setLength(m_length + count);
    return *this;
}

String& String::insertChar(int position, char16_t unit)
{
    return insert(position, String(unit, 1));
}

String& String::insert(int position, const String& other)
{
    if (other.isEmpty())
        return *this;
    if (&other == this)
        return insert(position, String(other));
    position = clampStart(position);
    int tail = m_length - position;
    if (!growBy(other.m_length))
        return *this;
    copyUnits(m_data + position + other.m_length, m_data + position, tail);
    copyUnits(m_data + position, other.m_data, other.m_length);
    setLength(m_length + other.m_length);
    return *this;
}

String& String::remove(int position, int count)
{
    if (m_length > 0 && count == m_length)
        return clear();
    if (position < 0 || position >= m_length || count < 1)
        return *this;
    if (count > m_length - position)
        count = m_length - position;
    copyUnits(m_data + position, m_data + position + count, m_length - position - count);
    setLength(m_length - count);
    return *this;
}

String& String::removeChar(char16_t unit)
{
    if (isEmpty() || indexOfUnits(m_data, m_length, &unit, 1, 0) < 0)
        return *this;
    char16_t* block = new char16_t[static_cast<size_t>(m_length) + 1];
    int kept = 0;
    for (int i = 0; i < m_length; ++i) {
        if (m_data[i] != unit)
            block[kept++] = m_data[i];
    }
    block[kept] = 0;
    delete[] m_data;
    m_data = block;
    m_capacity = m_length;
    m_length = kept;
    return *this;
}

String& String::replaceRange(int position, int count, const String& other)
{
    if (other.isEmpty() || position < 0 || position >= m_length || count < 1)
        return *this;
    if (&other == this)
        return replaceRange(position, count, String(other));
    if (count > m_length - position)
        count = m_length - position;
    int tail = m_length - position - count;
    int64_t newLength = static_cast<int64_t>(m_length) - count + other.m_length;
    if (newLength > kMaxCapacity || !grow(static_cast<int>(newLength)))
        return *this;
    copyUnits(m_data + position + other.m_length, m_data + position + count, tail);
    copyUnits(m_data + position, other.m_data, other.m_length);
    setLength(static_cast<int>(newLength));
    return *this;
}

String String::concat(const String& a, const String& b)
{
    int64_t total = static_cast<int64_t>(a.m_length) + b.m_length;
    String result;
    if (total > kMaxCapacity || !result.grow(static_cast<int>(total)))
        return String();
    result.append(a);
    result.append(b);
    return result;
}

String String::concatCString(const String& a, const char16_t* b)
{
    return concat(a, String(b));
}

String String::concatFromCString(const char16_t* a, const String& b)
{
    return concat(String(a), b);
}

String String::concatChar(const String& a, char16_t unit)
{
    return concat(a, String(unit, 1));
}

String String::concatCharFirst(char16_t unit, const String& a)
{
    return concat(String(unit, 1), a);
}

bool String::equals(const String& a, const String& b)
{
    if (a.m_length != b.m_length)
        return false;
    if (a.m_length == 0)
        return true;
    if (a.first() != b.first() || a.last() != b.last())
        return false;
    return unitsEqual(a.m_data, b.m_data, a.m_length);
}

bool String::equalsReverse(const String& a, const String& b)
{
    if (a.m_length != b.m_length)
        return false;
    for (int i = a.m_length - 1; i >= 0; --i) {
        if (a.m_data[i] != b.m_data[i])
            return false;
    }
    return true;
}

bool String::equalsCString(const String& a, const char16_t* b)
{
    // Callers test emptiness by comparing with "": an empty String, a null
    // text and an empty text all count as the same empty text.
    if (!b)
        return a.isEmpty();
    const char16_t* text = a.m_data;
    for (int i = 0; i < a.m_length; ++i) {
        if (b[i] == 0 || b[i] != text[i])
            return false;
    }
    return b[a.m_length] == 0;
}

bool String::cStringEquals(const char16_t* a, const String& b)
{
    return equalsCString(b, a);
}

bool String::notEquals(const String& a, const String& b)
{
    return !equals(a, b);
}

bool String::notEqualsCString(const String& a, const char16_t* b)
{
    return !equalsCString(a, b);
}

bool String::cStringNotEquals(const char16_t* a, const String& b)
{
    return !equalsCString(b, a);
}

bool String::equalsIgnoreCase(const String& a, const String& b)
{
    if (a.m_length != b.m_length)
        return false;
    for (int i = 0; i < a.m_length; ++i) {
        if (toLowerUnit(a.m_data[i]) != toLowerUnit(b.m_data[i]))
            return false;
    }
    return true;
}

bool String::equalsIgnoreCaseReverse(const String& a, const String& b)
{
    if (a.m_length != b.m_length)
        return false;
    for (int i = a.m_length - 1; i >= 0; --i) {
        if (toLowerUnit(a.m_data[i]) != toLowerUnit(b.m_data[i]))
            return false;
    }
    return true;
}

int String::compare(const char16_t* a, const char16_t* b)
{
    return wideCompare(a, b);
}

int String::compareNoCase(const char16_t* a, const char16_t* b)
{
    return wideCompareNoCase(a, b);
}

int String::compareCase(const char16_t* a, const char16_t* b, int caseFlag)
{
    return caseFlag == 1 ? wideCompare(a, b) : wideCompareNoCase(a, b);
}

int String::compareFromAlphaNumeric(const char16_t* a, const char16_t* b)
{
    while (a && *a && !isAlphaNumericChar(*a))
        ++a;
    while (b && *b && !isAlphaNumericChar(*b))
        ++b;
    return wideCompareNoCase(a, b);
}

bool String::startsWith(const String& prefix, int caseFlag) const
{
    if (isEmpty() || prefix.isEmpty() || prefix.m_length > m_length)
        return false;
    if (caseFlag == 1)
        return unitsEqual(m_data, prefix.m_data, prefix.m_length);
    return unitsEqualUpper(m_data, prefix.m_data, prefix.m_length);
}

bool String::endsWith(const String& suffix, int caseFlag) const
{
    if (isEmpty() || suffix.isEmpty() || suffix.m_length > m_length)
        return false;
    const char16_t* tail = m_data + m_length - suffix.m_length;
    if (caseFlag == 1)
        return unitsEqual(tail, suffix.m_data, suffix.m_length);
    return unitsEqualUpper(tail, suffix.m_data, suffix.m_length);
}

bool String::startsWithChar(char16_t unit, int caseFlag) const
{
    if (isEmpty())
        return false;
    return caseFlag == 1 ? first() == unit : toLowerUnit(first()) == toLowerUnit(unit);
}

bool String::endsWithChar(char16_t unit, int caseFlag) const
{
    if (isEmpty())
        return false;
    return caseFlag == 1 ? last() == unit : toLowerUnit(last()) == toLowerUnit(unit);
}

bool String::containsChar(char16_t unit, int caseFlag) const
{
    return indexOfChar(unit, 0, caseFlag) != -1;
}

int String::countChar(char16_t unit, int caseFlag) const
{
    if (isEmpty() || unit == 0)
        return 0;
    UnitMatcher matcher(unit, caseFlag);
    int found = 0;
    for (int i = 0; i < m_length; ++i) {
        if (matcher.matches(m_data[i]))
            ++found;
    }
    return found;
}

int String::indexOfChar(char16_t unit, int start, int caseFlag) const
{
    if (isEmpty() || unit == 0)
        return -1;
    UnitMatcher matcher(unit, caseFlag);
    for (int i = start < 0 ? 0 : start; i < m_length; ++i) {
        if (matcher.matches(m_data[i]))
            return i;
    }
    return -1;
}

int String::lastIndexOfChar(char16_t unit, int caseFlag) const
{
    if (unit == 0)
        return -1;
    UnitMatcher matcher(unit, caseFlag);
    for (int i = m_length - 1; i >= 0; --i) {
        if (matcher.matches(m_data[i]))
            return i;
    }
    return -1;
}

bool String::isBlank() const
{
    if (isEmpty())
        return false;
    for (int i = 0; i < m_length; ++i) {
        if (!isSpaceChar(m_data[i]))
            return false;
    }
    return true;
}

bool String::hasOuterSpace() const
{
    return !isEmpty() && (isSpaceChar(first()) || isSpaceChar(last()));
}

int String::find(const String& needle, int start, int caseFlag) const
{
    if (isEmpty() || needle.isEmpty())
        return -1;
    if (caseFlag != 1)
        return toLower().find(needle.toLower(), start, 1);
    if (needle.m_length > m_length)
        return -1;
    // A needle as long as the text can only stand at 0, which a search
    // starting further on has passed: a loop moving its start forward must end.
    if (needle.m_length == m_length)
        return start <= 0 && equals(*this, needle) ? 0 : -1;
    return indexOfUnits(m_data, m_length, needle.m_data, needle.m_length, start < 0 ? 0 : start);
}

Array<int> String::findAll(const String& needle, int start, int caseFlag) const
{
    Array<int> found;
    if (isEmpty() || needle.m_length > m_length)
        return found;
    if (caseFlag != 1)
        return toLower().findAll(needle.toLower(), start, 1);
    int position = find(needle, start, 1);
    while (position >= 0) {
        found.append(position);
        int next = position + needle.m_length;
        if (next >= m_length)
            break;
        position = indexOfUnits(m_data, m_length, needle.m_data, needle.m_length, next);
    }
    return found;
}

bool String::contains(const String& needle, int caseFlag) const
{
    return find(needle, 0, caseFlag) != -1;
}

int String::count(const String& needle, int caseFlag) const
{
    return findAll(needle, 0, caseFlag).count();
}

String String::replace(const String& from, const String& to, int caseFlag) const
{
    if (from.isEmpty() || from.m_length > m_length)
        return *this;
    Array<int> positions = findAll(from, 0, caseFlag);
    if (positions.isEmpty())
        return *this;
    int64_t newLength = m_length + static_cast<int64_t>(to.m_length - from.m_length) * positions.count();
    if (newLength <= 0 || newLength > kMaxCapacity)
        return String();
    String result;
    result.grow(static_cast<int>(newLength));
    int copied = 0;
    for (int i = 0; i < positions.count(); ++i) {
        result.appendChars(m_data + copied, positions[i] - copied);
        result.append(to);
        copied = positions[i] + from.m_length;
    }
    result.appendChars(m_data + copied, m_length - copied);
    return result;
}

String String::replaceMany(const StringList& from, const StringList& to, int caseFlag) const
{
    if (isEmpty())
        return String();
    String result(*this);
    StringList::Node* fromNode = from.first();
    StringList::Node* toNode = to.first();
    for (; fromNode && toNode; fromNode = fromNode->next, toNode = toNode->next)
        result = result.replace(fromNode->value, toNode->value, caseFlag);
    return result;
}

String String::replaceChar(char16_t from, char16_t to, int caseFlag) const
{
    String result(*this);
    UnitMatcher matcher(from, caseFlag);
    for (int i = 0; i < result.m_length; ++i) {
        if (matcher.matches(result.m_data[i]))
            result.m_data[i] = to;
    }
    return result;
}

String String::arg(const String& value) const
{
    if (isEmpty())
        return String();
    int marker = indexOfChar('^', 0, 1);
    if (marker < 0)
        return *this;
    String result;
    result.grow(m_length - 1 + value.m_length);
    result.appendChars(m_data, marker);
    result.append(value);
    result.appendChars(m_data + marker + 1, m_length - marker - 1);
    return result;
}

String String::mid(int start, int count) const
{
    if (isEmpty())
        return String();
    if (start < 0)
        start += m_length;
    start = clampStart(start);
    if (count == -1 || count > m_length - start)
        count = m_length - start;
    String result;
    result.appendChars(m_data + start, count);
    return result;
}

String String::midFrom(int start) const
{
    start = clampStart(start);
    return mid(start, m_length - start);
}

String String::trim() const
{
    int begin = 0;
    int end = m_length;
    while (begin < end && isSpaceChar(m_data[begin]))
        ++begin;
    while (end > begin && isSpaceChar(m_data[end - 1]))
        --end;
    return mid(begin, end - begin);
}

String String::trimRight() const
{
    int end = m_length;
    while (end > 0 && isSpaceChar(m_data[end - 1]))
        --end;
    return mid(0, end);
}

String String::trimChars(const String& set) const
{
    int begin = 0;
    int end = m_length;
    while (begin < end && containsUnit(set, m_data[begin]))
        ++begin;
    while (end > begin && containsUnit(set, m_data[end - 1]))
        --end;
    return mid(begin, end - begin);
}

String String::trimLeftChars(const String& set) const
{
    int begin = 0;
    while (begin < m_length && containsUnit(set, m_data[begin]))
        ++begin;
    return mid(begin, m_length - begin);
}

String String::collapseWhitespace() const
{
    String result;
    result.grow(m_length);
    for (int i = 0; i < m_length; ++i) {
        char16_t unit = m_data[i];
        if (!isSpaceChar(unit)) {
            result.appendChar(unit);
            continue;
        }
        if (result.isEmpty() || result.last() != ' ')
            result.appendChar(' ');
    }
    return result;
}

String String::toLower() const
{
    String result(*this);
    platformLowerInPlace(result.m_data, result.m_length);
    return result;
}

String String::toUpper() const
{
    String result(*this);
    platformUpperInPlace(result.m_data, result.m_length);
    return result;
}

String String::join(const StringList& list, const String& separator, int flags)
{
    if (list.isEmpty())
        return String();
    if (list.count() == 1)
        return list.first()->value;
    int64_t total = static_cast<int64_t>(list.count() - 1) * separator.m_length;
    for (StringList::Node* node = list.first(); node; node = node->next)
        total += node->value.m_length;
    String result;
    if (total > kMaxCapacity || !result.grow(static_cast<int>(total)))
        return String();
    bool skipEmpty = (flags & kSkipEmpty) != 0;
    bool written = false;
    for (StringList::Node* node = list.first(); node; node = node->next) {
        String item = trimmedIfFlagged(node->value, flags);
        if (skipEmpty) {
            // Separators go only between the items that are kept.
            if (item.isEmpty())
                continue;
            if (written)
                result.append(separator);
            written = true;
        }
        result.append(item);
        if (!skipEmpty && node->next)
            result.append(separator);
    }
    return result;
}

StringList String::split(const String& separator, int flags) const
{
    return split(*this, separator, flags);
}

StringList String::split(const String& text, const String& separator, int flags)
{
    StringList parts;
    if (text.isEmpty() || separator.isEmpty())
        return parts;
    int found = indexOfUnits(text.m_data, text.m_length, separator.m_data, separator.m_length, 0);
    if (found < 0) {
        parts.append(text);
        return parts;
    }
    int begin = 0;
    while (true) {
        int end = found < 0 ? text.m_length : found;
        String part;
        part.appendChars(text.m_data + begin, end - begin);
        part = trimmedIfFlagged(part, flags);
        if (!part.isEmpty() || !(flags & kSkipEmpty))
            parts.append(part);
        if (found < 0)
            break;
        begin = found + separator.m_length;
        found = indexOfUnits(text.m_data, text.m_length, separator.m_data, separator.m_length, begin);
    }
    return parts;
}

int String::compareVersions(const String& a, const String& b)
{
    String left = a.trim();
    String right = b.trim();
    if (left.isEmpty() || right.isEmpty() || !isVersionText(left) || !isVersionText(right))
        return -2;
    if (equals(left, right))
        return 0;
    Array<int> leftNumbers = versionNumbers(left);
    Array<int> rightNumbers = versionNumbers(right);
    int count = leftNumbers.count() > rightNumbers.count() ? leftNumbers.count() : rightNumbers.count();
    for (int i = 0; i < count; ++i) {
        int x = i < leftNumbers.count() ? leftNumbers[i] : 0;
        int y = i < rightNumbers.count() ? rightNumbers[i] : 0;
        if (x != y)
            return x > y ? 1 : -1;
    }
    return 0;
}

String String::format(const char16_t* format, ...)
{
    const int kBufferSize = 1024;
    char16_t buffer[kBufferSize] = {};
    va_list args;
    va_start(args, format);
    wideFormatV(buffer, kBufferSize - 1, format, args);
    va_end(args);
    return String(buffer);
}

uint32_t String::hash() const
{
    uint32_t value = 0;
    for (int i = 0; i < m_length && m_data[i]; ++i)
        value = value * 31 + m_data[i];
    return value;
}

uint64_t String::hash64() const
{
    uint64_t value = 0;
    for (int i = 0; i < m_length && m_data[i]; ++i)
        value = value * 101 + m_data[i];
    return value;
}

uint32_t String::hexToInt() const
{
    return static_cast<uint32_t>(hexToInt64());
}

uint64_t String::hexToInt64() const
{
    uint64_t value = 0;
    for (int i = 0; i < m_length && m_data[i]; ++i) {
        int digit = hexDigitValue(m_data[i]);
        if (digit >= 0)
            value = (value << 4) | static_cast<uint64_t>(digit);
    }
    return value;
}

int wideFormatV(char16_t* buffer, int size, const char16_t* format, va_list args)
{
    if (!buffer || size < 1)
        return -1;
    buffer[0] = 0;
    if (!format)
        return -1;
    int written = 0;
    if (sizeof(wchar_t) == sizeof(char16_t)) {
        written = std::vswprintf(reinterpret_cast<wchar_t*>(buffer), static_cast<size_t>(size),
                                 reinterpret_cast<const wchar_t*>(format), args);
    } else {
        // wchar_t is wider than a UTF-16 unit here: format in wide characters
        // and narrow each back; characters beyond U+FFFF become U+FFFD.
        std::vector<wchar_t> wideFormat(format, format + wideLength(format) + 1);
        std::vector<wchar_t> wideBuffer(static_cast<size_t>(size), 0);
        written = std::vswprintf(wideBuffer.data(), wideBuffer.size(), wideFormat.data(), args);
        for (int i = 0; i < size; ++i)
            buffer[i] = toUtf16Unit(static_cast<uint32_t>(wideBuffer[i]));
    }
    buffer[size - 1] = 0;
    if (written < 0 || written >= size)
        return -1;
    return written;
}

bool operator==(const String& a, const String& b)
{
    return String::equals(a, b);
}

bool operator!=(const String& a, const String& b)
{
    return !String::equals(a, b);
}

String operator+(const String& a, const String& b)
{
    return String::concat(a, b);
}

String operator+(const String& a, const char16_t* b)
{
    return String::concatCString(a, b);
}

String operator+(const char16_t* a, const String& b)
{
    return String::concatFromCString(a, b);
}

String operator+(const String& a, char16_t unit)
{
    return String::concatChar(a, unit);
}

String operator+(char16_t unit, const String& a)
{
    return String::concatCharFirst(unit, a);
}

String& operator+=(String& a, const String& b)
{
    return a.append(b);
}

String& operator+=(String& a, const char16_t* b)
{
    return a.appendCString(b);
}

String& operator+=(String& a, char16_t unit)
{
    return a.appendChar(unit);
}
