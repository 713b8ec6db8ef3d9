#pragma once

// An output stream that collects what is written in memory and refuses
// everything past a limit, like a full disk.

#include "foundation/io/OutputStream.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace testsupport {

class MemorySink : public OutputStream
{
public:
    explicit MemorySink(size_t limit = SIZE_MAX) : m_limit(limit) { m_open = true; }
    int32_t write(const void* data, uint32_t length) override
    {
        ++calls;
        if (bytes.size() + length > m_limit)
            return -1;
        const uint8_t* in = static_cast<const uint8_t*>(data);
        bytes.insert(bytes.end(), in, in + length);
        return int32_t(length);
    }
    uint64_t size() const override { return bytes.size(); }
    bool seek(uint64_t position) override { return position == bytes.size(); }
    uint64_t position() const override { return bytes.size(); }
    bool seekToEnd() override { return true; }

    std::vector<uint8_t> bytes;
    int calls = 0;

private:
    size_t m_limit;
};

} // namespace testsupport
