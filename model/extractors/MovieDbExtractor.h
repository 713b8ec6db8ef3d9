#pragma once

#include "model/extractors/MovieExtractor.h"

// Reads movie data from the English edition of the movie database site: its
// search page, a title page with every field group, and a series' episode
// list pages. Each field is found by the fixed English marker texts of the
// site's pages.
class MovieDbExtractor : public MovieExtractor
{
public:
    explicit MovieDbExtractor(const MovieSite& site = MovieSite::english());

    // "Jan. 5, 2010" style dates; out-of-range parts become 0. False only
    // for an empty text or one not of three parts (the outputs are then
    // untouched or zero).
    static bool parseAirDate(const String& text, int32_t& year, int32_t& month, int32_t& day);

    // Fills the groups the options enable from the title page's runs (read
    // by fetchPage or htmlToRuns); series' seasons are fetched from the site.
    void readDetails(Movie& movie);

protected:
    bool search() override;
    bool extractDetails(Movie& movie) override;
    bool extractEpisodes(Movie& movie, CastItemList& seasons) override;

private:
    void readTitleAndYear(Movie& movie) const;
    void readOriginalTitle(Movie& movie) const;
    void readRunningTime(Movie& movie) const;
    void readColour(Movie& movie) const;
    void readLists(Movie& movie) const;
    void readCast(Movie& movie) const;
    void readCrew(Movie& movie) const;
    void readPlot(Movie& movie) const;
    void readLinks(Movie& movie) const;
    void readMpaaRating(Movie& movie) const;
    void readSiteRating(Movie& movie) const;
    void readPoster(Movie& movie);
    void readEpisodes(Movie& movie);
    bool readSeason(Movie& movie, const String& path);
};
