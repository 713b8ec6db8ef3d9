#include "model/extractors/MovieExtractor.h"

#include "foundation/core/AppCore.h"
#include "foundation/io/Path.h"
#include "foundation/net/Url.h"
#include "foundation/xml/XmlDocument.h"
#include "foundation/xml/XmlElement.h"
#include "model/extractors/ImageDownloader.h"
#include "model/extractors/ResultChooser.h"
#include "model/records/Movie.h"

namespace {

const int kCaseSensitive = 1;

String replaced(const String& text, const char16_t* from, const char16_t* to)
{
    return text.replace(String(from), String(to), kCaseSensitive);
}

} // namespace

MovieExtractor::MovieExtractor(const MovieSite& site) : m_site(site)
{
    AppCore* core = AppCore::instance();
    if (core && !core->appDirectory().isEmpty())
        loadReplaceTable(core->appDirectory() + u"/data/replace-table.xml");
}

String MovieExtractor::displayName() const
{
    return m_site.siteName + u" (" + m_languageName + u")";
}

void MovieExtractor::setLanguage(const String& name, const String& code, const String& acceptLanguage)
{
    m_languageName = name;
    m_languageCode = code;
    m_acceptLanguage = acceptLanguage;
}

bool MovieExtractor::loadReplaceTable(const String& path)
{
    m_replaceBefore.clear();
    m_replaceAfter.clear();
    XmlDocument document;
    if (!document.loadFromFile(path, 3))
        return false;
    XmlElement* pairs = document.root().child(String(u"pairs"));
    if (!pairs)
        return false;
    for (XmlElement* pair : pairs->children()) {
        m_replaceBefore.append(pair->attribute(String(u"before")));
        m_replaceAfter.append(pair->attribute(String(u"after")));
    }
    return true;
}

void MovieExtractor::reset()
{
    m_query = String();
    m_encodedQuery = String();
    m_pageText = String();
    m_runs.clear();
    m_results.clear();
    m_chosen = SearchResult();
}

// '%', '+' and '#' would change the query's meaning in the path, so they are
// escaped first; then the site's own six replacements.
String MovieExtractor::encodeQuery(const String& query)
{
    String encoded = replaced(query, u"%", u"%25");
    encoded = replaced(encoded, u"+", u"%2B");
    encoded = replaced(encoded, u"#", u"%23");
    encoded = replaced(encoded, u" ", u"+");
    encoded = replaced(encoded, u",", u"%2C");
    encoded = replaced(encoded, u"\u00E9", u"%E9");
    encoded = replaced(encoded, u"\u00B7", u"%B7");
    encoded = replaced(encoded, u":", u"%3A");
    return replaced(encoded, u"&", u"%26");
}

int MovieExtractor::extract(UIWidget* parent, const String& query, Movie& movie, bool clear, bool automatic)
{
    (void)clear; // every group the mask enables is replaced or kept by its own rule
    reset();
    if (query.isEmpty() || m_options == 0)
        return kNothing;
    m_parent = parent;
    m_query = query.collapseWhitespace();
    m_encodedQuery = encodeQuery(m_query);
    if (!search())
        return kNothing;
    bool cancelled = false;
    if (!chooseResult(automatic, cancelled))
        return cancelled ? kCancelled : kNothing;
    return extractDetails(movie) ? kExtracted : kNothing;
}

bool MovieExtractor::chooseResult(bool automatic, bool& cancelled)
{
    cancelled = false;
    int position = 0;
    for (SearchResult& result : m_results)
        result.index = position++;
    if (m_results.isEmpty())
        return false;
    if (m_results.count() == 1 || automatic) {
        m_chosen = m_results.first()->value;
        return true;
    }
    int index = m_chooser ? m_chooser->choose(m_parent, m_results) : -1;
    SearchResultList::Node* node = index >= 0 ? m_results.nodeAt(index) : nullptr;
    if (!node) {
        cancelled = true;
        return false;
    }
    m_chosen = node->value;
    return true;
}

bool MovieExtractor::searchTitles(const String& startMarker, const String& endMarker)
{
    String path = String(u"/find?q=") + m_encodedQuery + u"&s=tt";
    String redirect;
    if (!fetchPage(path, startMarker, endMarker, redirect))
        return false;
    if (!redirect.isEmpty()) {
        SearchResult result;
        result.link = redirect;
        m_results.append(result);
        return redirect.contains(String(u"/title/"), kCaseSensitive);
    }
    int count = int(runs().size());
    for (int i = 0; i < count;) {
        const PageTextRun& run = runs()[size_t(i)];
        const PageTextRun* next = runAt(i + 1);
        bool candidate = run.href.startsWith(String(u"/title/"), kCaseSensitive) && next &&
                         !next->text.contains(String(u"(VG)"), kCaseSensitive) && !run.text.isEmpty();
        if (!candidate) {
            ++i;
            continue;
        }
        if (!hasResultLink(run.href)) {
            SearchResult result;
            result.title = trimQuotes(run.text);
            result.year = next->text.trimChars(String(u"()")).toInt();
            result.link = run.href;
            m_results.append(result);
        }
        i += 2;
    }
    return !m_results.isEmpty();
}

bool MovieExtractor::hasResultLink(const String& link) const
{
    for (const SearchResult& result : m_results) {
        if (result.link == link)
            return true;
    }
    return false;
}

void MovieExtractor::storePoster(Movie& movie, const String& address)
{
    if (!m_downloader)
        return;
    String path = m_downloader->downloadImage(address, movie.coverFileName(Cover::kPoster));
    if (path.isEmpty())
        return;
    Cover poster(pathFileName(path));
    poster.kind = Cover::kPoster;
    movie.setCover(poster);
}

String MovieExtractor::chosenPath() const
{
    const String& link = m_chosen.link;
    return link.startsWith(String(u"http://"), kCaseSensitive) ? urlPath(link) : link;
}

void MovieExtractor::readCastFrom(Movie& movie, int start, const StringList& stops) const
{
    movie.cast.clear();
    if (start < 0)
        return;
    auto continues = [&](int index) {
        const PageTextRun* run = runAt(index);
        if (!run || run->text.isEmpty())
            return false;
        for (const String& stop : stops) {
            if (run->text.contains(stop, kCaseSensitive))
                return false;
        }
        return run->href.isEmpty() || run->href.contains(String(u"/character/"), kCaseSensitive);
    };
    int count = int(m_runs.size());
    for (int i = start; i < count;) {
        const PageTextRun& run = m_runs[size_t(i)];
        if (run.text.isEmpty() || !run.href.contains(String(u"/name/"), kCaseSensitive)) {
            ++i;
            continue;
        }
        CastItem item;
        item.actor = run.text;
        i += 1;
        // The scan goes on right after the character's last run, so that a
        // row without a photo link does not hide the next actor.
        if (textAt(i) == String(u"...") && runAt(i + 1)) {
            item.character = textAt(i + 1);
            for (i += 2; continues(i); ++i)
                item.character += String(u" ") + textAt(i);
            item.character = item.character.collapseWhitespace();
        }
        movie.cast.append(item);
    }
}

void MovieExtractor::takeChosenTitleAndYear(Movie& movie) const
{
    if (movie.title.isEmpty())
        movie.title = m_chosen.title;
    if (wants(kYear) && movie.year == 0)
        movie.year = m_chosen.year;
}

String MovieExtractor::joinedTexts(int from, int to) const
{
    static const String kClosing(u".,;:!?)]");
    String joined;
    for (int i = from < 0 ? 0 : from; i < to; ++i) {
        String piece = textAt(i);
        if (piece.isEmpty())
            continue;
        if (!joined.isEmpty() && !kClosing.containsChar(piece.at(0), kCaseSensitive))
            joined += u' ';
        joined += piece;
    }
    return joined;
}

void MovieExtractor::addSiteLink(Movie& movie) const
{
    const String& link = m_chosen.link;
    MovieLink page;
    page.type = MovieLink::kOnline;
    page.description = String(u"IMDb");
    page.url =
        link.startsWith(String(u"http://"), kCaseSensitive) ? link : String(u"http://") + host() + link;
    movie.links.append(page);
}

String MovieExtractor::theInFront(const String& name)
{
    static const String kEnding(u", The");
    if (!name.endsWith(kEnding, kCaseSensitive))
        return name;
    return String(u"The ") + name.mid(0, name.length() - kEnding.length());
}
