#include "model/collection/ChunkStream.h"

#include "foundation/data/DataTree.h"
#include "foundation/io/DataReader.h"
#include "foundation/io/LittleEndian.h"

#include <cstring>

bool ChunkStream::readTag(DataReader& reader, char (&tag)[5])
{
    std::memset(tag, 0, sizeof tag);
    return reader.readRaw(tag, 4) == 4;
}

bool ChunkStream::peekTag(DataReader& reader, char (&tag)[5])
{
    uint64_t start = reader.stream()->position();
    return readTag(reader, tag) && reader.stream()->seek(start);
}

bool ChunkStream::readCount(DataReader& reader, uint64_t minBytesEach, uint32_t& count)
{
    if (reader.remaining() < 4)
        return false;
    count = reader.readUInt32();
    return uint64_t(count) * minBytesEach <= reader.remaining();
}

bool ChunkStream::skipNode(DataReader& reader, int depth)
{
    DataTreeNode node;
    return node.read(reader, depth);
}

bool ChunkStream::skipValues(DataReader& reader)
{
    uint32_t count = 0;
    if (!readCount(reader, kMinValueBytes, count))
        return false;
    DataTreeValue value;
    for (uint32_t i = 0; i < count; ++i) {
        if (!value.read(reader))
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
