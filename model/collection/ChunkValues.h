#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"
#include "foundation/time/Date.h"
#include "foundation/time/DateTime.h"
#include "graphics/color/Color.h"

#include <cstdint>

class DataTreeNode;
class DataTreeValue;

// The value kinds of the collection file. Writers append a value with the
// tag to the node. Readers take the first value with the tag and give the
// kind's empty value (0, false, empty, null) when it is missing, holds fewer
// bytes than the kind, or holds something impossible (a NaN or infinite
// number, a date that does not exist).
class ChunkValues
{
public:
    static void writeInt(DataTreeNode& node, const char* tag, int32_t value);
    static void writeFloat(DataTreeNode& node, const char* tag, float value);
    static void writeFlag(DataTreeNode& node, const char* tag, bool value);
    static void writeText(DataTreeNode& node, const char* tag, const String& text);
    // The items, trimmed, without the empty ones, between '|'; a single item
    // as it is.
    static void writeList(DataTreeNode& node, const char* tag, const StringList& list);
    static void writeColor(DataTreeNode& node, const char* tag, const Color& color);
    // Seven numbers, converted from local time to UTC; the null date-time is
    // 28 zero bytes.
    static void writeDateTime(DataTreeNode& node, const char* tag, const DateTime& local);
    static void writeUtcDateTime(DataTreeNode& node, const char* tag, const DateTime& utc);
    // Year, month and day as they are.
    static void writeDate(DataTreeNode& node, const char* tag, const Date& date);

    // The same for a value already found (null when there is none).
    static int32_t toInt(const DataTreeValue* value);
    static float toFloat(const DataTreeValue* value);
    static bool toFlag(const DataTreeValue* value);
    static String toText(const DataTreeValue* value);
    static StringList toList(const DataTreeValue* value);
    static Color toColor(const DataTreeValue* value);
    static DateTime toDateTime(const DataTreeValue* value);
    static Date toDate(const DataTreeValue* value);

    static int32_t readInt(const DataTreeNode& node, const char* tag);
    static float readFloat(const DataTreeNode& node, const char* tag);
    static bool readFlag(const DataTreeNode& node, const char* tag);
    static String readText(const DataTreeNode& node, const char* tag);
    static StringList readList(const DataTreeNode& node, const char* tag);
    static Color readColor(const DataTreeNode& node, const char* tag);
    // Converted from UTC to local time.
    static DateTime readDateTime(const DataTreeNode& node, const char* tag);
    static Date readDate(const DataTreeNode& node, const char* tag);
};
