#include "model/collection/MovieChunk.h"

#include "foundation/data/DataTree.h"
#include "model/collection/ChunkInput.h"
#include "model/collection/ChunkStream.h"
#include "model/collection/ChunkValues.h"
#include "model/collection/ChunkWriter.h"
#include "model/records/Movie.h"

#include <cstddef>

namespace {

using V = ChunkValues;

// The number of values of each node, which the writer announces up front.
const uint32_t kMovieValues = 32;
const uint32_t kCastValues = 2;
const uint32_t kCrewValues = 3;
const uint32_t kCoverValues = 2;
const uint32_t kLinkValues = 4;
const uint32_t kEpisodeValues = 9;

void writeCast(const CastItemList& cast, ChunkWriter& out)
{
    out.beginNode("CAST", uint32_t(cast.count()), 0);
    for (const CastItem& item : cast) {
        out.beginNode("ITEM", 0, kCastValues);
        out.writeText("ACTR", item.actor);
        out.writeText("CHTR", item.character);
        out.endNode();
    }
    out.endNode();
}

void writeCrew(const CrewItemList& crew, ChunkWriter& out)
{
    out.beginNode("CREW", uint32_t(crew.count()), 0);
    for (const CrewItem& item : crew) {
        out.beginNode("ITEM", 0, kCrewValues);
        out.writeInt("ROLE", item.role);
        out.writeText("UNME", item.unme);
        out.writeText("NAME", item.name);
        out.endNode();
    }
    out.endNode();
}

void writeCovers(const CoverList& covers, ChunkWriter& out)
{
    out.beginNode("CVRS", uint32_t(covers.count()), 0);
    for (const Cover& cover : covers) {
        out.beginNode("ITEM", 0, kCoverValues);
        out.writeInt("TYPE", cover.kind);
        out.writeText("NAME", cover.name);
        out.endNode();
    }
    out.endNode();
}

void writeLinks(const MovieLinkList& links, ChunkWriter& out)
{
    out.beginNode("LNKS", uint32_t(links.count()), 0);
    for (const MovieLink& link : links) {
        out.beginNode("ITEM", 0, kLinkValues);
        out.writeInt("TYPE", link.type);
        out.writeText("DESC", link.description);
        out.writeText("URL_", link.url);
        out.writeFlag("PLAY", link.play);
        out.endNode();
    }
    out.endNode();
}

void writeEpisodes(const EpisodeList& episodes, ChunkWriter& out)
{
    out.beginNode("EPDS", uint32_t(episodes.count()), 0);
    for (const Episode& episode : episodes) {
        out.beginNode("ITEM", 0, kEpisodeValues);
        out.writeInt("SSON", episode.season);
        out.writeInt("NMBR", episode.number);
        out.writeInt("YEAR", episode.year);
        out.writeInt("MNTH", episode.month);
        out.writeInt("DAY_", episode.day);
        out.writeText("TTLE", episode.title);
        out.writeText("PLOT", episode.plot);
        out.writeText("URL_", episode.url);
        out.writeText("FILE", episode.file);
        out.endNode();
    }
    out.endNode();
}

void writeCardStyle(const CardStyle& style, ChunkWriter& out)
{
    out.writeColor("BGCR", style.backgroundColor);
    out.writeText("BGIM", style.backgroundImage);
    out.writeColor("TTCR", style.textColor);
    out.writeColor("TLCR", style.titleColor);
    out.writeColor("LKCR", style.linkColor);
    out.writeText("FNTF", style.fontFamily);
    out.writeInt("FNSZ", style.fontSize);
}

// ---- Reading, straight from the stream ----

// How one value lands in a field of a record.
template <typename T> struct FieldOf
{
    uint32_t tag;
    void (*apply)(const ChunkValue& value, T& target);
};

const FieldOf<Movie> kMovieFields[] = {
    {dataTreeTag("CRTD"), [](const ChunkValue& v, Movie& m) { m.created = V::toDateTime(v); }},
    {dataTreeTag("MDFD"), [](const ChunkValue& v, Movie& m) { m.modified = V::toDateTime(v); }},
    {dataTreeTag("MVID"), [](const ChunkValue& v, Movie& m) { m.id = V::toInt(v); }},
    {dataTreeTag("NCLK"), [](const ChunkValue& v, Movie& m) { m.nclk = V::toInt(v); }},
    {dataTreeTag("TITL"), [](const ChunkValue& v, Movie& m) { m.title = V::toText(v); }},
    {dataTreeTag("ORTL"), [](const ChunkValue& v, Movie& m) { m.originalTitle = V::toText(v); }},
    {dataTreeTag("GNRE"), [](const ChunkValue& v, Movie& m) { m.genres = V::toList(v); }},
    {dataTreeTag("STUD"), [](const ChunkValue& v, Movie& m) { m.studios = V::toList(v); }},
    {dataTreeTag("CTRY"), [](const ChunkValue& v, Movie& m) { m.countries = V::toList(v); }},
    {dataTreeTag("LANG"), [](const ChunkValue& v, Movie& m) { m.languages = V::toList(v); }},
    {dataTreeTag("YEAR"), [](const ChunkValue& v, Movie& m) { m.year = V::toInt(v); }},
    {dataTreeTag("RUNT"), [](const ChunkValue& v, Movie& m) { m.runningTime = V::toInt(v); }},
    {dataTreeTag("CLOR"), [](const ChunkValue& v, Movie& m) { m.colour = V::toInt(v); }},
    {dataTreeTag("FRMT"), [](const ChunkValue& v, Movie& m) { m.format = V::toText(v); }},
    {dataTreeTag("BRCD"), [](const ChunkValue& v, Movie& m) { m.barcode = V::toText(v); }},
    {dataTreeTag("PLOT"), [](const ChunkValue& v, Movie& m) { m.plot = V::toText(v); }},
    {dataTreeTag("NTES"), [](const ChunkValue& v, Movie& m) { m.notes = V::toText(v); }},
    {dataTreeTag("TAGS"), [](const ChunkValue& v, Movie& m) { m.tags = V::toList(v); }},
    {dataTreeTag("RTMP"), [](const ChunkValue& v, Movie& m) { m.mpaaRating = V::toText(v); }},
    {dataTreeTag("RTIM"), [](const ChunkValue& v, Movie& m) { m.imdbRating = V::toFloat(v); }},
    {dataTreeTag("MYRT"), [](const ChunkValue& v, Movie& m) { m.myRating = V::toFloat(v); }},
    {dataTreeTag("WISH"), [](const ChunkValue& v, Movie& m) { m.wishlist = V::toFlag(v); }},
    {dataTreeTag("SEEN"), [](const ChunkValue& v, Movie& m) { m.seen = V::toFlag(v); }},
    {dataTreeTag("CRLB"), [](const ChunkValue& v, Movie& m) { m.colorLabel = V::toInt(v); }},
    {dataTreeTag("BGCR"),
     [](const ChunkValue& v, Movie& m) { m.cardStyle.backgroundColor = V::toColor(v); }},
    {dataTreeTag("BGIM"),
     [](const ChunkValue& v, Movie& m) { m.cardStyle.backgroundImage = V::toText(v); }},
    {dataTreeTag("TTCR"), [](const ChunkValue& v, Movie& m) { m.cardStyle.textColor = V::toColor(v); }},
    {dataTreeTag("TLCR"), [](const ChunkValue& v, Movie& m) { m.cardStyle.titleColor = V::toColor(v); }},
    {dataTreeTag("LKCR"), [](const ChunkValue& v, Movie& m) { m.cardStyle.linkColor = V::toColor(v); }},
    {dataTreeTag("FNTF"), [](const ChunkValue& v, Movie& m) { m.cardStyle.fontFamily = V::toText(v); }},
    {dataTreeTag("FNSZ"), [](const ChunkValue& v, Movie& m) { m.cardStyle.fontSize = V::toInt(v); }},
    {dataTreeTag("PRCE"), [](const ChunkValue& v, Movie& m) { m.purchasePrice = V::toText(v); }},
};

const FieldOf<CastItem> kCastFields[] = {
    {dataTreeTag("ACTR"), [](const ChunkValue& v, CastItem& i) { i.actor = V::toText(v); }},
    {dataTreeTag("CHTR"), [](const ChunkValue& v, CastItem& i) { i.character = V::toText(v); }},
};

const FieldOf<CrewItem> kCrewFields[] = {
    {dataTreeTag("ROLE"), [](const ChunkValue& v, CrewItem& i) { i.role = V::toInt(v); }},
    {dataTreeTag("UNME"), [](const ChunkValue& v, CrewItem& i) { i.unme = V::toText(v); }},
    {dataTreeTag("NAME"), [](const ChunkValue& v, CrewItem& i) { i.name = V::toText(v); }},
};

const FieldOf<Cover> kCoverFields[] = {
    {dataTreeTag("TYPE"), [](const ChunkValue& v, Cover& c) { c.kind = V::toInt(v); }},
    {dataTreeTag("NAME"), [](const ChunkValue& v, Cover& c) { c.name = V::toText(v); }},
};

const FieldOf<MovieLink> kLinkFields[] = {
    {dataTreeTag("TYPE"), [](const ChunkValue& v, MovieLink& l) { l.type = V::toInt(v); }},
    {dataTreeTag("DESC"), [](const ChunkValue& v, MovieLink& l) { l.description = V::toText(v); }},
    {dataTreeTag("URL_"), [](const ChunkValue& v, MovieLink& l) { l.url = V::toText(v); }},
    {dataTreeTag("PLAY"), [](const ChunkValue& v, MovieLink& l) { l.play = V::toFlag(v); }},
};

const FieldOf<Episode> kEpisodeFields[] = {
    {dataTreeTag("SSON"), [](const ChunkValue& v, Episode& e) { e.season = V::toInt(v); }},
    {dataTreeTag("NMBR"), [](const ChunkValue& v, Episode& e) { e.number = V::toInt(v); }},
    {dataTreeTag("YEAR"), [](const ChunkValue& v, Episode& e) { e.year = V::toInt(v); }},
    {dataTreeTag("MNTH"), [](const ChunkValue& v, Episode& e) { e.month = V::toInt(v); }},
    {dataTreeTag("DAY_"), [](const ChunkValue& v, Episode& e) { e.day = V::toInt(v); }},
    {dataTreeTag("TTLE"), [](const ChunkValue& v, Episode& e) { e.title = V::toText(v); }},
    {dataTreeTag("PLOT"), [](const ChunkValue& v, Episode& e) { e.plot = V::toText(v); }},
    {dataTreeTag("URL_"), [](const ChunkValue& v, Episode& e) { e.url = V::toText(v); }},
    {dataTreeTag("FILE"), [](const ChunkValue& v, Episode& e) { e.file = V::toText(v); }},
};

template <typename T, size_t N> int fieldIndex(const FieldOf<T> (&fields)[N], uint32_t tag)
{
    for (size_t i = 0; i < N; ++i) {
        if (fields[i].tag == tag)
            return int(i);
    }
    return -1;
}

// A node's values: each known tag fills its field the first time it comes;
// later ones and unknown tags are read and dropped.
template <typename T, size_t N> bool readValues(ChunkInput& input, const FieldOf<T> (&fields)[N], T& target)
{
    static_assert(N <= 64, "one bit per field marks it as taken");
    uint32_t count = 0;
    if (!ChunkStream::readCount(input, ChunkStream::kMinValueBytes, count))
        return false;
    ChunkValue value;
    uint64_t taken = 0;
    for (uint32_t i = 0; i < count; ++i) {
        if (!ChunkStream::readValue(input, value))
            return false;
        int index = fieldIndex(fields, value.tag);
        if (index < 0 || (taken & (uint64_t(1) << index)))
            continue;
        taken |= uint64_t(1) << index;
        fields[index].apply(value, target);
    }
    return true;
}

// The start of a node whose tag does not matter: its tag and child count.
bool readNodeStart(ChunkInput& input, int depth, uint32_t& children)
{
    char tag[5];
    return ChunkStream::isDepthAllowed(depth) && ChunkStream::readTag(input, tag) &&
           ChunkStream::readCount(input, ChunkStream::kMinNodeBytes, children);
}

bool skipChildren(ChunkInput& input, int depth, uint32_t count)
{
    for (uint32_t i = 0; i < count; ++i) {
        if (!ChunkStream::skipNode(input, depth))
            return false;
    }
    return true;
}

// One record of a list, whatever its tag: a new record at the list's end.
template <typename T, size_t N>
bool readItem(ChunkInput& input, int depth, List<T>& list, const FieldOf<T> (&fields)[N])
{
    uint32_t children = 0;
    if (!readNodeStart(input, depth, children) || !skipChildren(input, depth + 1, children))
        return false;
    return readValues(input, fields, list.append(T())->value);
}

template <typename T, size_t N>
bool readList(ChunkInput& input, int depth, List<T>& list, const FieldOf<T> (&fields)[N])
{
    uint32_t children = 0;
    if (!readNodeStart(input, depth, children))
        return false;
    for (uint32_t i = 0; i < children; ++i) {
        if (!readItem(input, depth + 1, list, fields))
            return false;
    }
    return ChunkStream::skipValues(input);
}

// The movie's list nodes; only the first node with each tag is read.
struct ListNode
{
    uint32_t tag;
    bool (*read)(ChunkInput& input, int depth, Movie& movie);
};

const ListNode kLists[] = {
    {dataTreeTag("CAST"), [](ChunkInput& r, int d, Movie& m) { return readList(r, d, m.cast, kCastFields); }},
    {dataTreeTag("CREW"), [](ChunkInput& r, int d, Movie& m) { return readList(r, d, m.crew, kCrewFields); }},
    {dataTreeTag("CVRS"),
     [](ChunkInput& r, int d, Movie& m) { return readList(r, d, m.covers, kCoverFields); }},
    {dataTreeTag("LNKS"),
     [](ChunkInput& r, int d, Movie& m) { return readList(r, d, m.links, kLinkFields); }},
    {dataTreeTag("EPDS"),
     [](ChunkInput& r, int d, Movie& m) { return readList(r, d, m.episodes, kEpisodeFields); }},
};

bool readChild(ChunkInput& input, int depth, Movie& movie, uint32_t& listsRead)
{
    char tag[5];
    if (!ChunkStream::peekTag(input, tag))
        return false;
    uint32_t word = ChunkStream::tagWord(tag);
    for (size_t i = 0; i < sizeof(kLists) / sizeof(kLists[0]); ++i) {
        if (kLists[i].tag != word || (listsRead & (1u << i)))
            continue;
        listsRead |= 1u << i;
        return kLists[i].read(input, depth, movie);
    }
    return ChunkStream::skipNode(input, depth);
}

} // namespace

void MovieChunk::write(const Movie& movie, ChunkWriter& out)
{
    out.beginNode("MOV_", 5, kMovieValues);
    writeCast(movie.cast, out);
    writeCrew(movie.crew, out);
    writeCovers(movie.covers, out);
    writeLinks(movie.links, out);
    writeEpisodes(movie.episodes, out);

    out.writeDateTime("CRTD", movie.created);
    out.writeDateTime("MDFD", movie.modified);
    out.writeInt("MVID", movie.id);
    out.writeInt("NCLK", movie.nclk);
    out.writeText("TITL", movie.title);
    out.writeText("ORTL", movie.originalTitle);
    out.writeList("GNRE", movie.genres);
    out.writeList("STUD", movie.studios);
    out.writeList("CTRY", movie.countries);
    out.writeList("LANG", movie.languages);
    out.writeInt("YEAR", movie.year);
    out.writeInt("RUNT", movie.runningTime);
    out.writeInt("CLOR", movie.colour);
    out.writeText("FRMT", movie.format);
    out.writeText("BRCD", movie.barcode);
    out.writeText("PLOT", movie.plot);
    out.writeText("NTES", movie.notes);
    out.writeList("TAGS", movie.tags);
    out.writeText("RTMP", movie.mpaaRating);
    out.writeFloat("RTIM", movie.imdbRating);
    out.writeFloat("MYRT", movie.myRating);
    out.writeFlag("WISH", movie.wishlist);
    out.writeFlag("SEEN", movie.seen);
    out.writeInt("CRLB", movie.colorLabel);
    writeCardStyle(movie.cardStyle, out);
    // Last, so that readers that know only the values above still find
    // everything where they expect it and skip this one.
    out.writeText("PRCE", movie.purchasePrice);
    out.endNode();
}

// A movie is read from the stream piece by piece rather than as a tree of
// its own: a collection holds tens of thousands of them, and each value then
// costs one small block instead of three.
bool MovieChunk::read(ChunkInput& input, int depth, Movie& movie)
{
    uint32_t children = 0;
    if (!readNodeStart(input, depth, children))
        return false;
    uint32_t listsRead = 0;
    for (uint32_t i = 0; i < children; ++i) {
        if (!readChild(input, depth + 1, movie, listsRead))
            return false;
    }
    return readValues(input, kMovieFields, movie);
}
