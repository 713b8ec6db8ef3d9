#include "model/collection/ChunkValues.h"

#include "foundation/data/DataTree.h"
#include "foundation/text/CharClass.h"

#include <cmath>
#include <cstring>
#include <utility>

namespace {

const char16_t kListSeparator[] = u"|";
const int kListFlags = String::kSkipEmpty | String::kTrimItems;

const uint32_t kIntBytes = 4;
const uint32_t kDateBytes = 12;
const uint32_t kDateTimeBytes = 28;

void putInt(uint8_t* out, int32_t value)
{
    uint32_t bits = uint32_t(value);
    for (int i = 0; i < 4; ++i)
        out[i] = uint8_t(bits >> (8 * i));
}

int32_t getInt(const uint8_t* in)
{
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= uint32_t(in[i]) << (8 * i);
    return int32_t(bits);
}

// A value shorter than its kind is damaged; its field keeps the default.
bool hasBytes(const ChunkValue& value, uint32_t bytes)
{
    return value.size >= bytes;
}

// Most texts of a collection are plain ASCII: those are widened in one pass
// into a block of their exact size. A text starting with a zero byte is
// empty, as the UTF-8 conversion has it.
String textOf(const uint8_t* bytes, int count)
{
    if (bytes[0] == 0)
        return String();
    for (int i = 0; i < count; ++i) {
        if (bytes[i] >= 0x80)
            return String::fromUtf8(bytes, count);
    }
    String text;
    text.resize(count);
    if (text.length() != count)
        return String();
    char16_t* units = text.charAt(0);
    for (int i = 0; i < count; ++i)
        units[i] = char16_t(bytes[i]);
    return text;
}

bool allZero(const int32_t* fields, int count)
{
    for (int i = 0; i < count; ++i) {
        if (fields[i] != 0)
            return false;
    }
    return true;
}

} // namespace

void ChunkValues::setInt(DataTreeValue& value, int32_t number)
{
    value.setInt(number);
}

void ChunkValues::setFloat(DataTreeValue& value, float number)
{
    value.setFloat(number);
}

void ChunkValues::setFlag(DataTreeValue& value, bool flag)
{
    value.setBool(flag);
}

void ChunkValues::setText(DataTreeValue& value, const String& text)
{
    value.setString(text);
}

void ChunkValues::setList(DataTreeValue& value, const StringList& list)
{
    value.setString(String::join(list, String(kListSeparator), kListFlags));
}

void ChunkValues::setColor(DataTreeValue& value, const Color& color)
{
    value.setUInt(color.value());
}

void ChunkValues::setDateTime(DataTreeValue& value, const DateTime& local)
{
    setUtcDateTime(value, local.toUtc());
}

void ChunkValues::setUtcDateTime(DataTreeValue& value, const DateTime& utc)
{
    const int32_t fields[7] = {utc.year(),   utc.month(),  utc.day(),        utc.hour(),
                               utc.minute(), utc.second(), utc.millisecond()};
    uint8_t bytes[kDateTimeBytes];
    for (int i = 0; i < 7; ++i)
        putInt(bytes + 4 * i, fields[i]);
    value.setBytes(bytes, sizeof bytes);
}

void ChunkValues::setDate(DataTreeValue& value, const Date& date)
{
    uint8_t bytes[kDateBytes];
    putInt(bytes, date.year());
    putInt(bytes + 4, date.month());
    putInt(bytes + 8, date.day());
    value.setBytes(bytes, sizeof bytes);
}

int32_t ChunkValues::toInt(const ChunkValue& value)
{
    return hasBytes(value, kIntBytes) ? getInt(value.data) : 0;
}

float ChunkValues::toFloat(const ChunkValue& value)
{
    if (!hasBytes(value, kIntBytes))
        return 0.0f;
    uint32_t bits = uint32_t(getInt(value.data));
    float number;
    std::memcpy(&number, &bits, sizeof number);
    return std::isfinite(number) ? number : 0.0f;
}

bool ChunkValues::toFlag(const ChunkValue& value)
{
    return hasBytes(value, 1) && value.data[0] != 0;
}

String ChunkValues::toText(const ChunkValue& value)
{
    if (value.size == 0 || value.size > uint32_t(INT32_MAX))
        return String();
    return textOf(value.data, int(value.size));
}

// Splits as String::split with kListFlags does, each item made once in a
// block of its own size: a collection holds several lists per movie.
StringList ChunkValues::toList(const ChunkValue& value)
{
    StringList list;
    String text = toText(value);
    if (text.isEmpty())
        return list;
    const char16_t separator = kListSeparator[0];
    if (text.indexOfChar(separator, 0, String::kCaseSensitive) < 0) {
        // A single item stays as it is, blanks and all.
        list.append(String())->value = std::move(text);
        return list;
    }
    int begin = 0;
    while (begin <= text.length()) {
        int end = text.indexOfChar(separator, begin, String::kCaseSensitive);
        if (end < 0)
            end = text.length();
        int first = begin;
        int last = end;
        while (first < last && isSpaceChar(text.at(first)))
            ++first;
        while (last > first && isSpaceChar(text.at(last - 1)))
            --last;
        if (last > first)
            list.append(String())->value.appendChars(text.constCharAt(first), last - first);
        begin = end + 1;
    }
    return list;
}

Color ChunkValues::toColor(const ChunkValue& value)
{
    return hasBytes(value, kIntBytes) ? Color(uint32_t(getInt(value.data))) : Color();
}

DateTime ChunkValues::toDateTime(const ChunkValue& value)
{
    if (!hasBytes(value, kDateTimeBytes))
        return DateTime();
    int32_t fields[7];
    for (int i = 0; i < 7; ++i)
        fields[i] = getInt(value.data + 4 * i);
    if (allZero(fields, 7))
        return DateTime();
    DateTime utc(fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]);
    return utc.isValid() ? utc.toLocal() : DateTime();
}

Date ChunkValues::toDate(const ChunkValue& value)
{
    if (!hasBytes(value, kDateBytes))
        return Date();
    Date date(getInt(value.data), getInt(value.data + 4), getInt(value.data + 8));
    return date.isValid() ? date : Date();
}

ChunkValue ChunkValues::bytesOf(const DataTreeValue* value)
{
    ChunkValue bytes;
    if (value) {
        bytes.data = value->data();
        bytes.size = value->dataSize();
    }
    return bytes;
}

int32_t ChunkValues::readInt(const DataTreeNode& node, const char* tag)
{
    return toInt(bytesOf(node.findValue(tag)));
}

float ChunkValues::readFloat(const DataTreeNode& node, const char* tag)
{
    return toFloat(bytesOf(node.findValue(tag)));
}

String ChunkValues::readText(const DataTreeNode& node, const char* tag)
{
    return toText(bytesOf(node.findValue(tag)));
}

DateTime ChunkValues::readDateTime(const DataTreeNode& node, const char* tag)
{
    return toDateTime(bytesOf(node.findValue(tag)));
}

Date ChunkValues::readDate(const DataTreeNode& node, const char* tag)
{
    return toDate(bytesOf(node.findValue(tag)));
}
