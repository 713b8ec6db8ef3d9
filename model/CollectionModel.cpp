#include "model/CollectionModel.h"

#include "foundation/core/AppCore.h"
#include "foundation/data/ConfigFile.h"
#include "foundation/data/Variant.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "foundation/time/DateTime.h"
#include "foundation/time/Locale.h"
#include "model/NewMovieRecord.h"
#include "model/collection/CollectionFile.h"
#include "model/collection/CollectionReadAhead.h"
#include "model/extractors/LocalizedMovieDbExtractor.h"
#include "model/extractors/MovieDbExtractor.h"
#include "model/images/ImageDownload.h"
#include "model/images/ImageSearch.h"
#include "model/purge/ImagePurge.h"
#include "model/records/ModelText.h"
#include "model/records/Movie.h"
#include "model/records/RecordFormat.h"
#include "model/scan/MediaExtensions.h"
#include "model/sorting/MovieSorter.h"
#include "model/sorting/SortArticles.h"
#include "model/values/ValueLists.h"

namespace {

const char16_t kIgnoreArticleKey[] = u"model/ignoreArticleWhenSortingTitles";
const char16_t kConfirmRemovalKey[] = u"model/askForConfirmationWhenRemovingMovies";
const char16_t kOpenLastKey[] = u"model/whenReelstackStartsOpenTheLastUsedCollection";
const char16_t kRecentCollectionKey[] = u"model/recentCollection";
const char16_t kRecentFolderKey[] = u"model/recentBrowsedFolder";
const char16_t kLoanPeriodKey[] = u"model/defaultLoanPeriod";
const char16_t kExtractOptionsKey[] = u"model/extractOptions";
const char16_t kExtractorKey[] = u"model/extractor";
const char16_t kSortModeKey[] = u"view/sortMode";
const char16_t kSortOrderKey[] = u"view/sortOrder";

Variant stored(const ConfigFile& config, const char16_t* key)
{
    return config.value(String(key), Variant());
}

String subFolder(const String& folder, const char16_t* name)
{
    if (folder.isEmpty())
        return String();
    return String(folder).appendChar(kPathSeparator).append(String(name));
}

// The identity and the service's host come from the application core; a
// model made without one (tools, tests) has an informer that never starts.
String agentIdentity()
{
    AppCore* core = AppCore::instance();
    return core ? core->agentIdentity(false) : String();
}

String companyHost()
{
    AppCore* core = AppCore::instance();
    return core ? core->companyHost() : String();
}

} // namespace

CollectionModel::CollectionModel(const String& dataDirectory)
    : m_dataDirectory(dataDirectory), m_collectionFile(new CollectionFile(dataDirectory)),
      m_informer(agentIdentity(), companyHost())
{
    // Their order is the stored extractor index: English first.
    m_extractors.append(new MovieDbExtractor());
    for (const char16_t* code : {u"de", u"it", u"es", u"fr"})
        m_extractors.append(new LocalizedMovieDbExtractor(String(code)));
    for (MovieExtractor* extractor : m_extractors)
        extractor->setImageDownloader(this);
}

// Normally the collection was closed before; a collection whose last save
// failed is still held and is freed here.
CollectionModel::~CollectionModel()
{
    deleteMovies();
    for (MovieExtractor* extractor : m_extractors)
        delete extractor;
}

// ---- Collections ----

bool CollectionModel::openCollection(const String& path)
{
    if (isCollectionOpen())
        return false;
    deleteMovies();
    m_loaners.clear();
    // A read ahead of another file is dropped; one of this file is taken
    // when it went well.
    std::unique_ptr<CollectionReadAhead> ahead = std::move(m_readAhead);
    CollectionReader* readAlready = ahead && String::equals(ahead->path(), path) ? ahead->take() : nullptr;
    const bool read = m_collectionFile->read(path, readAlready, m_movies, m_loaners);
    m_moviesById.reset();
    if (!read)
        return false;
    SharedString images(imagesFolder());
    for (Movie* movie : m_movies)
        movie->setImagesFolder(images);
    m_recentCollection = collectionName();
    return true;
}

void CollectionModel::readAheadCollectionAtStart(const ConfigFile& config)
{
    m_readAhead.reset();
    if (!stored(config, kOpenLastKey).toBool())
        return;
    String path = m_collectionFile->filePathFor(stored(config, kRecentCollectionKey).toString());
    if (path.isEmpty() || !File::exists(path) || !m_collectionFile->peekPassword(path).isEmpty())
        return;
    m_readAhead.reset(new CollectionReadAhead(path));
}

bool CollectionModel::closeCollection()
{
    if (!isCollectionOpen())
        return true;
    purgeThumbnails();
    if (!m_collectionFile->write(m_movies, m_loaners))
        return false;
    deleteMovies();
    m_loaners.clear();
    m_recentlyShown.clear();
    m_collectionFile->close();
    return true;
}

bool CollectionModel::saveCollection()
{
    if (!isCollectionOpen())
        return true;
    return m_collectionFile->write(m_movies, m_loaners);
}

bool CollectionModel::isCollectionOpen() const
{
    return !m_collectionFile->path().isEmpty();
}

String CollectionModel::collectionName() const
{
    return m_collectionFile->name();
}

String CollectionModel::collectionFolder() const
{
    return m_collectionFile->directory();
}

void CollectionModel::listCollections(StringList& out) const
{
    StringList folders;
    int options = Directory::kListDirectories | Directory::kListNamesOnly;
    if (!Directory::list(m_dataDirectory, options, nullptr, folders))
        return;
    String dottedExtension = String(u".") + CollectionFile::extension();
    for (const String& name : folders) {
        if (String::equalsIgnoreCase(name, String(u"backup")))
            continue;
        String file = String(m_dataDirectory).appendChar(kPathSeparator).append(name);
        file.appendChar(kPathSeparator).append(name).append(dottedExtension);
        if (File::exists(file))
            out.append(name);
    }
}

int CollectionModel::collectionCount() const
{
    StringList names;
    listCollections(names);
    return names.count();
}

// ---- Movies ----

Movie* CollectionModel::movieById(int32_t id) const
{
    return m_moviesById.find(m_movies, id);
}

Movie* CollectionModel::movieByTitle(const String& title) const
{
    for (Movie* movie : m_movies) {
        if (String::equals(movie->title, title))
            return movie;
    }
    return nullptr;
}

String CollectionModel::titleById(int32_t id) const
{
    const Movie* movie = movieById(id);
    return movie ? movie->title : String();
}

void CollectionModel::appendMovie(Movie* movie)
{
    if (!movie)
        return;
    movie->setImagesFolder(imagesFolder());
    m_movies.append(movie);
    m_moviesById.added(movie);
}

Movie* CollectionModel::addMovie(const NewMovieRecord& record)
{
    if (!isCollectionOpen())
        return nullptr;
    int32_t id = nextMovieId();
    if (id == 0)
        return nullptr;
    Movie* movie = new Movie;
    movie->id = id;
    movie->modified = DateTime::now();
    movie->created = movie->modified;
    movie->title = record.title;
    movie->year = record.year;
    movie->format = record.format;
    movie->links = record.links;
    movie->setImagesFolder(imagesFolder());
    m_movies.append(movie);
    m_moviesById.added(movie);
    return movie;
}

int32_t CollectionModel::nextMovieId()
{
    return m_collectionFile->nextMovieId();
}

bool CollectionModel::removeMovie(Movie* movie)
{
    for (List<Movie*>::Node* node = m_movies.first(); node; node = node->next) {
        if (node->value != movie)
            continue;
        m_loaners.removeLoansOfMovie(movie->id);
        m_moviesById.removed(movie);
        delete movie;
        m_movies.erase(node);
        purgeImages();
        return true;
    }
    return false;
}

int CollectionModel::averageCompleteness() const
{
    if (m_movies.isEmpty())
        return 0;
    int64_t sum = 0;
    for (const Movie* movie : m_movies)
        sum += movie->completeness();
    return int(sum / m_movies.count());
}

int64_t CollectionModel::totalRunningTime() const
{
    int64_t total = 0;
    for (const Movie* movie : m_movies) {
        int episodes = movie->episodeCount();
        total += int64_t(movie->runningTime) * (episodes > 0 ? episodes : 1);
    }
    return total;
}

void CollectionModel::deleteMovies()
{
    for (Movie* movie : m_movies)
        delete movie;
    m_movies.clear();
    m_moviesById.reset();
}

// ---- Sorting ----

bool CollectionModel::sortMovies(int32_t mode, int32_t order)
{
    SortComparator comparator = sortComparator(mode, order, m_ignoreArticleWhenSortingTitles);
    m_sortMode = mode;
    m_sortOrder = order;
    if (m_movies.count() < 2)
        return false;
    MovieSorter::sort(m_movies, comparator);
    return true;
}

void CollectionModel::sortAfterAppend()
{
    SortComparator comparator = sortComparator(m_sortMode, m_sortOrder, m_ignoreArticleWhenSortingTitles);
    if (!MovieSorter::placeLast(m_movies, comparator))
        MovieSorter::sort(m_movies, comparator);
}

SortComparator CollectionModel::sortComparator(int32_t mode, int32_t order, bool ignoreArticle)
{
    if (ignoreArticle)
        SortArticles::fill();
    SortComparator comparator;
    comparator.order = order;
    comparator.mode = mode;
    comparator.ignoreArticle = ignoreArticle;
    return comparator;
}

// ---- Value lists and statistics ----

void CollectionModel::collectGenres(StringList& out) const
{
    ValueLists::collectGenres(m_movies, out);
}

void CollectionModel::collectCountries(StringList& out) const
{
    ValueLists::collectCountries(m_movies, out);
}

void CollectionModel::collectStudios(StringList& out) const
{
    ValueLists::collectStudios(m_movies, out);
}

void CollectionModel::collectActors(StringList& out) const
{
    ValueLists::collectActors(m_movies, out);
}

void CollectionModel::collectActorsStartingWith(char16_t first, StringList& out) const
{
    ValueLists::collectActorsStartingWith(m_movies, first, out);
}

void CollectionModel::collectDirectors(StringList& out) const
{
    ValueLists::collectDirectors(m_movies, out);
}

void CollectionModel::collectTags(StringList& out) const
{
    ValueLists::collectTags(m_movies, out);
}

void CollectionModel::collectFormats(StringList& out) const
{
    ValueLists::collectFormats(m_movies, out);
}

void CollectionModel::collectTitleInitials(StringList& out) const
{
    ValueLists::collectTitleInitials(m_movies, out);
}

void CollectionModel::collectActorInitials(StringList& out) const
{
    ValueLists::collectActorInitials(m_movies, out);
}

String CollectionModel::mostFrequentGenre() const
{
    return ValueLists::mostFrequentGenre(m_movies);
}

String CollectionModel::mostFrequentStudio() const
{
    return ValueLists::mostFrequentStudio(m_movies);
}

// ---- Recently shown movies ----

void CollectionModel::noteShown(const Movie* movie)
{
    if (!movie)
        return;
    // A movie shown again only moves to the newest end; the oldest goes
    // only to make room for one that was not in the list.
    m_recentlyShown.removeOne(movie->id);
    if (m_recentlyShown.count() >= kRecentlyShownLimit) {
        List<int32_t>::Node* oldest = m_recentlyShown.first();
        m_recentlyShown.erase(oldest);
    }
    m_recentlyShown.append(movie->id);
}

bool CollectionModel::wasRecentlyShown(const Movie* movie) const
{
    if (!movie)
        return false;
    for (int32_t id : m_recentlyShown) {
        if (id == movie->id)
            return true;
    }
    return false;
}

// ---- Pictures ----

// The folders beside the open file, so that a collection opened from
// anywhere never touches the pictures of another one.
String CollectionModel::imagesFolder() const
{
    return subFolder(collectionFolder(), u"Images");
}

String CollectionModel::thumbnailsFolder() const
{
    return subFolder(collectionFolder(), u"Thumbnails");
}

void CollectionModel::purgeImages() const
{
    if (isCollectionOpen())
        ImagePurge::purgeImages(imagesFolder(), m_movies);
}

void CollectionModel::discardAllCoverCaches()
{
    for (Movie* movie : m_movies)
        movie->discardCoverCaches();
}

void CollectionModel::purgeThumbnails() const
{
    if (isCollectionOpen())
        ImagePurge::purgeThumbnails(thumbnailsFolder(), m_movies);
}

String CollectionModel::downloadImage(const String& url, const String& name) const
{
    if (!isCollectionOpen())
        return String();
    return ImageDownload::fetch(url, imagesFolder(), name);
}

Color CollectionModel::colorLabelColor(int32_t label)
{
    static const uint8_t kPalette[7][3] = {
        {249, 85, 51},  {253, 153, 5},   {242, 196, 19},  {83, 185, 83},
        {77, 163, 225}, {255, 126, 207}, {180, 180, 180},
    };
    if (label < 1 || label > 7)
        return Color(uint32_t(0x00FFFFFF));
    const uint8_t* rgb = kPalette[label - 1];
    return Color(rgb[0], rgb[1], rgb[2]);
}

void CollectionModel::openImageSearch(const String& title)
{
    ImageSearch::open(title);
}

// ---- Extractors ----

MovieExtractor* CollectionModel::currentExtractor() const
{
    if (m_extractorIndex < 0)
        return nullptr;
    List<MovieExtractor*>::Node* node = m_extractors.nodeAt(m_extractorIndex);
    return node ? node->value : nullptr;
}

String CollectionModel::currentExtractorName() const
{
    MovieExtractor* extractor = currentExtractor();
    return extractor ? extractor->displayName() : String();
}

MovieExtractor* CollectionModel::extractorBySiteName(const String& siteName) const
{
    for (MovieExtractor* extractor : m_extractors) {
        if (extractor->siteName() == siteName)
            return extractor;
    }
    return nullptr;
}

int32_t CollectionModel::extractorIndexForLanguage(const String& isoLanguage)
{
    static const char16_t* const kEditions[] = {u"en", u"de", u"it", u"es", u"fr"};
    for (int32_t index = 0; index < 5; ++index) {
        if (String::equalsCString(isoLanguage, kEditions[index]))
            return index;
    }
    return 0;
}

// ---- Settings ----

void CollectionModel::loadSettings(const ConfigFile& config)
{
    loadSettings(config, Locale::instance().isoLanguageName());
}

void CollectionModel::loadSettings(const ConfigFile& config, const String& isoLanguage)
{
    m_ignoreArticleWhenSortingTitles = stored(config, kIgnoreArticleKey).toBool();
    m_askForConfirmationWhenRemovingMovies = stored(config, kConfirmRemovalKey).toBool();
    m_openLastCollectionAtStart = stored(config, kOpenLastKey).toBool();
    m_recentCollection = stored(config, kRecentCollectionKey).toString();
    m_recentBrowsedFolder = stored(config, kRecentFolderKey).toString();
    int32_t period = stored(config, kLoanPeriodKey).toInt();
    m_loaners.setDefaultLoanPeriod(period < 1 ? 1 : period);
    m_extractOptions = uint32_t(stored(config, kExtractOptionsKey).toInt());
    int32_t index = stored(config, kExtractorKey).toInt();
    bool known = index >= 0 && index < m_extractors.count();
    m_extractorIndex = known ? index : extractorIndexForLanguage(isoLanguage);
}

void CollectionModel::saveSettings(ConfigFile& config) const
{
    config.setValue(String(kIgnoreArticleKey), Variant(m_ignoreArticleWhenSortingTitles));
    config.setValue(String(kConfirmRemovalKey), Variant(m_askForConfirmationWhenRemovingMovies));
    config.setValue(String(kOpenLastKey), Variant(m_openLastCollectionAtStart));
    config.setValue(String(kRecentCollectionKey), Variant(m_recentCollection));
    config.setValue(String(kRecentFolderKey), Variant(m_recentBrowsedFolder));
    config.setValue(String(kLoanPeriodKey), Variant(m_loaners.defaultLoanPeriod()));
    config.setValue(String(kExtractOptionsKey), Variant(int32_t(m_extractOptions)));
    config.setValue(String(kExtractorKey), Variant(m_extractorIndex));
}

void CollectionModel::loadViewSettings(const ConfigFile& config)
{
    m_viewSettings.loadSettings(config);
    m_sortMode = stored(config, kSortModeKey).toInt();
    m_sortOrder = stored(config, kSortOrderKey).toInt();
}

void CollectionModel::saveViewSettings(ConfigFile& config) const
{
    m_viewSettings.saveSettings(config);
    config.setValue(String(kSortModeKey), Variant(m_sortMode));
    config.setValue(String(kSortOrderKey), Variant(m_sortOrder));
}

String CollectionModel::dateFormat()
{
    return RecordFormat::dateFormat();
}

// ---- Other ----

StringList CollectionModel::videoExtensions()
{
    return videoFileExtensions();
}

String CollectionModel::monthName(int month)
{
    static const char16_t* const kMonths[] = {u"January",   u"February", u"March",    u"April",
                                              u"May",       u"June",     u"July",     u"August",
                                              u"September", u"October",  u"November", u"December"};
    if (month < 1 || month > 12)
        return String();
    return ModelText::translate(kMonths[month - 1], u"Common/Month");
}
