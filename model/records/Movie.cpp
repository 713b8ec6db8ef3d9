#include "model/records/Movie.h"

#include "foundation/text/CharClass.h"
#include "model/images/ImageFolder.h"
#include "model/records/ModelText.h"
#include "model/records/RecordFormat.h"

namespace {

const char16_t kContext[] = u"Movie";

String listText(const StringList& list)
{
    return String::join(list, String(u", "), 0);
}

template <typename T> void eraseNode(List<T>& list, typename List<T>::Node* node)
{
    for (typename List<T>::Node* candidate = list.first(); candidate; candidate = candidate->next) {
        if (candidate == node) {
            list.erase(candidate);
            return;
        }
    }
}

void appendNumberAndWord(String& text, int number, const char16_t* word)
{
    text.append(String::fromInt(number));
    text.appendChar(u' ');
    text.append(ModelText::translate(word, kContext));
}

String dateText(const DateTime& value)
{
    return value.date().toString(RecordFormat::dateFormat());
}

} // namespace

const Cover* Movie::coverByKind(int32_t kind) const
{
    for (const Cover& cover : covers) {
        if (cover.kind == kind)
            return &cover;
    }
    return nullptr;
}

bool Movie::hasCoverFile(const String& name) const
{
    for (const Cover& cover : covers) {
        if (String::equals(cover.name, name))
            return true;
    }
    return false;
}

bool Movie::hasCoverPath(const String& path) const
{
    for (const Cover& cover : covers) {
        if (String::equals(cover.path(), path))
            return true;
    }
    return false;
}

bool Movie::hasThumbnail(const String& name) const
{
    for (const Cover& cover : covers) {
        if (String::equals(cover.thumbnailName(), name))
            return true;
    }
    return false;
}

bool Movie::hasTag(const String& tag) const
{
    return tags.contains(tag);
}

bool Movie::hasActor(const String& name) const
{
    for (const CastItem& item : cast) {
        if (String::equals(item.actor, name))
            return true;
    }
    return false;
}

bool Movie::hasActorStartingWith(char16_t first) const
{
    for (const CastItem& item : cast) {
        if (!item.actor.isEmpty() && item.actor.first() == first)
            return true;
    }
    return false;
}

bool Movie::hasDirector(const String& name) const
{
    for (const CrewItem& item : crew) {
        if (item.role == CrewItem::kDirector && String::equals(item.name, name))
            return true;
    }
    return false;
}

const Episode* Movie::findEpisode(int32_t season, int32_t number) const
{
    for (const Episode& episode : episodes) {
        if (episode.season == season && episode.number == number)
            return &episode;
    }
    return nullptr;
}

int Movie::seasonCount() const
{
    int count = 0;
    for (EpisodeList::Node* node = episodes.first(); node; node = node->next) {
        bool seenBefore = false;
        for (EpisodeList::Node* earlier = episodes.first(); earlier != node; earlier = earlier->next) {
            if (earlier->value.season == node->value.season) {
                seenBefore = true;
                break;
            }
        }
        if (!seenBefore)
            ++count;
    }
    return count;
}

bool Movie::hasPlayableLink() const
{
    for (const MovieLink& link : links) {
        if (link.play)
            return true;
    }
    return false;
}

int Movie::playableLinkCount() const
{
    int count = 0;
    for (const MovieLink& link : links)
        count += link.play ? 1 : 0;
    return count;
}

String Movie::backgroundImagePath() const
{
    // The name stays as read, but one that could leave the folder has no path.
    return ImageFolder::pathIn(imagesFolder(), cardStyle.backgroundImage);
}

void Movie::setImagesFolder(const String& folder)
{
    setImagesFolder(SharedString(folder));
}

void Movie::setImagesFolder(const SharedString& folder)
{
    m_imagesFolder = folder;
    for (Cover& cover : covers)
        cover.setImagesFolder(folder);
}

void Movie::setCover(const Cover& cover)
{
    Cover* target = nullptr;
    for (Cover& existing : covers) {
        if (existing.kind == cover.kind) {
            existing = cover;
            target = &existing;
            break;
        }
    }
    if (!target) {
        covers.append(cover);
        target = &covers.last()->value;
    }
    if (target->imagesFolder().isEmpty())
        target->setImagesFolder(m_imagesFolder);
}

void Movie::discardCoverCaches()
{
    for (Cover& cover : covers)
        cover.discardCache();
}

void Movie::removeCover(int32_t kind)
{
    for (CoverList::Node* node = covers.first(); node; node = node->next) {
        if (node->value.kind == kind) {
            covers.erase(node);
            return;
        }
    }
}

void Movie::removeCastItem(CastItemList::Node* node)
{
    eraseNode(cast, node);
}

void Movie::removeCrewItem(CrewItemList::Node* node)
{
    eraseNode(crew, node);
}

void Movie::removeEpisode(EpisodeList::Node* node)
{
    eraseNode(episodes, node);
}

void Movie::removeLink(MovieLinkList::Node* node)
{
    eraseNode(links, node);
}

// A separator goes in only once something is written, so leading empty
// names leave no trace while a later empty one shows as ", , ".
String Movie::crewNames(int32_t role) const
{
    String text;
    for (const CrewItem& item : crew) {
        if (item.role != role)
            continue;
        if (!text.isEmpty())
            text.append(String(u", "));
        text.append(item.name);
    }
    return text;
}

String Movie::genresText() const
{
    return listText(genres);
}

String Movie::studiosText() const
{
    return listText(studios);
}

String Movie::countriesText() const
{
    return listText(countries);
}

String Movie::languagesText() const
{
    return listText(languages);
}

String Movie::tagsText() const
{
    return listText(tags);
}

String Movie::runtimeText() const
{
    if (runningTime <= 0)
        return String();
    int hours = runningTime / 60;
    int minutes = runningTime % 60;
    String text;
    switch (RecordFormat::timeFormat()) {
    case RecordFormat::kTimeMinutes:
        appendNumberAndWord(text, runningTime, u"mins");
        return text;
    case RecordFormat::kTimeHoursAndMinutes:
        appendNumberAndWord(text, hours, u"hr");
        text.appendChar(u' ');
        appendNumberAndWord(text, minutes, u"mins");
        return text;
    case RecordFormat::kTimeAutomatic:
        if (hours > 0) {
            appendNumberAndWord(text, hours, u"hr");
            text.appendChar(u' ');
        }
        if (minutes > 0) {
            if (!text.isEmpty())
                text.appendChar(u' ');
            appendNumberAndWord(text, minutes, u"mins");
        }
        return text;
    default:
        return String();
    }
}

bool Movie::hasColour() const
{
    return colour >= 1 && colour <= 3;
}

String Movie::colourText() const
{
    static const char16_t* const kItems[] = {u"Color", u"Black & White", u"Color, Black & White"};
    if (!hasColour())
        return String();
    return ModelText::translate(kItems[colour - 1], kContext);
}

String Movie::createdText() const
{
    return dateText(created);
}

String Movie::modifiedText() const
{
    return dateText(modified);
}

String Movie::ratingText() const
{
    if (!(imdbRating > 0.0f))
        return String();
    return String::fromFloat(imdbRating, 1);
}

String Movie::coverBaseName() const
{
    String name;
    for (int i = 0; i < title.length() && name.length() < kCoverTitleLimit; ++i) {
        char16_t unit = title.at(i);
        if (unit == u' ' || isAlphaNumericChar(unit))
            name.appendChar(unit);
    }
    name.append(String(u" ("));
    name.append(String::fromInt(id));
    name.appendChar(u')');
    return name;
}

String Movie::coverFileName(int32_t kind) const
{
    static const char16_t* const kSuffixes[] = {u" - poster", u" - front", u" - back", u" - disc"};
    if (kind < Cover::kPoster || kind > Cover::kDisc)
        return String();
    String name = coverBaseName();
    name.append(String(kSuffixes[kind]));
    return name;
}

int Movie::completeness() const
{
    int score = 0;
    score += title.isEmpty() ? 0 : 9;
    score += genres.isEmpty() ? 0 : 5;
    score += studios.isEmpty() ? 0 : 5;
    score += countries.isEmpty() ? 0 : 5;
    score += languages.isEmpty() ? 0 : 5;
    score += year == 0 ? 0 : 5;
    score += runningTime == 0 ? 0 : 5;
    score += hasColour() ? 5 : 0;
    score += format.isEmpty() ? 0 : 5;
    score += barcode.isEmpty() ? 0 : 5;
    score += cast.isEmpty() ? 0 : 5;
    score += crew.isEmpty() ? 0 : 5;
    score += 2 * covers.count();
    score += plot.isEmpty() ? 0 : 10;
    score += links.isEmpty() ? 0 : 9;
    score += mpaaRating.isEmpty() ? 0 : 3;
    score += imdbRating == 0.0f ? 0 : 3;
    score += purchasePrice.isEmpty() ? 0 : 2;
    score += myRating == 0.0f ? 0 : 3;
    return score < 100 ? score : 100;
}
