#pragma once

#include "model/collection/ChunkValue.h"

#include <cstdint>

class ChunkInput;

// Pieces for reading the chunks of a collection file one at a time, straight
// from the stream, with the same checks as the foundation's tree: a count
// must fit into the bytes left, and nodes nest no deeper than the tree
// allows. Nodes nobody asks for are read whole with the foundation's reader.
class ChunkStream
{
public:
    // The least a node (tag and two counts) and a value (tag and size) take.
    static const uint64_t kMinNodeBytes = 12;
    static const uint64_t kMinValueBytes = 8;

    // Four tag bytes, zero-terminated.
    static bool readTag(ChunkInput& input, char (&tag)[5]);
    // The tag of the node that starts here, leaving the position where it was.
    static bool peekTag(ChunkInput& input, char (&tag)[5]);
    // A count of children (kMinNodeBytes) or values (kMinValueBytes) that the
    // rest of the stream can hold.
    static bool readCount(ChunkInput& input, uint64_t minBytesEach, uint32_t& count);
    // One value: its tag, size and bytes, which hold until the next read.
    static bool readValue(ChunkInput& input, ChunkValue& value);
    // Reads a node that nobody asks for at this depth, to check it is whole.
    static bool skipNode(ChunkInput& input, int depth);
    // Reads a value count and the values, to check they are whole.
    static bool skipValues(ChunkInput& input);
    // Whether a node may start at this depth.
    static bool isDepthAllowed(int depth);
    static uint32_t tagWord(const char* tag);
};
