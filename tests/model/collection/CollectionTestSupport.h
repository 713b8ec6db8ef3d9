#pragma once

// What the collection tests share: a fixed time zone, a place for
// collections on disk, and lists that own the movies read into them.

#include "foundation/containers/List.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"
#include "tests/foundation/io/IoTestSupport.h"
#include "tests/model/collection/ChunkBytes.h"

#include <cstdlib>
#include <ctime>
#include <string>

namespace collectiontest {

// Central European time (UTC+1, summer UTC+2), the zone the Windows tests
// run in; natively it is set for the scope.
class ZoneScope
{
public:
    ZoneScope()
    {
#ifndef _WIN32
        const char* previous = std::getenv("TZ");
        m_hadZone = previous != nullptr;
        m_previous = previous ? previous : "";
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
#endif
    }
    ~ZoneScope()
    {
#ifndef _WIN32
        if (m_hadZone)
            setenv("TZ", m_previous.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
#endif
    }
    ZoneScope(const ZoneScope&) = delete;
    ZoneScope& operator=(const ZoneScope&) = delete;

private:
    bool m_hadZone = false;
    std::string m_previous;
};

// The movies and loaners of one open collection; the movies are deleted with it.
struct Contents
{
    Contents() = default;
    Contents(const Contents&) = delete;
    Contents& operator=(const Contents&) = delete;
    ~Contents() { clear(); }

    void clear()
    {
        for (Movie* movie : movies)
            delete movie;
        movies.clear();
        loaners.clear();
    }

    List<Movie*> movies;
    LoanerList loaners;
};

// A folder for collections and files, removed afterwards.
class Workspace
{
public:
    String folder() const { return iotest::toPath(m_dir.path()); }
    String path(const std::string& relative) const { return iotest::pathIn(m_dir, relative); }
    std::string native(const std::string& relative) const { return iotest::nativeIn(m_dir, relative); }
    Bytes bytes(const std::string& relative) const { return iotest::readFileBytes(native(relative)); }
    bool put(const std::string& relative, const Bytes& content) const
    {
        return iotest::writeFileBytes(native(relative), content);
    }

private:
    testsupport::TempDir m_dir;
};

} // namespace collectiontest
