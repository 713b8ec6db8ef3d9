#include "model/collection/HeaderChunk.h"

#include "foundation/data/DataTree.h"
#include "model/collection/ChunkValues.h"
#include "model/collection/CollectionHeader.h"

const float HeaderChunk::kVersion = 0.1f;

namespace {

void writeValues(const CollectionHeader& header, const DateTime& createdUtc, const DateTime& modifiedUtc,
                 DataTreeNode& node)
{
    ChunkValues::writeFloat(node, "VRSN", HeaderChunk::kVersion);
    ChunkValues::writeText(node, "ATHR", header.author);
    ChunkValues::writeText(node, "PASS", header.password);
    ChunkValues::writeUtcDateTime(node, "CRTD", createdUtc);
    ChunkValues::writeUtcDateTime(node, "MDFD", modifiedUtc);
    ChunkValues::writeInt(node, "LMID", header.lastMovieId);
    ChunkValues::writeInt(node, "RMID", header.selectedMovieId);
}

} // namespace

void HeaderChunk::write(const CollectionHeader& header, DataTreeNode& node)
{
    writeValues(header, header.created.toUtc(), header.modified.toUtc(), node);
}

void HeaderChunk::writeNew(const String& author, const String& password, const DateTime& createdUtc,
                           DataTreeNode& node)
{
    CollectionHeader header;
    header.author = author;
    header.password = password;
    writeValues(header, createdUtc, createdUtc, node);
}

void HeaderChunk::read(const DataTreeNode& node, CollectionHeader& header)
{
    header.version = ChunkValues::readFloat(node, "VRSN");
    header.author = ChunkValues::readText(node, "ATHR");
    header.password = ChunkValues::readText(node, "PASS");
    header.created = ChunkValues::readDateTime(node, "CRTD");
    header.modified = ChunkValues::readDateTime(node, "MDFD");
    header.lastMovieId = ChunkValues::readInt(node, "LMID");
    header.selectedMovieId = ChunkValues::readInt(node, "RMID");
}
