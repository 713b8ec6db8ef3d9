#pragma once

#include <cstdint>

class StreamReader;

// A source of bytes. At most one reader is attached at a time.
class InputStream
{
public:
    InputStream() = default;
    virtual ~InputStream() = default;
    InputStream(const InputStream&) = delete;
    InputStream& operator=(const InputStream&) = delete;

    // The number of bytes delivered (0 at the end of a file), or -1 on failure.
    virtual int32_t read(void* buffer, uint32_t length) = 0;
    // The byte (0 to 255), or -1 when not exactly one byte came.
    virtual int32_t readByte();
    virtual uint64_t size() const = 0;
    virtual bool seek(uint64_t position) = 0;
    virtual uint64_t position() const = 0;
    virtual bool rewind();
    virtual bool seekToEnd() = 0;
    virtual bool skip(uint64_t count);

    // Bytes between the position and the end; 0 when the position lies beyond it.
    uint64_t remaining() const;

    bool isOpen() const { return m_open; }
    bool hasReader() const { return m_reader != nullptr; }
    bool registerReader(StreamReader* reader);
    bool releaseReader(StreamReader* reader);

protected:
    bool m_open = false;

private:
    StreamReader* m_reader = nullptr;
};
