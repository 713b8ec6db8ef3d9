#pragma once

#include <cstdint>

class StreamWriter;

// A sink of bytes. At most one writer is attached at a time.
class OutputStream
{
public:
    OutputStream() = default;
    virtual ~OutputStream() = default;
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;

    // The number of bytes written, or -1 on failure.
    virtual int32_t write(const void* data, uint32_t length) = 0;
    virtual int32_t writeByte(uint8_t value);
    virtual uint64_t size() const = 0;
    virtual bool seek(uint64_t position) = 0;
    virtual uint64_t position() const = 0;
    virtual bool rewind();
    virtual bool seekToEnd() = 0;

    bool isOpen() const { return m_open; }
    bool hasWriter() const { return m_writer != nullptr; }
    bool registerWriter(StreamWriter* writer);
    bool releaseWriter(StreamWriter* writer);

protected:
    bool m_open = false;

private:
    StreamWriter* m_writer = nullptr;
};
