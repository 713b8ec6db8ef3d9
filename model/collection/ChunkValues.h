#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"
#include "foundation/time/Date.h"
#include "foundation/time/DateTime.h"
#include "graphics/color/Color.h"
#include "model/collection/ChunkValue.h"

#include <cstdint>

class DataTreeNode;
class DataTreeValue;

// The value kinds of the collection file. Getters give the kind's empty
// value (0, false, empty, null) when the value is missing, holds fewer bytes
// than its kind, or holds something impossible (a NaN or infinite number, a
// date that does not exist). Readers by tag take the first value with the
// tag in the node.
class ChunkValues
{
public:
    // Setters: each replaces the value's bytes.
    static void setInt(DataTreeValue& value, int32_t number);
    static void setFloat(DataTreeValue& value, float number);
    static void setFlag(DataTreeValue& value, bool flag);
    static void setText(DataTreeValue& value, const String& text);
    // The items, trimmed, without the empty ones, between '|'; a single item
    // as it is.
    static void setList(DataTreeValue& value, const StringList& list);
    static void setColor(DataTreeValue& value, const Color& color);
    // Seven numbers, converted from local time to UTC; the null date-time is
    // 28 zero bytes.
    static void setDateTime(DataTreeValue& value, const DateTime& local);
    static void setUtcDateTime(DataTreeValue& value, const DateTime& utc);
    // Year, month and day as they are.
    static void setDate(DataTreeValue& value, const Date& date);

    // Getters of a value's bytes; a missing value has none.
    static int32_t toInt(const ChunkValue& value);
    static float toFloat(const ChunkValue& value);
    static bool toFlag(const ChunkValue& value);
    static String toText(const ChunkValue& value);
    static StringList toList(const ChunkValue& value);
    static Color toColor(const ChunkValue& value);
    static DateTime toDateTime(const ChunkValue& value);
    static Date toDate(const ChunkValue& value);
    // The bytes of a value of a tree; none when it is null.
    static ChunkValue bytesOf(const DataTreeValue* value);

    static int32_t readInt(const DataTreeNode& node, const char* tag);
    static float readFloat(const DataTreeNode& node, const char* tag);
    static String readText(const DataTreeNode& node, const char* tag);
    // Converted from UTC to local time.
    static DateTime readDateTime(const DataTreeNode& node, const char* tag);
    static Date readDate(const DataTreeNode& node, const char* tag);
};
