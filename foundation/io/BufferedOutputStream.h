#pragma once

#include "foundation/io/OutputStream.h"

#include <cstdint>

// Writes to another stream through a block buffer, so that a writer handing
// over a few bytes at a time costs no system call per value. Nothing reaches
// the target until the buffer fills or flush is called; a failed write is
// remembered and every later write and flush fails.
class BufferedOutputStream : public OutputStream
{
public:
    static const uint32_t kDefaultCapacity = 1u << 16;

    explicit BufferedOutputStream(OutputStream* target, uint32_t capacity = kDefaultCapacity);
    // Does not flush: bytes never flushed are bytes the caller chose to drop.
    ~BufferedOutputStream() override;

    int32_t write(const void* data, uint32_t length) override;
    uint64_t size() const override;
    bool seek(uint64_t position) override;
    uint64_t position() const override;
    bool seekToEnd() override;

    // Hands every buffered byte to the target; false once any write failed.
    bool flush();
    bool hasFailed() const { return m_failed; }

private:
    OutputStream* m_target;
    uint8_t* m_block;
    uint32_t m_capacity;
    uint32_t m_fill = 0;
    bool m_failed = false;
};
