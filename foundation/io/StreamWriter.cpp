#include "foundation/io/StreamWriter.h"

StreamWriter::StreamWriter(OutputStream* stream) : m_stream(stream) {}

StreamWriter::~StreamWriter()
{
    StreamWriter::detach();
}

bool StreamWriter::attach()
{
    if (m_attached || !m_stream || !m_stream->isOpen())
        return false;
    if (!m_stream->registerWriter(this))
        return false;
    m_attached = true;
    return true;
}

bool StreamWriter::detach()
{
    if (!m_attached)
        return false;
    m_stream->releaseWriter(this);
    m_attached = false;
    return true;
}

int32_t StreamWriter::writeByte(uint8_t value)
{
    return writeToStream(&value, 1);
}

int32_t StreamWriter::writeWord(uint16_t value)
{
    uint8_t bytes[2] = {uint8_t(value), uint8_t(value >> 8)};
    return writeToStream(bytes, 2);
}

int32_t StreamWriter::writeToStream(const void* data, uint32_t length)
{
    if (!m_attached)
        return -1;
    return m_stream->write(data, length);
}
