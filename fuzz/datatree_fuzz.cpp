// DataTree loading from memory must fail cleanly on any damage and, when it
// succeeds, account for every input byte: saving the tree again must give
// exactly the input back.
#include "foundation/data/DataTree.h"
#include "foundation/io/DataWriter.h"
#include "foundation/io/OutputStream.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

class VectorStream : public OutputStream
{
public:
    VectorStream() { m_open = true; }
    int32_t write(const void* data, uint32_t length) override
    {
        const uint8_t* bytes = static_cast<const uint8_t*>(data);
        m_bytes.insert(m_bytes.end(), bytes, bytes + length);
        return int32_t(length);
    }
    uint64_t size() const override { return m_bytes.size(); }
    bool seek(uint64_t) override { return false; }
    uint64_t position() const override { return m_bytes.size(); }
    bool seekToEnd() override { return true; }

    std::vector<uint8_t> m_bytes;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    DataTree tree;
    // Take the input's own tag so that the parser gets past the first check.
    tree.setFileTag(uint32_t(data[0]) | (uint32_t(data[1]) << 8) | (uint32_t(data[2]) << 16) |
                    (uint32_t(data[3]) << 24));
    if (tree.fileTag() == 0 || !tree.loadFromMemory(data, size))
        return 0;
    VectorStream stream;
    DataWriter writer(&stream);
    if (!writer.attach() || !tree.writeTo(writer))
        __builtin_trap();
    if (stream.m_bytes.size() != size || std::memcmp(stream.m_bytes.data(), data, size) != 0)
        __builtin_trap();
    return 0;
}
