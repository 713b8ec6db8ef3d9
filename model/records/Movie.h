#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/SharedString.h"
#include "foundation/text/String.h"
#include "foundation/time/DateTime.h"
#include "model/records/CardStyle.h"
#include "model/records/CastItem.h"
#include "model/records/Cover.h"
#include "model/records/CrewItem.h"
#include "model/records/Episode.h"
#include "model/records/MovieLink.h"

#include <cstdint>

// One movie or series of the open collection. The collection model owns the
// movies; the windows edit copies and assign them back.
class Movie
{
public:
    // The most title characters a cover file name keeps, so that the path in
    // the Images folder stays within the system's limit.
    static constexpr int kCoverTitleLimit = 100;

    Movie() = default;
    Movie(const Movie& other) = default;
    Movie& operator=(const Movie& other) = default;
    virtual ~Movie() = default;

    // ---- Queries ----
    // The first cover of that kind, or null.
    const Cover* coverByKind(int32_t kind) const;
    bool hasCover(int32_t kind) const { return coverByKind(kind) != nullptr; }
    bool hasCoverFile(const String& name) const;
    bool hasCoverPath(const String& path) const;
    // Whether a cover's thumbnail file has that name.
    bool hasThumbnail(const String& name) const;
    bool hasTag(const String& tag) const;
    bool hasActor(const String& name) const;
    // Case-sensitive; an empty actor name never matches.
    bool hasActorStartingWith(char16_t first) const;
    bool hasDirector(const String& name) const;
    const Episode* findEpisode(int32_t season, int32_t number) const;
    int episodeCount() const { return episodes.count(); }
    // The number of distinct season numbers among the episodes.
    int seasonCount() const;
    bool hasPlayableLink() const;
    int playableLinkCount() const;

    // ---- Pictures ----
    // The collection's "Images" folder, where the covers and the card's
    // background image live; the collection sets it when it takes the movie
    // in. Empty for a movie of no collection.
    const String& imagesFolder() const { return m_imagesFolder.text(); }
    // Also moves every cover to that folder.
    void setImagesFolder(const String& folder);
    // The same folder held once for all the movies of a collection.
    void setImagesFolder(const SharedString& folder);
    // Empty without a background image, with a name that
    // ImageFolder::isUsableName refuses, or without a folder.
    String backgroundImagePath() const;

    // ---- Changes ----
    // Replaces the cover of the same kind in place, else appends a copy. A
    // cover without a folder takes the movie's.
    void setCover(const Cover& cover);
    void removeCover(int32_t kind);
    // Each frees the node when it belongs to this movie's list; any other
    // node changes nothing.
    void removeCastItem(CastItemList::Node* node);
    void removeCrewItem(CrewItemList::Node* node);
    void removeEpisode(EpisodeList::Node* node);
    void removeLink(MovieLinkList::Node* node);
    // Forgets every cover's pictures and deletes their thumbnail files.
    void discardCoverCaches();

    // ---- Texts for the list, the card and the statistics ----
    // The names of the crew with that role, joined by ", ".
    String crewNames(int32_t role) const;
    String directorsText() const { return crewNames(CrewItem::kDirector); }
    String producersText() const { return crewNames(CrewItem::kProducer); }
    String writersText() const { return crewNames(CrewItem::kWriter); }
    String musiciansText() const { return crewNames(CrewItem::kMusician); }
    String cinematographyText() const { return crewNames(CrewItem::kCinematography); }
    String genresText() const;
    String studiosText() const;
    String countriesText() const;
    String languagesText() const;
    String tagsText() const;
    // By the view's time format; empty for no running time.
    String runtimeText() const;
    // Whether the colour is one of the editor's items (1-3).
    bool hasColour() const;
    // The editor's item for the colour; empty when none was given.
    String colourText() const;
    String createdText() const;
    String modifiedText() const;
    // One decimal; empty unless the IMDb rating is above 0.
    String ratingText() const;
    // The title's letters, digits and blanks (at most kCoverTitleLimit of
    // them), then " (id)".
    String coverBaseName() const;
    // The base name and " - poster", " - front", " - back" or " - disc";
    // empty for another kind.
    String coverFileName(int32_t kind) const;

    // How fully the record is filled in, 0-100.
    int completeness() const;

    DateTime created;
    DateTime modified;
    int32_t id = 0;
    // Kept and written back; nothing reads it.
    int32_t nclk = 0;
    String title;
    String originalTitle;
    StringList genres;
    StringList studios;
    StringList countries;
    StringList languages;
    int32_t year = 0;
    // Minutes, per episode for a series.
    int32_t runningTime = 0;
    // 1 colour, 2 black and white, 3 both (the editor's items); 0 and any
    // other value not given.
    int32_t colour = 0;
    String format;
    String barcode;
    CastItemList cast;
    CrewItemList crew;
    CoverList covers;
    String plot;
    MovieLinkList links;
    EpisodeList episodes;
    String mpaaRating;
    float imdbRating = 0.0f;
    String notes;
    StringList tags;
    String purchasePrice;
    bool seen = false;
    bool wishlist = false;
    float myRating = 0.0f;
    // 0 none, 1-7 a label colour.
    int32_t colorLabel = 0;
    CardStyle cardStyle;

private:
    SharedString m_imagesFolder;
};
