#include "model/collection/ChunkInput.h"

#include "foundation/io/LittleEndian.h"

#include <cstring>

ChunkInput::ChunkInput(InputStream* source, uint32_t blockSize)
    : BufferedInputStream(source, blockSize), m_reader(this)
{
    m_reader.attach();
}

ChunkInput::~ChunkInput()
{
    m_reader.detach();
    delete[] m_spare;
}

const uint8_t* ChunkInput::take(uint32_t length)
{
    if (!m_open || length > left())
        return nullptr;
    if (length > m_capacity)
        return takeLong(length);
    if (buffered() < length && !gather(length))
        return nullptr;
    const uint8_t* bytes = m_block + m_blockPosition;
    m_blockPosition += length;
    return bytes;
}

const uint8_t* ChunkInput::peek(uint32_t length)
{
    if (!m_open || length > left() || length > m_capacity)
        return nullptr;
    if (buffered() < length && !gather(length))
        return nullptr;
    return m_block + m_blockPosition;
}

bool ChunkInput::takeUInt32(uint32_t& value)
{
    const uint8_t* bytes = take(4);
    if (!bytes)
        return false;
    value = fromLittleEndian<uint32_t>(bytes);
    return true;
}

// What is left of the block moves to its front and the rest is filled from
// the source, never asking past the end: some sources deliver all or nothing.
bool ChunkInput::gather(uint32_t length)
{
    uint32_t kept = buffered();
    std::memmove(m_block, m_block + m_blockPosition, kept);
    m_blockStart += m_blockPosition;
    m_blockPosition = 0;
    m_blockFill = kept;
    while (m_blockFill < length) {
        uint64_t end = m_blockStart + m_blockFill;
        uint64_t rest = end < m_size ? m_size - end : 0;
        uint32_t room = m_capacity - m_blockFill;
        uint32_t wanted = rest < room ? uint32_t(rest) : room;
        if (wanted == 0)
            return false;
        int32_t got = m_source->read(m_block + m_blockFill, wanted);
        if (got <= 0)
            return false;
        m_blockFill += uint32_t(got);
    }
    return true;
}

// A value longer than the block: what the block holds of it, then the rest
// straight from the source into the spare buffer. The block is empty after.
const uint8_t* ChunkInput::takeLong(uint32_t length)
{
    if (m_spareCapacity < length) {
        delete[] m_spare;
        m_spare = new uint8_t[length];
        m_spareCapacity = length;
    }
    uint32_t kept = buffered();
    std::memcpy(m_spare, m_block + m_blockPosition, kept);
    m_blockStart += m_blockFill;
    m_blockFill = 0;
    m_blockPosition = 0;
    uint32_t done = kept;
    while (done < length) {
        int32_t got = m_source->read(m_spare + done, length - done);
        if (got <= 0)
            return nullptr;
        done += uint32_t(got);
        m_blockStart += uint32_t(got);
    }
    return m_spare;
}
