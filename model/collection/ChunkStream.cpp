#include "model/collection/ChunkStream.h"

#include "foundation/data/DataTree.h"
#include "foundation/io/LittleEndian.h"
#include "model/collection/ChunkInput.h"

#include <cstring>

namespace {

bool copyTag(const uint8_t* bytes, char (&tag)[5])
{
    std::memset(tag, 0, sizeof tag);
    if (!bytes)
        return false;
    std::memcpy(tag, bytes, 4);
    return true;
}

} // namespace

bool ChunkStream::readTag(ChunkInput& input, char (&tag)[5])
{
    return copyTag(input.take(4), tag);
}

bool ChunkStream::peekTag(ChunkInput& input, char (&tag)[5])
{
    return copyTag(input.peek(4), tag);
}

bool ChunkStream::readCount(ChunkInput& input, uint64_t minBytesEach, uint32_t& count)
{
    if (!input.takeUInt32(count))
        return false;
    return uint64_t(count) * minBytesEach <= input.left();
}

bool ChunkStream::readValue(ChunkInput& input, ChunkValue& value)
{
    value = ChunkValue();
    const uint8_t* head = input.left() >= kMinValueBytes ? input.take(kMinValueBytes) : nullptr;
    if (!head)
        return false;
    value.tag = fromLittleEndian<uint32_t>(head);
    uint32_t size = fromLittleEndian<uint32_t>(head + 4);
    if (size == 0)
        return true;
    if (size > input.left() || size > uint32_t(INT32_MAX))
        return false;
    value.data = input.take(size);
    value.size = size;
    return value.data != nullptr;
}

bool ChunkStream::skipNode(ChunkInput& input, int depth)
{
    DataTreeNode node;
    return node.read(input.reader(), depth);
}

bool ChunkStream::skipValues(ChunkInput& input)
{
    uint32_t count = 0;
    if (!readCount(input, kMinValueBytes, count))
        return false;
    ChunkValue value;
    for (uint32_t i = 0; i < count; ++i) {
        if (!readValue(input, value))
            return false;
    }
    return true;
}

bool ChunkStream::isDepthAllowed(int depth)
{
    return depth <= DataTree::kMaxDepth;
}

uint32_t ChunkStream::tagWord(const char* tag)
{
    return fromLittleEndian<uint32_t>(reinterpret_cast<const uint8_t*>(tag));
}
