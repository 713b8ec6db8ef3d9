#pragma once

class ChunkWriter;
class DataTreeNode;
class DateTime;
class String;
struct CollectionHeader;

// The HEDR node of a collection file.
class HeaderChunk
{
public:
    // The format version this program writes and reads, and no other.
    static const float kVersion;

    // The header's own times are local and stored in UTC.
    static void write(const CollectionHeader& header, ChunkWriter& out);
    // The header of a new collection made at a moment given in UTC.
    static void writeNew(const String& author, const String& password, const DateTime& createdUtc,
                         ChunkWriter& out);
    static void read(const DataTreeNode& node, CollectionHeader& header);
};
