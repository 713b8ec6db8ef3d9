#include "model/collection/CollectionReader.h"

#include "foundation/data/DataTree.h"
#include "foundation/io/FileInputStream.h"
#include "model/collection/ChunkInput.h"
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
    ChunkInput input(&file);
    char fileTag[5];
    bool ok = input.isOpen() && ChunkStream::readTag(input, fileTag) && std::strcmp(fileTag, "RSDB") == 0 &&
              readRoot(input) && (isDone() || input.left() == 0);
    if (!ok)
        clear();
    return ok;
}

bool CollectionReader::readRoot(ChunkInput& input)
{
    char tag[5];
    uint32_t count = 0;
    if (!ChunkStream::readTag(input, tag) ||
        !ChunkStream::readCount(input, ChunkStream::kMinNodeBytes, count))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        if (!readRootChild(input))
            return false;
        if (isDone())
            return true;
    }
    return ChunkStream::skipValues(input);
}

bool CollectionReader::readRootChild(ChunkInput& input)
{
    char tag[5];
    if (!ChunkStream::peekTag(input, tag))
        return false;
    if (std::strcmp(tag, "MOVS") == 0 && !m_hasMovies) {
        m_hasMovies = true;
        return readMovies(input);
    }
    DataTreeNode node;
    if (!node.read(input.reader(), 1))
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

bool CollectionReader::readMovies(ChunkInput& input)
{
    char tag[5];
    uint32_t count = 0;
    if (!ChunkStream::readTag(input, tag) ||
        !ChunkStream::readCount(input, ChunkStream::kMinNodeBytes, count))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        Movie* movie = new Movie;
        if (!MovieChunk::read(input, 2, *movie)) {
            delete movie;
            return false;
        }
        m_movies.append(movie);
    }
    return ChunkStream::skipValues(input);
}

void CollectionReader::readLoaners(const DataTreeNode& node)
{
    for (const DataTreeNode* child : node.children())
        LoanerChunk::read(*child, m_loaners.append(Loaner())->value);
}

void CollectionReader::takeMovies(List<Movie*>& target)
{
    // The usual case hands over the nodes rather than making new ones.
    if (target.isEmpty()) {
        target = std::move(m_movies);
        return;
    }
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
