#pragma once

#include "foundation/io/InputStream.h"

// Reads a block of memory, the caller's own or a private copy. Reads are all
// or nothing, and nothing is ever read outside the block, wherever the
// position has been moved.
class MemoryStream : public InputStream
{
public:
    MemoryStream(const void* data, uint64_t size, bool copy);
    ~MemoryStream() override;

    int32_t read(void* buffer, uint32_t length) override;
    uint64_t size() const override { return m_size; }
    bool seek(uint64_t position) override;
    uint64_t position() const override { return m_position; }
    bool seekToEnd() override;

    // The byte at the position, or null when there is none.
    const uint8_t* current() const;

private:
    const uint8_t* m_data;
    uint8_t* m_copy = nullptr;
    uint64_t m_size;
    uint64_t m_position = 0;
};
