#pragma once

#include "foundation/containers/List.h"
#include "model/collection/CollectionHeader.h"
#include "model/records/LoanerList.h"

class ChunkInput;
class DataTreeNode;
class Movie;
class String;

// Reads a whole collection file into records of its own. The file must be one
// well-formed "RSDB" tree with nothing after it; the movies are read one node
// at a time, so the file's tree never stands in memory beside them. The
// first HEDR, MOVS and LONS under the root count; any other node or value is
// checked and skipped. What was read stays here until it is taken.
class CollectionReader
{
public:
    enum Content
    {
        kHeaderOnly = 0,
        kEverything = 1
    };

    CollectionReader() = default;
    ~CollectionReader();
    CollectionReader(const CollectionReader&) = delete;
    CollectionReader& operator=(const CollectionReader&) = delete;

    // False for a missing or damaged file; everything read is then dropped.
    // With kHeaderOnly reading stops once the header is in, so a look at a
    // large collection's header costs nothing, and damage further on is
    // left for the open to find.
    bool read(const String& path, Content content);

    bool hasHeader() const { return m_hasHeader; }
    const CollectionHeader& header() const { return m_header; }
    List<Movie*>& movies() { return m_movies; }
    // Moves what was read to the ends of the caller's lists.
    void takeMovies(List<Movie*>& target);
    void takeLoaners(LoanerList& target);

private:
    void clear();
    bool readRoot(ChunkInput& input);
    bool isDone() const { return m_content == kHeaderOnly && m_hasHeader; }
    bool readRootChild(ChunkInput& input);
    bool readMovies(ChunkInput& input);
    void readLoaners(const DataTreeNode& node);

    Content m_content = kEverything;
    bool m_hasHeader = false;
    bool m_hasMovies = false;
    bool m_hasLoaners = false;
    CollectionHeader m_header;
    List<Movie*> m_movies;
    LoanerList m_loaners;
};
