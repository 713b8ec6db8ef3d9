#pragma once

#include "model/extractors/MovieExtractor.h"
#include "model/extractors/SiteMarkers.h"

// Reads movie data from the German, Italian, Spanish or French edition of the
// movie database site: the English search with the edition's markers, and
// title pages read by rules of their own. Series' episodes are not read.
class LocalizedMovieDbExtractor : public MovieExtractor
{
public:
    // "de", "it", "es" or "fr"; any other code makes an extractor without
    // host or markers, whose searches fail.
    explicit LocalizedMovieDbExtractor(const String& code);
    LocalizedMovieDbExtractor(const String& code, const MovieSite& site);

    const SiteMarkers& markers() const { return m_markers; }
    // The English pages' air dates ("Jan. 5, 2010"), read by the same rules.
    static bool parseAirDate(const String& text, int32_t& year, int32_t& month, int32_t& day);
    // Fills the groups the options enable from the title page's runs; the
    // poster is read from the site's picture viewer.
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
    void readCrew(Movie& movie) const;
    void readPlot(Movie& movie) const;
    void readMpaaRating(Movie& movie) const;
    void readSiteRating(Movie& movie) const;
    void readPoster(Movie& movie);
    // The parts of the text of the run after the first run equal to label,
    // split at " | "; empty when the label is missing.
    StringList partsAfter(const String& label) const;

    SiteMarkers m_markers;
    StringList m_castStops;
};
