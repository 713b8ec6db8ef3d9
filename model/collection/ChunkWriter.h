#pragma once

#include "foundation/data/DataTree.h"

#include <cstdint>

class Color;
class Date;
class DataWriter;
class DateTime;
class String;
class StringList;

// Writes the chunks of a collection file one after another, straight to the
// stream, through one reusable value. Each node announces how many children
// and values it will hold, and the writer holds it to that: a node that gets
// more or fewer, like a write that fails, turns the writer bad and the file
// is never committed, so a slip can cost a save but never a collection.
class ChunkWriter
{
public:
    explicit ChunkWriter(DataWriter& writer);
    ChunkWriter(const ChunkWriter&) = delete;
    ChunkWriter& operator=(const ChunkWriter&) = delete;

    // Children come first, then the values.
    void beginNode(const char* tag, uint32_t children, uint32_t values);
    void endNode();

    void writeInt(const char* tag, int32_t number);
    void writeFloat(const char* tag, float number);
    void writeFlag(const char* tag, bool flag);
    void writeText(const char* tag, const String& text);
    void writeList(const char* tag, const StringList& list);
    void writeColor(const char* tag, const Color& color);
    void writeDateTime(const char* tag, const DateTime& local);
    void writeUtcDateTime(const char* tag, const DateTime& utc);
    void writeDate(const char* tag, const Date& date);

    // Every write landed and every finished node held what it announced.
    bool isGood() const { return m_good; }
    // Good, and every node that was begun has ended.
    bool isComplete() const { return m_good && m_depth == 0; }

private:
    struct OpenNode
    {
        uint32_t childrenLeft;
        uint32_t valuesLeft;
        bool valuesStarted;
    };

    static const int kMaxDepth = 16;

    void fail() { m_good = false; }
    bool startValues(OpenNode& node);
    DataTreeValue& beginValue(const char* tag);
    void endValue();

    DataWriter& m_writer;
    DataTreeValue m_value;
    OpenNode m_open[kMaxDepth];
    int m_depth = 0;
    bool m_good = true;
};
