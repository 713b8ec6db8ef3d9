#include "foundation/io/BufferedOutputStream.h"

#include <cstring>

BufferedOutputStream::BufferedOutputStream(OutputStream* target, uint32_t capacity)
    : m_target(target), m_block(new uint8_t[capacity > 0 ? capacity : 1]),
      m_capacity(capacity > 0 ? capacity : 1)
{
    m_open = target && target->isOpen();
}

BufferedOutputStream::~BufferedOutputStream()
{
    delete[] m_block;
}

int32_t BufferedOutputStream::write(const void* data, uint32_t length)
{
    if (!m_open || m_failed || (!data && length > 0) || length > uint32_t(INT32_MAX))
        return -1;
    if (length > m_capacity - m_fill && !flush())
        return -1;
    if (length >= m_capacity) {
        int32_t written = m_target->write(data, length);
        if (written < 0 || uint32_t(written) != length) {
            m_failed = true;
            return -1;
        }
        return written;
    }
    std::memcpy(m_block + m_fill, data, length);
    m_fill += length;
    return int32_t(length);
}

bool BufferedOutputStream::flush()
{
    if (!m_open || m_failed)
        return false;
    if (m_fill == 0)
        return true;
    int32_t written = m_target->write(m_block, m_fill);
    if (written < 0 || uint32_t(written) != m_fill) {
        m_failed = true;
        return false;
    }
    m_fill = 0;
    return true;
}

uint64_t BufferedOutputStream::size() const
{
    if (!m_open)
        return 0;
    uint64_t end = m_target->position() + m_fill;
    uint64_t targetSize = m_target->size();
    return targetSize > end ? targetSize : end;
}

bool BufferedOutputStream::seek(uint64_t position)
{
    return flush() && m_target->seek(position);
}

uint64_t BufferedOutputStream::position() const
{
    if (!m_open)
        return 0;
    return m_target->position() + m_fill;
}

bool BufferedOutputStream::seekToEnd()
{
    return flush() && m_target->seekToEnd();
}
