#include "foundation/io/BufferedInputStream.h"

#include <cstring>

BufferedInputStream::BufferedInputStream(InputStream* source, uint32_t capacity)
    : m_source(source), m_block(new uint8_t[capacity > 0 ? capacity : 1]),
      m_capacity(capacity > 0 ? capacity : 1), m_size(source && source->isOpen() ? source->size() : 0)
{
    m_open = source && source->isOpen();
    if (m_open)
        m_blockStart = source->position();
}

BufferedInputStream::~BufferedInputStream()
{
    delete[] m_block;
}

bool BufferedInputStream::refill()
{
    m_blockStart += m_blockFill;
    m_blockFill = 0;
    m_blockPosition = 0;
    // Never ask past the end: some sources deliver all or nothing.
    uint64_t left = m_blockStart < m_size ? m_size - m_blockStart : 0;
    uint32_t wanted = left < m_capacity ? uint32_t(left) : m_capacity;
    if (wanted == 0)
        return false;
    int32_t got = m_source->read(m_block, wanted);
    if (got <= 0)
        return false;
    m_blockFill = uint32_t(got);
    return true;
}

int32_t BufferedInputStream::read(void* buffer, uint32_t length)
{
    if (!m_open || !buffer || length > uint32_t(INT32_MAX))
        return -1;
    uint8_t* out = static_cast<uint8_t*>(buffer);
    uint32_t delivered = 0;
    while (delivered < length) {
        if (m_blockPosition == m_blockFill && !refill())
            break;
        uint32_t available = m_blockFill - m_blockPosition;
        uint32_t wanted = length - delivered;
        uint32_t taken = wanted < available ? wanted : available;
        std::memcpy(out + delivered, m_block + m_blockPosition, taken);
        m_blockPosition += taken;
        delivered += taken;
    }
    return int32_t(delivered);
}

bool BufferedInputStream::seek(uint64_t position)
{
    if (!m_open)
        return false;
    if (position >= m_blockStart && position <= m_blockStart + m_blockFill) {
        m_blockPosition = uint32_t(position - m_blockStart);
        return true;
    }
    if (!m_source->seek(position))
        return false;
    m_blockStart = position;
    m_blockFill = 0;
    m_blockPosition = 0;
    return true;
}
