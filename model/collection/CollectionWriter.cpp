#include "model/collection/CollectionWriter.h"

#include "foundation/io/DataWriter.h"
#include "foundation/io/SafeFileOutputStream.h"
#include "foundation/io/BufferedOutputStream.h"
#include "model/collection/ChunkWriter.h"
#include "model/collection/CollectionHeader.h"
#include "model/collection/HeaderChunk.h"
#include "model/collection/LoanerChunk.h"
#include "model/collection/MovieChunk.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"

namespace {

uint32_t countMovies(const List<Movie*>& movies)
{
    uint32_t count = 0;
    for (const Movie* movie : movies) {
        if (movie)
            ++count;
    }
    return count;
}

// Writes the file through a temporary one beside the target; the target is
// replaced only when the writer stayed good to the end and every byte landed.
class FileSession
{
public:
    explicit FileSession(const String& path) : m_file(path), m_buffer(&m_file), m_writer(&m_buffer) {}

    bool begin() { return m_writer.attach() && m_writer.writeRaw("RSDB", 4) == 4; }

    bool finish(const ChunkWriter& chunks)
    {
        m_writer.detach();
        return chunks.isComplete() && m_buffer.flush() && m_file.commit();
    }

    DataWriter& writer() { return m_writer; }

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
    if (!session.begin())
        return false;
    ChunkWriter out(session.writer());
    out.beginNode("ROOT", 3, 0);
    HeaderChunk::write(header, out);
    out.beginNode("MOVS", countMovies(movies), 0);
    for (const Movie* movie : movies) {
        if (movie && out.isGood())
            MovieChunk::write(*movie, out);
    }
    out.endNode();
    out.beginNode("LONS", uint32_t(loaners.count()), 0);
    for (const Loaner& loaner : loaners)
        LoanerChunk::write(loaner, out);
    out.endNode();
    out.endNode();
    return session.finish(out);
}

bool CollectionWriter::writeNew(const String& path, const String& author, const String& password,
                                const DateTime& createdUtc)
{
    if (path.isEmpty())
        return false;
    FileSession session(path);
    if (!session.begin())
        return false;
    ChunkWriter out(session.writer());
    out.beginNode("ROOT", 3, 0);
    HeaderChunk::writeNew(author, password, createdUtc, out);
    out.beginNode("MOVS", 0, 0);
    out.endNode();
    out.beginNode("LONS", 0, 0);
    out.endNode();
    out.endNode();
    return session.finish(out);
}
