#include "foundation/io/OutputStream.h"

int32_t OutputStream::writeByte(uint8_t value)
{
    return write(&value, 1);
}

bool OutputStream::rewind()
{
    return seek(0);
}

bool OutputStream::registerWriter(StreamWriter* writer)
{
    if (m_writer || !writer)
        return false;
    m_writer = writer;
    return true;
}

bool OutputStream::releaseWriter(StreamWriter* writer)
{
    if (m_writer && m_writer != writer)
        return false;
    m_writer = nullptr;
    return true;
}
