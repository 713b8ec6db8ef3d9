#pragma once

// The one place the model tests build their data: collection-file bytes made
// by hand from the format's tables (so the writer is checked against bytes it
// did not produce), test movies and loaners, and a folder for collections on
// disk in a fixed time zone.

#include "foundation/containers/List.h"
#include "model/collection/CollectionFile.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/StringTestHelpers.h"

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace collectiontest {

using Bytes = std::vector<uint8_t>;

// ---- Bytes of the chunk form: tag, size, data; nodes hold children, then values ----

// Little-endian words, packed here rather than with the program's own helper
// so that the golden tests do not share its mistakes.
inline Bytes ints(std::initializer_list<int32_t> values)
{
    Bytes out;
    for (int32_t value : values) {
        for (int i = 0; i < 4; ++i)
            out.push_back(uint8_t(uint32_t(value) >> (8 * i)));
    }
    return out;
}

inline Bytes text(const std::string& utf8)
{
    return Bytes(utf8.begin(), utf8.end());
}

inline Bytes value(const char* tag, const Bytes& data)
{
    Bytes out(tag, tag + 4);
    Bytes size = ints({int32_t(data.size())});
    out.insert(out.end(), size.begin(), size.end());
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

inline Bytes node(const char* tag, const std::vector<Bytes>& children, const std::vector<Bytes>& values)
{
    Bytes out(tag, tag + 4);
    for (const std::vector<Bytes>* part : {&children, &values}) {
        Bytes count = ints({int32_t(part->size())});
        out.insert(out.end(), count.begin(), count.end());
        for (const Bytes& item : *part)
            out.insert(out.end(), item.begin(), item.end());
    }
    return out;
}

inline Bytes file(const Bytes& root)
{
    Bytes out{'R', 'S', 'D', 'B'};
    out.insert(out.end(), root.begin(), root.end());
    return out;
}

// The format version 0.1 as a float.
inline Bytes version()
{
    return value("VRSN", Bytes{0xCD, 0xCC, 0xCC, 0x3D});
}

// A file of only a header (the given values after VRSN) and these movies.
inline Bytes collectionOf(const std::vector<Bytes>& headerValues, const std::vector<Bytes>& movies,
                          const std::vector<Bytes>& loaners = {})
{
    std::vector<Bytes> values{version()};
    values.insert(values.end(), headerValues.begin(), headerValues.end());
    return file(
        node("ROOT", {node("HEDR", {}, values), node("MOVS", movies, {}), node("LONS", loaners, {})}, {}));
}

// ---- Records ----

inline Movie* movieTitled(const char16_t* title, int32_t id)
{
    Movie* movie = new Movie;
    movie->title = String(title);
    movie->id = id;
    return movie;
}

// A movie with every field set, and the awkward cases: text beyond the basic
// plane, blank and padded list items, empty items in the record lists. Its
// times are local, in the zone of Workspace.
inline Movie* everyFieldMovie(int32_t id)
{
    Movie* movie = movieTitled(u"Am\u00e9lie \U0001F3AC", id);
    movie->created = DateTime(2010, 6, 1, 12, 0, 0, 0);
    movie->modified = DateTime(2011, 1, 15, 8, 30, 15, 250);
    movie->nclk = 3;
    movie->originalTitle = String(u"Le Fabuleux Destin");
    movie->genres = listOf({u" Drama", u"Comedy "});
    movie->studios = listOf({u" Drama"});
    movie->countries = listOf({u"", u"USA", u" ", u"UK"});
    movie->year = 2001;
    movie->runningTime = 122;
    movie->colour = 1;
    movie->format = String(u"DVD");
    movie->barcode = String(u"3259190281929");
    movie->cast.append(CastItem{String(u"Audrey Tautou"), String(u"Am\u00e9lie Poulain")});
    movie->cast.append(CastItem());
    movie->crew.append(CrewItem{CrewItem::kDirector, String(), String(u"Jean-Pierre Jeunet")});
    movie->crew.append(CrewItem{CrewItem::kWriter, String(u"u"), String(u"Guillaume Laurant")});
    Cover front(String(u"front.png"));
    front.kind = Cover::kFront;
    movie->covers.append(front);
    movie->plot = String(u"Paris, 1997.\r\nLine two.");
    movie->links.append(
        MovieLink{MovieLink::kOnline, String(u"Site"), String(u"https://example.org"), false});
    movie->links.append(MovieLink{MovieLink::kLocal, String(), String(u"D:\\M\\a.mkv"), true});
    movie->episodes.append(
        Episode{1, 2, 2001, 4, 25, String(u"Pilot"), String(u"p"), String(u"f"), String(u"u")});
    movie->mpaaRating = String(u"R");
    movie->imdbRating = 8.5f;
    movie->notes = String(u"n");
    movie->tags = listOf({u"gift"});
    movie->purchasePrice = String(u"12,99 \u20ac");
    movie->seen = true;
    movie->myRating = 10.0f;
    movie->colorLabel = 3;
    movie->cardStyle.backgroundColor = Color(0x80112233u);
    movie->cardStyle.backgroundImage = String(u"bg.png");
    movie->cardStyle.textColor = Color(255, 0, 0);
    movie->cardStyle.linkColor = Color(0x01020304u);
    movie->cardStyle.fontFamily = String(u"Georgia");
    movie->cardStyle.fontSize = 14;
    return movie;
}

// The same movie as it reads back: list items trimmed, blank ones gone; a
// single item is stored, and so read, as it is.
inline Movie* everyFieldMovieAsRead(int32_t id)
{
    Movie* movie = everyFieldMovie(id);
    movie->genres = listOf({u"Drama", u"Comedy"});
    movie->countries = listOf({u"USA", u"UK"});
    return movie;
}

// A loaner with a returned loan and one still out.
inline Loaner everyFieldLoaner()
{
    Loaner loaner;
    loaner.name = String(u"Zo\u00eb");
    loaner.address = String(u"1 Main St");
    loaner.email = String(u"a@x.org");
    loaner.phone = String(u"555");
    loaner.loans.append(Loan{5, Date(2024, 1, 1), Date(2024, 1, 15), Date(2024, 1, 10), String(u"ok")});
    loaner.loans.append(Loan{77, Date(2024, 2, 29), Date(2024, 3, 14), Date(), String()});
    return loaner;
}

// ---- Collections on disk ----

// The movies and loaners of one open collection; the movies are deleted with it.
struct Contents
{
    Contents() = default;
    Contents(const Contents&) = delete;
    ~Contents() { clear(); }
    void clear()
    {
        for (Movie* movie : movies)
            delete movie;
        movies.clear();
        loaners.clear();
    }
    // The test collection: a movie with every field, one with none, a loaner
    // with loans (one of a movie that is gone) and one without.
    void fill(bool asRead = false)
    {
        movies.append(asRead ? everyFieldMovieAsRead(1) : everyFieldMovie(1));
        movies.append(new Movie);
        movies.last()->value->id = 2;
        loaners.append(everyFieldLoaner());
        loaners.append(Loaner());
        loaners.last()->value.name = String(u"Nobody");
    }
    Movie& add(const String& title)
    {
        Movie* movie = new Movie;
        movie->title = title;
        movie->id = movies.count() + 1;
        movies.append(movie);
        return *movie;
    }
    std::vector<int32_t> ids() const
    {
        std::vector<int32_t> result;
        for (const Movie* movie : movies)
            result.push_back(movie->id);
        return result;
    }

    List<Movie*> movies;
    LoanerList loaners;
};

// Natively the tests run in the zone the Windows tests run in, Central
// European time (UTC+1, summer UTC+2), so that local times on disk mean the
// same in both builds.
inline void useTestZone()
{
#ifndef _WIN32
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
#endif
}

// A folder for collections, removed afterwards.
class Workspace
{
public:
    Workspace() { useTestZone(); }
    String folder() const { return iotest::toPath(m_dir.path()); }
    String path(const std::string& relative) const { return iotest::pathIn(m_dir, relative); }
    std::string native(const std::string& relative) const { return iotest::nativeIn(m_dir, relative); }
    Bytes bytes(const std::string& relative) const { return iotest::readFileBytes(native(relative)); }
    bool put(const std::string& relative, const Bytes& content) const
    {
        return iotest::writeFileBytes(native(relative), content);
    }

    // Creates the collection name (author "abc", created 2010-06-01 10:00
    // UTC) and opens it into contents; the path of its file, or empty.
    String open(CollectionFile& file, const char16_t* name, Contents& contents) const
    {
        if (!file.create(String(name), String(u"abc"), String(), DateTime(2010, 6, 1, 10, 0, 0, 0)))
            return String();
        String at = file.filePathFor(String(name));
        return file.read(at, contents.movies, contents.loaners) ? at : String();
    }

    // The test collection saved as "Full" with ids up to 2 handed out and
    // movie 1 selected; the path of its file, or empty.
    String saveFull() const
    {
        CollectionFile file(folder());
        Contents contents;
        String at = open(file, u"Full", contents);
        file.nextMovieId();
        file.nextMovieId();
        file.setSelectedMovieId(1);
        contents.fill();
        return !at.isEmpty() && file.write(contents.movies, contents.loaners) ? at : String();
    }

private:
    testsupport::TempDir m_dir;
};

} // namespace collectiontest
