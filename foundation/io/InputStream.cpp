#include "foundation/io/InputStream.h"

int32_t InputStream::readByte()
{
    uint8_t value = 0;
    if (read(&value, 1) != 1)
        return -1;
    return value;
}

bool InputStream::rewind()
{
    return seek(0);
}

bool InputStream::skip(uint64_t count)
{
    uint64_t from = position();
    uint64_t to = from + count;
    if (to < from)
        to = UINT64_MAX;
    return seek(to);
}

uint64_t InputStream::remaining() const
{
    uint64_t total = size();
    uint64_t at = position();
    return at >= total ? 0 : total - at;
}

bool InputStream::registerReader(StreamReader* reader)
{
    if (m_reader || !reader)
        return false;
    m_reader = reader;
    return true;
}

bool InputStream::releaseReader(StreamReader* reader)
{
    if (m_reader && m_reader != reader)
        return false;
    m_reader = nullptr;
    return true;
}
