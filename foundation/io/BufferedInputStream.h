#pragma once

#include "foundation/io/InputStream.h"

#include <cstdint>

// Reads another stream through a block buffer, so that a reader asking for
// a few bytes at a time costs no system call per value. The source's size is
// taken once: the source must not change while it is read.
class BufferedInputStream : public InputStream
{
public:
    static const uint32_t kDefaultCapacity = 1u << 16;

    explicit BufferedInputStream(InputStream* source, uint32_t capacity = kDefaultCapacity);
    ~BufferedInputStream() override;

    int32_t read(void* buffer, uint32_t length) override;
    uint64_t size() const override { return m_size; }
    bool seek(uint64_t position) override;
    uint64_t position() const override { return m_blockStart + m_blockPosition; }
    bool seekToEnd() override { return seek(m_size); }

protected:
    // A reader that hands out bytes where they lie in the block works on
    // these directly.
    InputStream* m_source;
    uint8_t* m_block;
    uint32_t m_capacity;
    uint64_t m_size;
    // Where the block starts in the source, how much of it is filled and how
    // much of that has been handed out.
    uint64_t m_blockStart = 0;
    uint32_t m_blockFill = 0;
    uint32_t m_blockPosition = 0;

private:
    bool refill();
};
