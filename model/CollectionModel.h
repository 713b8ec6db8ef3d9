#pragma once

#include "foundation/containers/List.h"
#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"
#include "graphics/color/Color.h"
#include "model/backup/CollectionBackup.h"
#include "model/card/CardRenderer.h"
#include "model/config/ViewSettings.h"
#include "model/extractors/ImageDownloader.h"
#include "model/informer/UpdateInformer.h"
#include "model/records/LoanerList.h"
#include "model/records/MovieIdIndex.h"
#include "model/sorting/SortComparator.h"

#include <cstdint>
#include <memory>

class CollectionFile;
class CollectionReadAhead;
class ConfigFile;
class Movie;
class MovieExtractor;
struct NewMovieRecord;

// The open collection in memory and what the windows need to work on it: the
// movies in display order with their sort state, the loaners, the collection
// file, the extractors with their options, the model's settings and the
// movies shown lately. At most one collection is open at a time; another is
// opened by closing the first.
class CollectionModel : public ImageDownloader
{
public:
    static constexpr int kRecentlyShownLimit = 20;
    static constexpr uint32_t kAllExtractOptions = 0xFFFF;

    // Collections live in sub-folders of dataDirectory.
    explicit CollectionModel(const String& dataDirectory);
    virtual ~CollectionModel();
    CollectionModel(const CollectionModel&) = delete;
    CollectionModel& operator=(const CollectionModel&) = delete;

    // ---- Collections ----
    // Reads the collection at path. False when it cannot be read, or while
    // another collection is open: that one must be closed first, or its
    // unsaved changes would be lost.
    bool openCollection(const String& path);
    // Starts reading the collection that the start-up opens first, on a
    // worker thread, taking the settings from config (loadSettings comes
    // later): the last used collection when it is to be opened at start,
    // exists and has no password. openCollection of that path then takes
    // what was read.
    void readAheadCollectionAtStart(const ConfigFile& config);
    // Saves the open collection, deletes its unused thumbnails, frees it and
    // forgets the movies shown lately (their ids mean nothing in another).
    // When the save fails, everything stays open and in memory, the file on
    // disk is the one last saved, and the result is false. With no
    // collection open it does nothing and gives true.
    bool closeCollection();
    // Writes the open collection and keeps it open and in memory, for when
    // the process may be ended at any moment. On failure the file on disk
    // is the one last saved and the result is false; with no collection
    // open it does nothing and gives true.
    bool saveCollection();
    bool isCollectionOpen() const;
    // The open collection's name and folder; empty while none is open.
    String collectionName() const;
    String collectionFolder() const;
    const String& dataDirectory() const { return m_dataDirectory; }
    CollectionFile& collectionFile() { return *m_collectionFile; }
    // The names of the collections in the data folder: its sub-folders N,
    // except "backup" in any case, that hold the file N.rsdb.
    void listCollections(StringList& out) const;
    int collectionCount() const;

    // ---- Movies ----
    const List<Movie*>& movies() const { return m_movies; }
    int movieCount() const { return m_movies.count(); }
    Movie* movieById(int32_t id) const;
    Movie* movieByTitle(const String& title) const;
    String titleById(int32_t id) const;
    // Takes ownership and appends at the end of the list; the movie's
    // pictures are looked for in this collection's Images folder.
    void appendMovie(Movie* movie);
    // A new movie with the next id, dated now, made from the record and
    // appended. Null while no collection is open or when the ids have run out.
    Movie* addMovie(const NewMovieRecord& record);
    int32_t nextMovieId();
    // Removes the movie's loans, deletes it and then the picture files that
    // no movie uses any more. False for a movie that is not in the list.
    bool removeMovie(Movie* movie);
    int averageCompleteness() const;
    // Minutes: the running time of every movie, times its episodes for a
    // series.
    int64_t totalRunningTime() const;

    // ---- Sorting ----
    // Sorts by mode and order, passing over leading articles when the
    // setting asks, and keeps mode and order as the sort state. False, with
    // nothing moved but the state kept, when there are fewer than two movies.
    bool sortMovies(int32_t mode, int32_t order);
    // After an append: the last movie moves to its place in the current
    // order when the others keep that order; else the whole list is sorted.
    void sortAfterAppend();
    int32_t sortMode() const { return m_sortMode; }
    int32_t sortOrder() const { return m_sortOrder; }
    // Fills the article list the first time it is asked to ignore articles.
    static SortComparator sortComparator(int32_t mode, int32_t order, bool ignoreArticle);

    // ---- Value lists and statistics ----
    void collectGenres(StringList& out) const;
    void collectCountries(StringList& out) const;
    void collectStudios(StringList& out) const;
    void collectActors(StringList& out) const;
    void collectActorsStartingWith(char16_t first, StringList& out) const;
    void collectDirectors(StringList& out) const;
    void collectTags(StringList& out) const;
    void collectFormats(StringList& out) const;
    void collectTitleInitials(StringList& out) const;
    void collectActorInitials(StringList& out) const;
    String mostFrequentGenre() const;
    String mostFrequentStudio() const;

    // ---- Recently shown movies ----
    // The ids of the last movies shown, oldest first, at most
    // kRecentlyShownLimit of them, each once.
    void noteShown(const Movie* movie);
    bool wasRecentlyShown(const Movie* movie) const;
    const List<int32_t>& recentlyShown() const { return m_recentlyShown; }

    // ---- Loaners ----
    LoanerList& loaners() { return m_loaners; }
    const LoanerList& loaners() const { return m_loaners; }

    // ---- Pictures ----
    // The open collection's "Images" and "Thumbnails" folders; empty while
    // none is open.
    String imagesFolder() const;
    String thumbnailsFolder() const;
    // Delete the files of those folders that no movie uses; nothing happens
    // while no collection is open.
    void purgeImages() const;
    void purgeThumbnails() const;
    // Forgets every cover's pictures and deletes their thumbnail files, so
    // that covers changed on disk are read afresh.
    void discardAllCoverCaches();
    // Stores the picture at url in the Images folder as name + ".png" and
    // returns the file's path; empty, with nothing written, when anything
    // fails (ImageDownload::fetch) or no collection is open.
    String downloadImage(const String& url, const String& name) const override;
    // The opaque colour of a colour label 1-7; white with alpha 0 for any
    // other label.
    static Color colorLabelColor(int32_t label);
    // Opens the web image search for the title in the default browser.
    static void openImageSearch(const String& title);

    // ---- Movie card ----
    CardRenderer& cardRenderer() { return m_cardRenderer; }

    // ---- Extractors ----
    const List<MovieExtractor*>& extractors() const { return m_extractors; }
    // The chosen site edition; null when there is none at that index.
    MovieExtractor* currentExtractor() const;
    // The current extractor's display name; empty when there is none.
    String currentExtractorName() const;
    // The first extractor of that site name, or null.
    MovieExtractor* extractorBySiteName(const String& siteName) const;
    uint32_t extractOptions() const { return m_extractOptions; }
    void setExtractOptions(uint32_t options) { m_extractOptions = options; }
    int32_t extractorIndex() const { return m_extractorIndex; }
    void setExtractorIndex(int32_t index) { m_extractorIndex = index; }
    // The site edition for a two-letter ISO 639 language: "en" 0, "de" 1,
    // "it" 2, "es" 3, "fr" 4, anything else 0.
    static int32_t extractorIndexForLanguage(const String& isoLanguage);

    // ---- Update check ----
    // Posts to the maker's service; the main window starts it.
    UpdateInformer& informer() { return m_informer; }

    // ---- Settings ----
    // Reads the model's keys of the configuration. Missing or mistyped values
    // fall back: false, empty, 0; a loan period below 1 day becomes 1; an
    // extractor index outside the list is chosen by the user's language.
    void loadSettings(const ConfigFile& config);
    // The same with the two-letter ISO 639 language to choose by.
    void loadSettings(const ConfigFile& config, const String& isoLanguage);
    // Stores the model's keys in the configuration without saving the file;
    // keys the configuration does not hold are skipped.
    void saveSettings(ConfigFile& config) const;
    // The view's settings and the sort state the view stores, loaded when the
    // start-up calls this (after loadSettings) and saved with the view's keys.
    void loadViewSettings(const ConfigFile& config);
    void saveViewSettings(ConfigFile& config) const;
    const ViewSettings& viewSettings() const { return m_viewSettings; }
    ViewSettings& viewSettings() { return m_viewSettings; }
    bool ignoreArticleWhenSortingTitles() const { return m_ignoreArticleWhenSortingTitles; }
    void setIgnoreArticleWhenSortingTitles(bool on) { m_ignoreArticleWhenSortingTitles = on; }
    bool askForConfirmationWhenRemovingMovies() const { return m_askForConfirmationWhenRemovingMovies; }
    void setAskForConfirmationWhenRemovingMovies(bool on) { m_askForConfirmationWhenRemovingMovies = on; }
    bool openLastCollectionAtStart() const { return m_openLastCollectionAtStart; }
    void setOpenLastCollectionAtStart(bool on) { m_openLastCollectionAtStart = on; }
    const String& recentCollection() const { return m_recentCollection; }
    void setRecentCollection(const String& name) { m_recentCollection = name; }
    const String& recentBrowsedFolder() const { return m_recentBrowsedFolder; }
    void setRecentBrowsedFolder(const String& folder) { m_recentBrowsedFolder = folder; }
    // The pattern of dates shown to the user.
    static String dateFormat();

    // ---- Backups ----
    CollectionBackup& backups() { return m_backups; }

    // ---- Other ----
    // The video file extensions the folder scan looks for.
    static StringList videoExtensions();
    // The translated name of a month 1-12; empty for any other number.
    static String monthName(int month);

private:
    void deleteMovies();

    List<Movie*> m_movies;
    // Kept in step with m_movies; made on the first look after the list is
    // replaced.
    mutable MovieIdIndex m_moviesById;
    int32_t m_sortMode = SortComparator::kByCreated;
    int32_t m_sortOrder = SortComparator::kAscending;
    ViewSettings m_viewSettings;
    // Owned; their order is the stored extractor index.
    List<MovieExtractor*> m_extractors;
    uint32_t m_extractOptions = kAllExtractOptions;
    int32_t m_extractorIndex = 0;
    String m_dataDirectory;
    std::unique_ptr<CollectionFile> m_collectionFile;
    UpdateInformer m_informer;
    LoanerList m_loaners;
    CollectionBackup m_backups;
    CardRenderer m_cardRenderer;
    bool m_ignoreArticleWhenSortingTitles = true;
    bool m_askForConfirmationWhenRemovingMovies = true;
    bool m_openLastCollectionAtStart = true;
    String m_recentCollection;
    String m_recentBrowsedFolder;
    // Movie ids, oldest first.
    List<int32_t> m_recentlyShown;
    // Last, so that its thread has ended before anything else goes.
    std::unique_ptr<CollectionReadAhead> m_readAhead;
};
