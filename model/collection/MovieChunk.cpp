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

void readCardStyle(const DataTreeNode& node, CardStyle& style)
{
    style.backgroundColor = V::readColor(node, "BGCR");
    style.backgroundImage = V::readText(node, "BGIM");
    style.textColor = V::readColor(node, "TTCR");
    style.titleColor = V::readColor(node, "TLCR");
    style.linkColor = V::readColor(node, "LKCR");
    style.fontFamily = V::readText(node, "FNTF");
    style.fontSize = V::readInt(node, "FNSZ");
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

void MovieChunk::read(const DataTreeNode& node, Movie& movie)
{
    movie.created = V::readDateTime(node, "CRTD");
    movie.modified = V::readDateTime(node, "MDFD");
    movie.id = V::readInt(node, "MVID");
    movie.nclk = V::readInt(node, "NCLK");
    movie.title = V::readText(node, "TITL");
    movie.originalTitle = V::readText(node, "ORTL");
    movie.genres = V::readList(node, "GNRE");
    movie.studios = V::readList(node, "STUD");
    movie.countries = V::readList(node, "CTRY");
    movie.languages = V::readList(node, "LANG");
    movie.year = V::readInt(node, "YEAR");
    movie.runningTime = V::readInt(node, "RUNT");
    movie.colour = V::readInt(node, "CLOR");
    movie.format = V::readText(node, "FRMT");
    movie.barcode = V::readText(node, "BRCD");
    readCast(node.findChild("CAST"), movie.cast);
    readCrew(node.findChild("CREW"), movie.crew);
    readCovers(node.findChild("CVRS"), movie.covers);
    readLinks(node.findChild("LNKS"), movie.links);
    readEpisodes(node.findChild("EPDS"), movie.episodes);
    movie.plot = V::readText(node, "PLOT");
    movie.notes = V::readText(node, "NTES");
    movie.tags = V::readList(node, "TAGS");
    movie.mpaaRating = V::readText(node, "RTMP");
    movie.imdbRating = V::readFloat(node, "RTIM");
    movie.myRating = V::readFloat(node, "MYRT");
    movie.wishlist = V::readFlag(node, "WISH");
    movie.seen = V::readFlag(node, "SEEN");
    movie.colorLabel = V::readInt(node, "CRLB");
    readCardStyle(node, movie.cardStyle);
    movie.purchasePrice = V::readText(node, "PRCE");
}
