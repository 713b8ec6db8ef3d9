#include "model/collection/ChunkWriter.h"

#include "foundation/io/DataWriter.h"
#include "model/collection/ChunkValues.h"

ChunkWriter::ChunkWriter(DataWriter& writer) : m_writer(writer) {}

void ChunkWriter::beginNode(const char* tag, uint32_t children, uint32_t values)
{
    if (!m_good)
        return;
    if (m_depth == kMaxDepth || (m_depth > 0 && m_open[m_depth - 1].childrenLeft == 0)) {
        fail();
        return;
    }
    if (m_depth > 0)
        --m_open[m_depth - 1].childrenLeft;
    if (m_writer.writeRaw(tag, 4) != 4 || m_writer.writeUInt32(children) != 4) {
        fail();
        return;
    }
    m_open[m_depth++] = OpenNode{children, values, false};
}

void ChunkWriter::endNode()
{
    if (!m_good)
        return;
    if (m_depth == 0) {
        fail();
        return;
    }
    OpenNode& node = m_open[m_depth - 1];
    if (!startValues(node) || node.valuesLeft != 0) {
        fail();
        return;
    }
    --m_depth;
}

// The value count follows the last child.
bool ChunkWriter::startValues(OpenNode& node)
{
    if (node.valuesStarted)
        return true;
    if (node.childrenLeft != 0 || m_writer.writeUInt32(node.valuesLeft) != 4)
        return false;
    node.valuesStarted = true;
    return true;
}

DataTreeValue& ChunkWriter::beginValue(const char* tag)
{
    m_value.setTag(tag);
    if (!m_good)
        return m_value;
    if (m_depth == 0 || !startValues(m_open[m_depth - 1]) || m_open[m_depth - 1].valuesLeft == 0)
        fail();
    return m_value;
}

void ChunkWriter::endValue()
{
    if (!m_good)
        return;
    if (!m_value.write(m_writer)) {
        fail();
        return;
    }
    --m_open[m_depth - 1].valuesLeft;
}

void ChunkWriter::writeInt(const char* tag, int32_t number)
{
    ChunkValues::setInt(beginValue(tag), number);
    endValue();
}

void ChunkWriter::writeFloat(const char* tag, float number)
{
    ChunkValues::setFloat(beginValue(tag), number);
    endValue();
}

void ChunkWriter::writeFlag(const char* tag, bool flag)
{
    ChunkValues::setFlag(beginValue(tag), flag);
    endValue();
}

void ChunkWriter::writeText(const char* tag, const String& text)
{
    ChunkValues::setText(beginValue(tag), text);
    endValue();
}

void ChunkWriter::writeList(const char* tag, const StringList& list)
{
    ChunkValues::setList(beginValue(tag), list);
    endValue();
}

void ChunkWriter::writeColor(const char* tag, const Color& color)
{
    ChunkValues::setColor(beginValue(tag), color);
    endValue();
}

void ChunkWriter::writeDateTime(const char* tag, const DateTime& local)
{
    ChunkValues::setDateTime(beginValue(tag), local);
    endValue();
}

void ChunkWriter::writeUtcDateTime(const char* tag, const DateTime& utc)
{
    ChunkValues::setUtcDateTime(beginValue(tag), utc);
    endValue();
}

void ChunkWriter::writeDate(const char* tag, const Date& date)
{
    ChunkValues::setDate(beginValue(tag), date);
    endValue();
}
