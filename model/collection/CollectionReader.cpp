#include "model/collection/CollectionReader.h"

#include "foundation/data/DataTree.h"
#include "foundation/io/DataReader.h"
#include "foundation/io/FileInputStream.h"
#include "foundation/io/BufferedInputStream.h"
#include "model/collection/ChunkStream.h"
#include "model/collection/HeaderChunk.h"
#include "model/collection/LoanerChunk.h"
#include "model/collection/MovieChunk.h"
#include "model/records/Movie.h"

#include <cstring>
#include <utility>

CollectionReader::~CollectionReader()
{
    clear();
}

void CollectionReader::clear()
{
    for (Movie* movie : m_movies)
        delete movie;
    m_movies.clear();
    m_loaners.clear();
    m_header = CollectionHeader();
    m_hasHeader = false;
    m_hasMovies = false;
    m_hasLoaners = false;
}

bool CollectionReader::read(const String& path, Content content)
{
    clear();
    m_content = content;
    FileInputStream file(path);
    BufferedInputStream buffered(&file);
    DataReader reader(&buffered);
    char fileTag[5];
    bool ok = reader.attach() && ChunkStream::readTag(reader, fileTag) && std::strcmp(fileTag, "RSDB") == 0 &&
              readRoot(reader) && (isDone() || reader.remaining() == 0);
    if (!ok)
        clear();
    return ok;
}

bool CollectionReader::readRoot(DataReader& reader)
{
    char tag[5];
    uint32_t count = 0;
    if (!ChunkStream::readTag(reader, tag) ||
        !ChunkStream::readCount(reader, ChunkStream::kMinNodeBytes, count))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        if (!readRootChild(reader))
            return false;
        if (isDone())
            return true;
    }
    return ChunkStream::skipValues(reader);
}

bool CollectionReader::readRootChild(DataReader& reader)
{
    char tag[5];
    if (!ChunkStream::peekTag(reader, tag))
        return false;
    if (std::strcmp(tag, "MOVS") == 0 && !m_hasMovies) {
        m_hasMovies = true;
        return readMovies(reader);
    }
    DataTreeNode node;
    if (!node.read(reader, 1))
        return false;
    if (std::strcmp(tag, "HEDR") == 0 && !m_hasHeader) {
        m_hasHeader = true;
        HeaderChunk::read(node, m_header);
    } else if (std::strcmp(tag, "LONS") == 0 && !m_hasLoaners) {
        m_hasLoaners = true;
        readLoaners(node);
    }
    return true;
}

bool CollectionReader::readMovies(DataReader& reader)
{
    char tag[5];
    uint32_t count = 0;
    if (!ChunkStream::readTag(reader, tag) ||
        !ChunkStream::readCount(reader, ChunkStream::kMinNodeBytes, count))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        Movie* movie = new Movie;
        if (!MovieChunk::read(reader, 2, *movie)) {
            delete movie;
            return false;
        }
        m_movies.append(movie);
    }
    return ChunkStream::skipValues(reader);
}

void CollectionReader::readLoaners(const DataTreeNode& node)
{
    for (const DataTreeNode* child : node.children())
        LoanerChunk::read(*child, m_loaners.append(Loaner())->value);
}

void CollectionReader::takeMovies(List<Movie*>& target)
{
    for (Movie* movie : m_movies)
        target.append(movie);
    m_movies.clear();
}

void CollectionReader::takeLoaners(LoanerList& target)
{
    for (Loaner& loaner : m_loaners)
        target.append(Loaner())->value = std::move(loaner);
    m_loaners.clear();
}
