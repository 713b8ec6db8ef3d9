#include "model/collection/CollectionWriter.h"

#include "foundation/data/DataTree.h"
#include "foundation/io/DataWriter.h"
#include "foundation/io/SafeFileOutputStream.h"
#include "model/collection/BufferedOutputStream.h"
#include "model/collection/CollectionHeader.h"
#include "model/collection/HeaderChunk.h"
#include "model/collection/LoanerChunk.h"
#include "model/collection/MovieChunk.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"

namespace {

// The start of a node whose children follow one by one: its tag and their
// number. The node ends with its value count, which is 0 for the nodes
// written this way.
bool writeNodeStart(DataWriter& writer, const char* tag, uint32_t childCount)
{
    return writer.writeRaw(tag, 4) == 4 && writer.writeUInt32(childCount) == 4;
}

bool writeNodeEnd(DataWriter& writer)
{
    return writer.writeUInt32(0) == 4;
}

bool writeHeader(DataWriter& writer, const CollectionHeader& header)
{
    DataTreeNode node("HEDR");
    HeaderChunk::write(header, node);
    return node.write(writer);
}

uint32_t countMovies(const List<Movie*>& movies)
{
    uint32_t count = 0;
    for (const Movie* movie : movies) {
        if (movie)
            ++count;
    }
    return count;
}

// Each movie is built into a small tree of its own and written at once, so
// the whole collection never exists twice in memory.
bool writeMovies(DataWriter& writer, const List<Movie*>& movies)
{
    if (!writeNodeStart(writer, "MOVS", countMovies(movies)))
        return false;
    for (const Movie* movie : movies) {
        if (!movie)
            continue;
        DataTreeNode node("MOV_");
        MovieChunk::write(*movie, node);
        if (!node.write(writer))
            return false;
    }
    return writeNodeEnd(writer);
}

bool writeLoaners(DataWriter& writer, const LoanerList& loaners)
{
    if (!writeNodeStart(writer, "LONS", uint32_t(loaners.count())))
        return false;
    for (const Loaner& loaner : loaners) {
        DataTreeNode node("LNER");
        LoanerChunk::write(loaner, node);
        if (!node.write(writer))
            return false;
    }
    return writeNodeEnd(writer);
}

class FileSession
{
public:
    explicit FileSession(const String& path) : m_file(path), m_buffer(&m_file), m_writer(&m_buffer) {}

    DataWriter* begin()
    {
        if (!m_writer.attach())
            return nullptr;
        if (m_writer.writeRaw("RSDB", 4) != 4 || !writeNodeStart(m_writer, "ROOT", 3))
            return nullptr;
        return &m_writer;
    }

    bool finish()
    {
        bool ended = writeNodeEnd(m_writer);
        m_writer.detach();
        return ended && m_buffer.flush() && m_file.commit();
    }

private:
    SafeFileOutputStream m_file;
    BufferedOutputStream m_buffer;
    DataWriter m_writer;
};

} // namespace

bool CollectionWriter::write(const String& path, const CollectionHeader& header, const List<Movie*>& movies,
                             const LoanerList& loaners)
{
    if (path.isEmpty())
        return false;
    FileSession session(path);
    DataWriter* writer = session.begin();
    if (!writer || !writeHeader(*writer, header) || !writeMovies(*writer, movies) ||
        !writeLoaners(*writer, loaners))
        return false;
    return session.finish();
}

bool CollectionWriter::writeNew(const String& path, const String& author, const String& password,
                                const DateTime& createdUtc)
{
    if (path.isEmpty())
        return false;
    FileSession session(path);
    DataWriter* writer = session.begin();
    if (!writer)
        return false;
    DataTreeNode header("HEDR");
    HeaderChunk::writeNew(author, password, createdUtc, header);
    if (!header.write(*writer) || !writeNodeStart(*writer, "MOVS", 0) || !writeNodeEnd(*writer) ||
        !writeNodeStart(*writer, "LONS", 0) || !writeNodeEnd(*writer))
        return false;
    return session.finish();
}
