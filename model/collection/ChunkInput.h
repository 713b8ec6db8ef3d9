#pragma once

#include "foundation/io/BufferedInputStream.h"
#include "foundation/io/DataReader.h"

#include <cstdint>

// A collection file read in large blocks. Values are handed out where they
// lie in the block, so reading a movie copies and allocates nothing but the
// movie's own fields; a value longer than a block is gathered in a spare
// buffer. It is a stream too, with a reader of its own attached, for the few
// nodes that are read whole by the foundation's tree. The source's size is
// taken once: the source must not change while it is read.
class ChunkInput : public BufferedInputStream
{
public:
    static const uint32_t kDefaultBlockSize = 1u << 20;

    explicit ChunkInput(InputStream* source, uint32_t blockSize = kDefaultBlockSize);
    ~ChunkInput() override;

    // The reader attached to this stream; it reads from the same position.
    DataReader& reader() { return m_reader; }
    // Bytes between the position and the end, without the stream's
    // virtual calls: it is asked before every value.
    uint64_t left() const
    {
        uint64_t at = m_blockStart + m_blockPosition;
        return at >= m_size ? 0 : m_size - at;
    }
    // The next length bytes in one piece, moving past them; null, and the
    // position unknown, when fewer are left or they cannot be read. The
    // bytes stay valid until the next call.
    const uint8_t* take(uint32_t length);
    // The same without moving; at most a block's worth.
    const uint8_t* peek(uint32_t length);
    // A little-endian word; false when fewer than four bytes are left.
    bool takeUInt32(uint32_t& value);

private:
    uint32_t buffered() const { return m_blockFill - m_blockPosition; }
    // Makes the next length bytes (at most a block) stand in the block.
    bool gather(uint32_t length);
    const uint8_t* takeLong(uint32_t length);

    // The block's bookkeeping is the buffered stream's; the source stands at
    // the block's end.
    uint8_t* m_spare = nullptr;
    uint32_t m_spareCapacity = 0;
    DataReader m_reader;
};
