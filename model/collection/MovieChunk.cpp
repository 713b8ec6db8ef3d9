#include "model/collection/MovieChunk.h"

#include "foundation/data/DataTree.h"
#include "foundation/io/DataReader.h"
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
    void (*apply)(const DataTreeValue& value, T& target);
};

const FieldOf<Movie> kMovieFields[] = {
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

const FieldOf<CastItem> kCastFields[] = {
    {dataTreeTag("ACTR"), [](const DataTreeValue& v, CastItem& i) { i.actor = V::toText(&v); }},
    {dataTreeTag("CHTR"), [](const DataTreeValue& v, CastItem& i) { i.character = V::toText(&v); }},
};

const FieldOf<CrewItem> kCrewFields[] = {
    {dataTreeTag("ROLE"), [](const DataTreeValue& v, CrewItem& i) { i.role = V::toInt(&v); }},
    {dataTreeTag("UNME"), [](const DataTreeValue& v, CrewItem& i) { i.unme = V::toText(&v); }},
    {dataTreeTag("NAME"), [](const DataTreeValue& v, CrewItem& i) { i.name = V::toText(&v); }},
};

const FieldOf<Cover> kCoverFields[] = {
    {dataTreeTag("TYPE"), [](const DataTreeValue& v, Cover& c) { c.kind = V::toInt(&v); }},
    {dataTreeTag("NAME"), [](const DataTreeValue& v, Cover& c) { c.name = V::toText(&v); }},
};

const FieldOf<MovieLink> kLinkFields[] = {
    {dataTreeTag("TYPE"), [](const DataTreeValue& v, MovieLink& l) { l.type = V::toInt(&v); }},
    {dataTreeTag("DESC"), [](const DataTreeValue& v, MovieLink& l) { l.description = V::toText(&v); }},
    {dataTreeTag("URL_"), [](const DataTreeValue& v, MovieLink& l) { l.url = V::toText(&v); }},
    {dataTreeTag("PLAY"), [](const DataTreeValue& v, MovieLink& l) { l.play = V::toFlag(&v); }},
};

const FieldOf<Episode> kEpisodeFields[] = {
    {dataTreeTag("SSON"), [](const DataTreeValue& v, Episode& e) { e.season = V::toInt(&v); }},
    {dataTreeTag("NMBR"), [](const DataTreeValue& v, Episode& e) { e.number = V::toInt(&v); }},
    {dataTreeTag("YEAR"), [](const DataTreeValue& v, Episode& e) { e.year = V::toInt(&v); }},
    {dataTreeTag("MNTH"), [](const DataTreeValue& v, Episode& e) { e.month = V::toInt(&v); }},
    {dataTreeTag("DAY_"), [](const DataTreeValue& v, Episode& e) { e.day = V::toInt(&v); }},
    {dataTreeTag("TTLE"), [](const DataTreeValue& v, Episode& e) { e.title = V::toText(&v); }},
    {dataTreeTag("PLOT"), [](const DataTreeValue& v, Episode& e) { e.plot = V::toText(&v); }},
    {dataTreeTag("URL_"), [](const DataTreeValue& v, Episode& e) { e.url = V::toText(&v); }},
    {dataTreeTag("FILE"), [](const DataTreeValue& v, Episode& e) { e.file = V::toText(&v); }},
};

template <typename T, size_t N> int fieldIndex(const FieldOf<T> (&fields)[N], const char* tag)
{
    uint32_t word = ChunkStream::tagWord(tag);
    for (size_t i = 0; i < N; ++i) {
        if (fields[i].tag == word)
            return int(i);
    }
    return -1;
}

// A node's values: each known tag fills its field the first time it comes;
// later ones and unknown tags are read and dropped.
template <typename T, size_t N> bool readValues(DataReader& reader, const FieldOf<T> (&fields)[N], T& target)
{
    static_assert(N <= 64, "one bit per field marks it as taken");
    uint32_t count = 0;
    if (!ChunkStream::readCount(reader, ChunkStream::kMinValueBytes, count))
        return false;
    DataTreeValue value;
    uint64_t taken = 0;
    for (uint32_t i = 0; i < count; ++i) {
        if (!value.read(reader))
            return false;
        int index = fieldIndex(fields, value.tag());
        if (index < 0 || (taken & (uint64_t(1) << index)))
            continue;
        taken |= uint64_t(1) << index;
        fields[index].apply(value, target);
    }
    return true;
}

// The start of a node whose tag does not matter: its tag and child count.
bool readNodeStart(DataReader& reader, int depth, uint32_t& children)
{
    char tag[5];
    return ChunkStream::isDepthAllowed(depth) && ChunkStream::readTag(reader, tag) &&
           ChunkStream::readCount(reader, ChunkStream::kMinNodeBytes, children);
}

bool skipChildren(DataReader& reader, int depth, uint32_t count)
{
    for (uint32_t i = 0; i < count; ++i) {
        if (!ChunkStream::skipNode(reader, depth))
            return false;
    }
    return true;
}

// One record of a list, whatever its tag: a new record at the list's end.
template <typename T, size_t N>
bool readItem(DataReader& reader, int depth, List<T>& list, const FieldOf<T> (&fields)[N])
{
    uint32_t children = 0;
    if (!readNodeStart(reader, depth, children) || !skipChildren(reader, depth + 1, children))
        return false;
    return readValues(reader, fields, list.append(T())->value);
}

template <typename T, size_t N>
bool readList(DataReader& reader, int depth, List<T>& list, const FieldOf<T> (&fields)[N])
{
    uint32_t children = 0;
    if (!readNodeStart(reader, depth, children))
        return false;
    for (uint32_t i = 0; i < children; ++i) {
        if (!readItem(reader, depth + 1, list, fields))
            return false;
    }
    return ChunkStream::skipValues(reader);
}

// The movie's list nodes; only the first node with each tag is read.
struct ListNode
{
    uint32_t tag;
    bool (*read)(DataReader& reader, int depth, Movie& movie);
};

const ListNode kLists[] = {
    {dataTreeTag("CAST"), [](DataReader& r, int d, Movie& m) { return readList(r, d, m.cast, kCastFields); }},
    {dataTreeTag("CREW"), [](DataReader& r, int d, Movie& m) { return readList(r, d, m.crew, kCrewFields); }},
    {dataTreeTag("CVRS"),
     [](DataReader& r, int d, Movie& m) { return readList(r, d, m.covers, kCoverFields); }},
    {dataTreeTag("LNKS"),
     [](DataReader& r, int d, Movie& m) { return readList(r, d, m.links, kLinkFields); }},
    {dataTreeTag("EPDS"),
     [](DataReader& r, int d, Movie& m) { return readList(r, d, m.episodes, kEpisodeFields); }},
};

bool readChild(DataReader& reader, int depth, Movie& movie, uint32_t& listsRead)
{
    char tag[5];
    if (!ChunkStream::peekTag(reader, tag))
        return false;
    uint32_t word = ChunkStream::tagWord(tag);
    for (size_t i = 0; i < sizeof(kLists) / sizeof(kLists[0]); ++i) {
        if (kLists[i].tag != word || (listsRead & (1u << i)))
            continue;
        listsRead |= 1u << i;
        return kLists[i].read(reader, depth, movie);
    }
    return ChunkStream::skipNode(reader, depth);
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
bool MovieChunk::read(DataReader& reader, int depth, Movie& movie)
{
    uint32_t children = 0;
    if (!readNodeStart(reader, depth, children))
        return false;
    uint32_t listsRead = 0;
    for (uint32_t i = 0; i < children; ++i) {
        if (!readChild(reader, depth + 1, movie, listsRead))
            return false;
    }
    return readValues(reader, kMovieFields, movie);
}
