#include "foundation/io/StreamReader.h"

StreamReader::StreamReader(InputStream* stream) : m_stream(stream) {}

StreamReader::~StreamReader()
{
    StreamReader::detach();
}

bool StreamReader::attach()
{
    if (m_attached || !m_stream || !m_stream->isOpen())
        return false;
    if (!m_stream->registerReader(this))
        return false;
    m_attached = true;
    return true;
}

bool StreamReader::detach()
{
    if (!m_attached)
        return false;
    m_stream->releaseReader(this);
    m_attached = false;
    return true;
}

uint8_t StreamReader::readByte()
{
    uint8_t value = 0;
    return readExactly(&value, 1) ? value : 0;
}

uint16_t StreamReader::readWord()
{
    uint8_t bytes[2];
    if (!readExactly(bytes, 2))
        return 0;
    return uint16_t(bytes[0] | (bytes[1] << 8));
}

uint64_t StreamReader::remaining() const
{
    return m_attached ? m_stream->remaining() : 0;
}

int32_t StreamReader::readFromStream(void* buffer, uint32_t length)
{
    if (!m_attached)
        return -1;
    return m_stream->read(buffer, length);
}

bool StreamReader::readExactly(void* buffer, uint32_t length)
{
    if (length > uint32_t(INT32_MAX))
        return false;
    return readFromStream(buffer, length) == int32_t(length);
}
