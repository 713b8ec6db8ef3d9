#include "model/collection/MovieChunk.h"

#include "foundation/data/DataTree.h"
#include "model/collection/ChunkValues.h"
#include "model/records/Movie.h"

namespace {

using V = ChunkValues;

void writeCast(const CastItemList& cast, DataTreeNode& node)
{
    for (const CastItem& item : cast) {
        DataTreeNode* child = node.addChild("ITEM");
        V::writeText(*child, "ACTR", item.actor);
        V::writeText(*child, "CHTR", item.character);
    }
}

void writeCrew(const CrewItemList& crew, DataTreeNode& node)
{
    for (const CrewItem& item : crew) {
        DataTreeNode* child = node.addChild("ITEM");
        V::writeInt(*child, "ROLE", item.role);
        V::writeText(*child, "UNME", item.unme);
        V::writeText(*child, "NAME", item.name);
    }
}

void writeCovers(const CoverList& covers, DataTreeNode& node)
{
    for (const Cover& cover : covers) {
        DataTreeNode* child = node.addChild("ITEM");
        V::writeInt(*child, "TYPE", cover.kind);
        V::writeText(*child, "NAME", cover.name);
    }
}

void writeLinks(const MovieLinkList& links, DataTreeNode& node)
{
    for (const MovieLink& link : links) {
        DataTreeNode* child = node.addChild("ITEM");
        V::writeInt(*child, "TYPE", link.type);
        V::writeText(*child, "DESC", link.description);
        V::writeText(*child, "URL_", link.url);
        V::writeFlag(*child, "PLAY", link.play);
    }
}

void writeEpisodes(const EpisodeList& episodes, DataTreeNode& node)
{
    for (const Episode& episode : episodes) {
        DataTreeNode* child = node.addChild("ITEM");
        V::writeInt(*child, "SSON", episode.season);
        V::writeInt(*child, "NMBR", episode.number);
        V::writeInt(*child, "YEAR", episode.year);
        V::writeInt(*child, "MNTH", episode.month);
        V::writeInt(*child, "DAY_", episode.day);
        V::writeText(*child, "TTLE", episode.title);
        V::writeText(*child, "PLOT", episode.plot);
        V::writeText(*child, "URL_", episode.url);
        V::writeText(*child, "FILE", episode.file);
    }
}

void writeCardStyle(const CardStyle& style, DataTreeNode& node)
{
    V::writeColor(node, "BGCR", style.backgroundColor);
    V::writeText(node, "BGIM", style.backgroundImage);
    V::writeColor(node, "TTCR", style.textColor);
    V::writeColor(node, "TLCR", style.titleColor);
    V::writeColor(node, "LKCR", style.linkColor);
    V::writeText(node, "FNTF", style.fontFamily);
    V::writeInt(node, "FNSZ", style.fontSize);
}

// The items of a list node are taken whatever their tag; a missing list node
// is an empty list.
void readCast(const DataTreeNode* node, CastItemList& cast)
{
    if (!node)
        return;
    for (const DataTreeNode* child : node->children()) {
        CastItem& item = cast.append(CastItem())->value;
        item.actor = V::readText(*child, "ACTR");
        item.character = V::readText(*child, "CHTR");
    }
}

void readCrew(const DataTreeNode* node, CrewItemList& crew)
{
    if (!node)
        return;
    for (const DataTreeNode* child : node->children()) {
        CrewItem& item = crew.append(CrewItem())->value;
        item.role = V::readInt(*child, "ROLE");
        item.unme = V::readText(*child, "UNME");
        item.name = V::readText(*child, "NAME");
    }
}

void readCovers(const DataTreeNode* node, CoverList& covers)
{
    if (!node)
        return;
    for (const DataTreeNode* child : node->children()) {
        Cover& cover = covers.append(Cover())->value;
        cover.name = V::readText(*child, "NAME");
        cover.kind = V::readInt(*child, "TYPE");
    }
}

void readLinks(const DataTreeNode* node, MovieLinkList& links)
{
    if (!node)
        return;
    for (const DataTreeNode* child : node->children()) {
        MovieLink& link = links.append(MovieLink())->value;
        link.type = V::readInt(*child, "TYPE");
        link.description = V::readText(*child, "DESC");
        link.url = V::readText(*child, "URL_");
        link.play = V::readFlag(*child, "PLAY");
    }
}

void readEpisodes(const DataTreeNode* node, EpisodeList& episodes)
{
    if (!node)
        return;
    for (const DataTreeNode* child : node->children()) {
        Episode& episode = episodes.append(Episode())->value;
        episode.season = V::readInt(*child, "SSON");
        episode.number = V::readInt(*child, "NMBR");
        episode.year = V::readInt(*child, "YEAR");
        episode.month = V::readInt(*child, "MNTH");
        episode.day = V::readInt(*child, "DAY_");
        episode.title = V::readText(*child, "TTLE");
        episode.plot = V::readText(*child, "PLOT");
        episode.url = V::readText(*child, "URL_");
        episode.file = V::readText(*child, "FILE");
    }
}

uint32_t tagWord(const char* tag)
{
    return uint32_t(uint8_t(tag[0])) | (uint32_t(uint8_t(tag[1])) << 8) | (uint32_t(uint8_t(tag[2])) << 16) |
           (uint32_t(uint8_t(tag[3])) << 24);
}

// How each value of a movie lands in its field.
struct Field
{
    uint32_t tag;
    void (*apply)(const DataTreeValue& value, Movie& movie);
};

const Field kFields[] = {
    {dataTreeTag("CRTD"), [](const DataTreeValue& v, Movie& m) { m.created = V::toDateTime(&v); }},
    {dataTreeTag("MDFD"), [](const DataTreeValue& v, Movie& m) { m.modified = V::toDateTime(&v); }},
    {dataTreeTag("MVID"), [](const DataTreeValue& v, Movie& m) { m.id = V::toInt(&v); }},
    {dataTreeTag("NCLK"), [](const DataTreeValue& v, Movie& m) { m.nclk = V::toInt(&v); }},
    {dataTreeTag("TITL"), [](const DataTreeValue& v, Movie& m) { m.title = V::toText(&v); }},
    {dataTreeTag("ORTL"), [](const DataTreeValue& v, Movie& m) { m.originalTitle = V::toText(&v); }},
    {dataTreeTag("GNRE"), [](const DataTreeValue& v, Movie& m) { m.genres = V::toList(&v); }},
    {dataTreeTag("STUD"), [](const DataTreeValue& v, Movie& m) { m.studios = V::toList(&v); }},
    {dataTreeTag("CTRY"), [](const DataTreeValue& v, Movie& m) { m.countries = V::toList(&v); }},
    {dataTreeTag("LANG"), [](const DataTreeValue& v, Movie& m) { m.languages = V::toList(&v); }},
    {dataTreeTag("YEAR"), [](const DataTreeValue& v, Movie& m) { m.year = V::toInt(&v); }},
    {dataTreeTag("RUNT"), [](const DataTreeValue& v, Movie& m) { m.runningTime = V::toInt(&v); }},
    {dataTreeTag("CLOR"), [](const DataTreeValue& v, Movie& m) { m.colour = V::toInt(&v); }},
    {dataTreeTag("FRMT"), [](const DataTreeValue& v, Movie& m) { m.format = V::toText(&v); }},
    {dataTreeTag("BRCD"), [](const DataTreeValue& v, Movie& m) { m.barcode = V::toText(&v); }},
    {dataTreeTag("PLOT"), [](const DataTreeValue& v, Movie& m) { m.plot = V::toText(&v); }},
    {dataTreeTag("NTES"), [](const DataTreeValue& v, Movie& m) { m.notes = V::toText(&v); }},
    {dataTreeTag("TAGS"), [](const DataTreeValue& v, Movie& m) { m.tags = V::toList(&v); }},
    {dataTreeTag("RTMP"), [](const DataTreeValue& v, Movie& m) { m.mpaaRating = V::toText(&v); }},
    {dataTreeTag("RTIM"), [](const DataTreeValue& v, Movie& m) { m.imdbRating = V::toFloat(&v); }},
    {dataTreeTag("MYRT"), [](const DataTreeValue& v, Movie& m) { m.myRating = V::toFloat(&v); }},
    {dataTreeTag("WISH"), [](const DataTreeValue& v, Movie& m) { m.wishlist = V::toFlag(&v); }},
    {dataTreeTag("SEEN"), [](const DataTreeValue& v, Movie& m) { m.seen = V::toFlag(&v); }},
    {dataTreeTag("CRLB"), [](const DataTreeValue& v, Movie& m) { m.colorLabel = V::toInt(&v); }},
    {dataTreeTag("BGCR"),
     [](const DataTreeValue& v, Movie& m) { m.cardStyle.backgroundColor = V::toColor(&v); }},
    {dataTreeTag("BGIM"),
     [](const DataTreeValue& v, Movie& m) { m.cardStyle.backgroundImage = V::toText(&v); }},
    {dataTreeTag("TTCR"), [](const DataTreeValue& v, Movie& m) { m.cardStyle.textColor = V::toColor(&v); }},
    {dataTreeTag("TLCR"), [](const DataTreeValue& v, Movie& m) { m.cardStyle.titleColor = V::toColor(&v); }},
    {dataTreeTag("LKCR"), [](const DataTreeValue& v, Movie& m) { m.cardStyle.linkColor = V::toColor(&v); }},
    {dataTreeTag("FNTF"), [](const DataTreeValue& v, Movie& m) { m.cardStyle.fontFamily = V::toText(&v); }},
    {dataTreeTag("FNSZ"), [](const DataTreeValue& v, Movie& m) { m.cardStyle.fontSize = V::toInt(&v); }},
    {dataTreeTag("PRCE"), [](const DataTreeValue& v, Movie& m) { m.purchasePrice = V::toText(&v); }},
};

const int kFieldCount = int(sizeof(kFields) / sizeof(kFields[0]));
static_assert(kFieldCount <= 64, "one bit per field marks it as read");

int fieldIndex(const char* tag)
{
    uint32_t word = tagWord(tag);
    for (int i = 0; i < kFieldCount; ++i) {
        if (kFields[i].tag == word)
            return i;
    }
    return -1;
}

} // namespace

void MovieChunk::write(const Movie& movie, DataTreeNode& node)
{
    writeCast(movie.cast, *node.addChild("CAST"));
    writeCrew(movie.crew, *node.addChild("CREW"));
    writeCovers(movie.covers, *node.addChild("CVRS"));
    writeLinks(movie.links, *node.addChild("LNKS"));
    writeEpisodes(movie.episodes, *node.addChild("EPDS"));

    V::writeDateTime(node, "CRTD", movie.created);
    V::writeDateTime(node, "MDFD", movie.modified);
    V::writeInt(node, "MVID", movie.id);
    V::writeInt(node, "NCLK", movie.nclk);
    V::writeText(node, "TITL", movie.title);
    V::writeText(node, "ORTL", movie.originalTitle);
    V::writeList(node, "GNRE", movie.genres);
    V::writeList(node, "STUD", movie.studios);
    V::writeList(node, "CTRY", movie.countries);
    V::writeList(node, "LANG", movie.languages);
    V::writeInt(node, "YEAR", movie.year);
    V::writeInt(node, "RUNT", movie.runningTime);
    V::writeInt(node, "CLOR", movie.colour);
    V::writeText(node, "FRMT", movie.format);
    V::writeText(node, "BRCD", movie.barcode);
    V::writeText(node, "PLOT", movie.plot);
    V::writeText(node, "NTES", movie.notes);
    V::writeList(node, "TAGS", movie.tags);
    V::writeText(node, "RTMP", movie.mpaaRating);
    V::writeFloat(node, "RTIM", movie.imdbRating);
    V::writeFloat(node, "MYRT", movie.myRating);
    V::writeFlag(node, "WISH", movie.wishlist);
    V::writeFlag(node, "SEEN", movie.seen);
    V::writeInt(node, "CRLB", movie.colorLabel);
    writeCardStyle(movie.cardStyle, node);
    // Last, so that readers that know only the values above still find
    // everything where they expect it and skip this one.
    V::writeText(node, "PRCE", movie.purchasePrice);
}

// The movie's values are taken in one walk over the node rather than one
// search per tag: a collection holds tens of thousands of them. Only the
// first value with a tag counts, as for every other node.
void MovieChunk::read(const DataTreeNode& node, Movie& movie)
{
    uint64_t read = 0;
    for (const DataTreeValue* value : node.values()) {
        int index = fieldIndex(value->tag());
        if (index < 0 || (read & (uint64_t(1) << index)))
            continue;
        read |= uint64_t(1) << index;
        kFields[index].apply(*value, movie);
    }
    readCast(node.findChild("CAST"), movie.cast);
    readCrew(node.findChild("CREW"), movie.crew);
    readCovers(node.findChild("CVRS"), movie.covers);
    readLinks(node.findChild("LNKS"), movie.links);
    readEpisodes(node.findChild("EPDS"), movie.episodes);
}
