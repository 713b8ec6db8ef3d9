#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"

#include <cstddef>
#include <cstdint>

class LoanerList;
class Movie;
struct CollectionHeader;

// A made-up collection of realistic size for benchmarks, tests and the
// collection tool: titles with accents, a few genres, countries and
// languages, 10-30 cast and 5-10 crew, 1-3 covers, links, a plot of several
// hundred characters, every tenth movie a series with episodes, and loaners
// with returned and open loans. The same seed gives the same collection.
class SampleCollection
{
public:
    explicit SampleCollection(uint32_t seed);

    // Appends count movies with the ids 1 to count, and their loaners; the
    // header's counter ends at count.
    void make(int count, CollectionHeader& header, List<Movie*>& movies, LoanerList& loaners);

    // Writes a collection of count movies into folder as a real one is laid
    // out: the file named like the folder with the extension "rsdb", beside
    // empty "Images" and "Thumbnails" folders. The file's path, or empty when
    // it could not be written.
    static String write(int count, uint32_t seed, const String& folder);

private:
    uint32_t next();
    int between(int low, int high);
    int below(int count);
    template <size_t N> const char16_t* pick(const char16_t* const (&words)[N])
    {
        return words[below(int(N))];
    }
    String personName();
    String sentence();
    String paragraph(int minLength);
    String title();
    void fillMovie(Movie& movie, int id);
    void addCastAndCrew(Movie& movie);
    void addCoversAndLinks(Movie& movie);
    void addEpisodes(Movie& movie);
    void addLoaners(int movieCount, LoanerList& loaners);

    uint64_t m_state;
};
