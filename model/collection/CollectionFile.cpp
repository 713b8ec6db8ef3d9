#include "model/collection/CollectionFile.h"

#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "foundation/io/SafeFileOutputStream.h"
#include "foundation/time/DateTime.h"
#include "model/collection/CollectionReader.h"
#include "model/collection/CollectionWriter.h"
#include "model/collection/HeaderChunk.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"

#include <algorithm>
#include <climits>
#include <unordered_set>
#include <vector>

namespace {

const char16_t kExtension[] = u"rsdb";

bool isPlainName(const String& name)
{
    return isUsableFileName(name) && !name.contains(String(u".."), String::kCaseSensitive);
}

// Movies with an id that an earlier movie has get fresh ids above every id in
// the file, and the counter never falls below an id in use, so a movie added
// later cannot take an id that a loan or another movie already means.
bool repairMovieIds(List<Movie*>& movies, CollectionHeader& header)
{
    // The ids in one sorted block tell which ones repeat, without a block
    // per movie; only the repeated ones are then followed in list order.
    std::vector<int32_t> ids;
    ids.reserve(size_t(movies.count()));
    for (const Movie* movie : movies) {
        ids.push_back(movie->id);
        if (movie->id > header.lastMovieId)
            header.lastMovieId = movie->id;
    }
    std::sort(ids.begin(), ids.end());
    std::vector<int32_t> repeated;
    for (size_t i = 1; i < ids.size(); ++i) {
        if (ids[i] == ids[i - 1] && (repeated.empty() || repeated.back() != ids[i]))
            repeated.push_back(ids[i]);
    }
    std::unordered_set<int32_t> kept;
    for (Movie* movie : movies) {
        if (!std::binary_search(repeated.begin(), repeated.end(), movie->id) || kept.insert(movie->id).second)
            continue;
        if (header.lastMovieId == INT32_MAX)
            return false;
        movie->id = ++header.lastMovieId;
    }
    return true;
}

} // namespace

CollectionFile::CollectionFile(const String& userDataDirectory) : m_userDataDirectory(userDataDirectory) {}

String CollectionFile::extension()
{
    return String(kExtension);
}

bool CollectionFile::isValidName(const String& name) const
{
    if (!isPlainName(name) || String::equalsIgnoreCase(name, String(u"backup")))
        return false;
    String path = m_userDataDirectory;
    path.appendChar(kPathSeparator).append(name).appendChar(kPathSeparator).append(name);
    path.appendChar(u'.').append(extension());
    return isPathLengthValid(path);
}

String CollectionFile::filePathFor(const String& name) const
{
    if (!isValidName(name))
        return String();
    String path = m_userDataDirectory;
    path.appendChar(kPathSeparator).append(name).appendChar(kPathSeparator).append(name);
    path.appendChar(u'.').append(extension());
    return path;
}

String CollectionFile::name() const
{
    return m_path.isEmpty() ? String() : pathBaseName(m_path);
}

String CollectionFile::directory() const
{
    return m_path.isEmpty() ? String() : pathDirectory(m_path);
}

int32_t CollectionFile::nextMovieId()
{
    if (m_header.lastMovieId == INT32_MAX)
        return 0;
    return ++m_header.lastMovieId;
}

bool CollectionFile::create(const String& name, const String& author, const String& password)
{
    return create(name, author, password, DateTime::nowUtc());
}

bool CollectionFile::create(const String& name, const String& author, const String& password,
                            const DateTime& createdUtc)
{
    String path = filePathFor(name);
    if (path.isEmpty() || File::exists(path))
        return false;
    // A folder that cannot be made shows in the save that then fails.
    String folder = pathDirectory(path);
    Directory::create(m_userDataDirectory);
    Directory::create(folder);
    Directory::create(String(folder).appendChar(kPathSeparator).append(String(u"Images")));
    Directory::create(String(folder).appendChar(kPathSeparator).append(String(u"Thumbnails")));
    return CollectionWriter::writeNew(path, author, password, createdUtc);
}

bool CollectionFile::isCollectionFile(const String& path)
{
    return File::exists(path) && File::size(path) > 0 &&
           String::equals(pathExtension(path, 1), String(kExtension));
}

String CollectionFile::peekPassword(const String& path) const
{
    if (!isCollectionFile(path))
        return String();
    CollectionReader reader;
    if (!reader.read(path, CollectionReader::kHeaderOnly) || reader.header().version != HeaderChunk::kVersion)
        return String();
    return reader.header().password;
}

bool CollectionFile::read(const String& path, List<Movie*>& movies, LoanerList& loaners)
{
    return read(path, nullptr, movies, loaners);
}

bool CollectionFile::read(const String& path, CollectionReader* readAlready, List<Movie*>& movies,
                          LoanerList& loaners)
{
    close();
    if (!isCollectionFile(path))
        return false;
    SafeFileOutputStream::removeStaleTemporaries(path);
    CollectionReader own;
    CollectionReader& reader = readAlready ? *readAlready : own;
    if (!readAlready && !own.read(path, CollectionReader::kEverything))
        return false;
    if (reader.header().version != HeaderChunk::kVersion)
        return false;
    CollectionHeader header = reader.header();
    if (!repairMovieIds(reader.movies(), header))
        return false;
    m_path = path;
    m_header = header;
    reader.takeMovies(movies);
    reader.takeLoaners(loaners);
    return true;
}

bool CollectionFile::write(const List<Movie*>& movies, const LoanerList& loaners) const
{
    if (m_path.isEmpty())
        return false;
    SafeFileOutputStream::removeStaleTemporaries(m_path);
    return CollectionWriter::write(m_path, m_header, movies, loaners);
}

void CollectionFile::close()
{
    m_path.clear();
    m_header = CollectionHeader();
}
