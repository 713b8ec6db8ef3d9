#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"
#include "model/extractors/MovieSite.h"
#include "model/extractors/PageTextRun.h"
#include "model/extractors/SearchResult.h"

#include <cstdint>

class CastItemList;
class HttpResponse;
class ImageDownloader;
class Movie;
class ResultChooser;
class UIWidget;

// Fetches a movie's data from one edition of the movie database site: from a
// title typed by the user through the site's search and the chosen result's
// title page to a filled Movie. It carries the page reader (fetch, text runs
// and the queries over them) that the site extractors' rules use. Failures
// are results: nothing is thrown and the Movie is left as it was.
class MovieExtractor
{
public:
    // Extract option bits: each enables one group of fields.
    static constexpr uint32_t kOriginalTitle = 0x0001;
    static constexpr uint32_t kGenres = 0x0002;
    static constexpr uint32_t kStudios = 0x0004;
    static constexpr uint32_t kCountries = 0x0008;
    static constexpr uint32_t kLanguages = 0x0010;
    static constexpr uint32_t kYear = 0x0020;
    static constexpr uint32_t kSiteRating = 0x0040;
    static constexpr uint32_t kMpaaRating = 0x0080;
    static constexpr uint32_t kPoster = 0x0100;
    static constexpr uint32_t kCast = 0x0200;
    static constexpr uint32_t kCrew = 0x0400;
    static constexpr uint32_t kEpisodes = 0x0800;
    static constexpr uint32_t kRunningTime = 0x1000;
    static constexpr uint32_t kColour = 0x2000;
    static constexpr uint32_t kPlot = 0x4000;
    static constexpr uint32_t kLinks = 0x8000;
    static constexpr uint32_t kAllOptions = 0xFFFF;

    // Results of extract.
    static constexpr int kNothing = 0;
    static constexpr int kCancelled = 1;
    static constexpr int kExtracted = 2;

    // The most one answer may hold, headers included.
    static constexpr int kMaxAnswerBytes = 3 * 1048576;
    static constexpr int kTimeoutSeconds = 10;

    explicit MovieExtractor(const MovieSite& site);
    virtual ~MovieExtractor() = default;
    MovieExtractor(const MovieExtractor&) = delete;
    MovieExtractor& operator=(const MovieExtractor&) = delete;

    // ---- The edition ----
    const String& siteName() const { return m_site.siteName; }
    // Where the edition is read from; tests point it at a loopback server.
    void setSite(const MovieSite& site) { m_site = site; }
    const String& host() const { return m_site.host; }
    const String& languageName() const { return m_languageName; }
    const String& languageCode() const { return m_languageCode; }
    const String& acceptLanguage() const { return m_acceptLanguage; }
    // "site (language)".
    String displayName() const;

    void setOptions(uint32_t mask) { m_options = mask; }
    uint32_t options() const { return m_options; }
    uint32_t supportedOptions() const { return m_supportedOptions; }

    // Asked when a search offers several results; none means such a search
    // counts as cancelled. Not owned.
    void setChooser(ResultChooser* chooser) { m_chooser = chooser; }
    ResultChooser* chooser() const { return m_chooser; }
    // Where posters are stored; none means posters are not fetched. Not owned.
    void setImageDownloader(const ImageDownloader* downloader) { m_downloader = downloader; }
    const ImageDownloader* imageDownloader() const { return m_downloader; }

    // Reads the replace table (pairs of texts found in runs and their
    // replacements); a missing or unreadable file leaves it empty. The
    // constructor reads "data/replace-table.xml" in the program folder.
    bool loadReplaceTable(const String& path);
    int replacementCount() const { return m_replaceBefore.count(); }

    // ---- One extraction ----
    // kNothing, kCancelled or kExtracted.
    int extract(UIWidget* parent, const String& query, Movie& movie, bool clear, bool automatic);
    void reset();
    bool chooseResult(bool automatic, bool& cancelled);

    const String& query() const { return m_query; }
    const String& encodedQuery() const { return m_encodedQuery; }
    const SearchResultList& results() const { return m_results; }
    const SearchResult& chosen() const { return m_chosen; }
    // The query as it goes into the search path.
    static String encodeQuery(const String& query);

    // ---- The page reader ----
    // Fetches path from the host and fills the page text and runs; a "302"
    // answer fills redirect instead and makes no runs.
    bool fetchPage(const String& path, const String& startMarker, const String& endMarker, String& redirect);
    // The part of fetchPage after the exchange: the answer's status, charset
    // and body into the page text and runs, or its redirect.
    bool readAnswer(const HttpResponse& response, const String& startMarker, const String& endMarker,
                    String& redirect);
    // The runs from the start marker's first occurrence on; false without
    // page text or start marker.
    bool htmlToRuns(const String& startMarker, const String& endMarker);
    void cleanText(PageTextRun& run) const;
    void setPageText(const String& text) { m_pageText = text; }
    const String& pageText() const { return m_pageText; }
    const PageTextRunList& runs() const { return m_runs; }

    struct Match
    {
        bool found = false;
        int start = 0;
        int end = 0;
    };
    // The text between the markers, both found in [from, to); match is set
    // only when both are.
    static String textBetween(const String& text, Match& match, int from, int to, const String& startMarker,
                              const String& endMarker);
    // At a '<' of text: the characters to the end of a script or style
    // element (the rest of the text when it is not closed); 0 for any other tag.
    static int skipScriptOrStyle(const String& text, int position);
    static String trimQuotes(const String& text);

    // ---- Queries over the runs (case-sensitive; a from below 0 means 0) ----
    const PageTextRun* findRunByText(const String& text) const;
    int indexOfRunContaining(const String& needle, int from) const;
    int indexOfRunEqualTo(const String& needle, int from) const;
    int indexOfRunWithHref(const String& needle, int from) const;
    const PageTextRun* runAt(int index) const;
    // Empty past the end; an index below 0 reads the first run.
    String runText(int index) const;
    // The non-empty texts of runs whose href contains needle, from from on;
    // a maximum above 0 limits how many runs are examined; a from of -1 (a
    // marker not found) gives none.
    StringList linkTextsWithHref(const String& needle, int from, int maximum) const;
    StringList runTextsContaining(const String& needle, int from, int maximum) const;

protected:
    virtual bool search() = 0;
    virtual bool extractDetails(Movie& movie) = 0;
    virtual bool extractEpisodes(Movie& movie, CastItemList& seasons) = 0;

    void setLanguage(const String& name, const String& code, const String& acceptLanguage);
    // Whether the options in force enable the field group of that bit.
    bool wants(uint32_t option) const { return (m_options & option) != 0; }
    // The search every edition runs with its own markers: one result per
    // distinct title link, or the redirect's address when the site went
    // straight to a title.
    bool searchTitles(const String& startMarker, const String& endMarker);
    // The text of the run at index; empty outside the list, so that a rule
    // reading next to a marker in the first or last run finds nothing.
    String textAt(int index) const;
    const MovieSite& site() const { return m_site; }
    // ---- Rules every edition shares ----
    // The chosen result's title page path ("http://" addresses reduced).
    String chosenPath() const;
    // Actors from start on: each "/name/" link with text, its character
    // after a "..." run, carried on by plain texts and "/character/" links
    // until a run holding one of stops. Empties the cast first; a start of
    // -1 leaves it empty.
    void readCastFrom(Movie& movie, int start, const StringList& stops) const;
    // The texts of runs [from, to) as one text: a blank between pieces,
    // none before closing punctuation.
    String joinedTexts(int from, int to) const;
    // What the page left empty comes from the chosen result: a title the
    // page did not show stays as the user typed it, and only an empty one
    // takes the result's (which is empty after a search that went straight
    // to a title page).
    void takeChosenTitleAndYear(Movie& movie) const;
    // The link to the chosen title's page on the site.
    void addSiteLink(Movie& movie) const;
    // "Company, The" becomes "The Company"; ", The" inside a name stays.
    static String theInFront(const String& name);
    // Downloads the picture at address as the movie's poster; an address that
    // gives no stored file leaves the covers as they were.
    void storePoster(Movie& movie, const String& address);

private:
    void appendRun(PageTextRun& run, bool& textHasContent);
    bool hasResultLink(const String& link) const;
    StringList matchingTexts(bool byHref, const String& needle, int from, int maximum) const;

    MovieSite m_site;
    uint32_t m_options = 0;
    uint32_t m_supportedOptions = kAllOptions;
    StringList m_replaceBefore;
    StringList m_replaceAfter;
    String m_acceptLanguage = String(u"en-us,en");
    String m_languageName;
    String m_languageCode;
    String m_query;
    String m_encodedQuery;
    String m_pageText;
    PageTextRunList m_runs;
    SearchResultList m_results;
    SearchResult m_chosen;
    UIWidget* m_parent = nullptr;
    ResultChooser* m_chooser = nullptr;
    const ImageDownloader* m_downloader = nullptr;
};
