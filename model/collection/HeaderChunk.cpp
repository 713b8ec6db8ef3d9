#include "model/collection/HeaderChunk.h"

#include "foundation/data/DataTree.h"
#include "model/collection/ChunkValues.h"
#include "model/collection/ChunkWriter.h"
#include "model/collection/CollectionHeader.h"

const float HeaderChunk::kVersion = 0.1f;

namespace {

const uint32_t kHeaderValues = 7;

void writeNode(const CollectionHeader& header, const DateTime& createdUtc, const DateTime& modifiedUtc,
               ChunkWriter& out)
{
    out.beginNode("HEDR", 0, kHeaderValues);
    out.writeFloat("VRSN", HeaderChunk::kVersion);
    out.writeText("ATHR", header.author);
    out.writeText("PASS", header.password);
    out.writeUtcDateTime("CRTD", createdUtc);
    out.writeUtcDateTime("MDFD", modifiedUtc);
    out.writeInt("LMID", header.lastMovieId);
    out.writeInt("RMID", header.selectedMovieId);
    out.endNode();
}

} // namespace

void HeaderChunk::write(const CollectionHeader& header, ChunkWriter& out)
{
    writeNode(header, header.created.toUtc(), header.modified.toUtc(), out);
}

void HeaderChunk::writeNew(const String& author, const String& password, const DateTime& createdUtc,
                           ChunkWriter& out)
{
    CollectionHeader header;
    header.author = author;
    header.password = password;
    writeNode(header, createdUtc, createdUtc, out);
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
