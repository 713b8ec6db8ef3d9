#include "foundation/io/MemoryStream.h"

#include <cstring>

MemoryStream::MemoryStream(const void* data, uint64_t size, bool copy)
    : m_data(static_cast<const uint8_t*>(data)), m_size(data ? size : 0)
{
    m_open = true;
    if (copy && m_size > uint64_t(SIZE_MAX))
        m_size = 0;
    if (copy && m_data && m_size > 0) {
        m_copy = new uint8_t[size_t(m_size)];
        std::memcpy(m_copy, data, size_t(m_size));
        m_data = m_copy;
    }
}

MemoryStream::~MemoryStream()
{
    delete[] m_copy;
}

int32_t MemoryStream::read(void* buffer, uint32_t length)
{
    if (length > uint32_t(INT32_MAX) || m_position > m_size || length > m_size - m_position)
        return -1;
    if (length > 0)
        std::memcpy(buffer, m_data + m_position, length);
    m_position += length;
    return int32_t(length);
}

bool MemoryStream::seek(uint64_t position)
{
    m_position = position;
    return true;
}

bool MemoryStream::seekToEnd()
{
    m_position = m_size;
    return true;
}

const uint8_t* MemoryStream::current() const
{
    if (!m_data || m_position >= m_size)
        return nullptr;
    return m_data + m_position;
}
