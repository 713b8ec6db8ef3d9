// rsdb: looks into collection files and makes synthetic ones.
//   rsdb dump FILE              the header, every movie, loaner and loan, one field per line
//   rsdb generate N OUT [SEED]  a collection of N made-up movies in the folder OUT
//   rsdb example SOURCE.xml OUT the example collection from its source, in OUT
#include "foundation/containers/List.h"
#include "foundation/io/File.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"
#include "model/collection/CollectionFile.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"
#include "samples/SampleCollection.h"
#include "tools/rsdb/ExampleSource.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string utf8(const String& text)
{
    ByteArray bytes = text.toUtf8();
    return std::string(reinterpret_cast<const char*>(bytes.data()), size_t(bytes.size()));
}

// Our paths use '\' in every build.
String pathFromArgument(const char* argument)
{
    String path = String::fromUtf8(argument);
    return path.replaceChar(u'/', u'\\', String::kCaseSensitive);
}

class Dumper
{
public:
    void field(const std::string& name, const std::string& value)
    {
        std::printf("%s%s: %s\n", m_prefix.c_str(), name.c_str(), value.c_str());
    }
    void field(const std::string& name, const String& value) { field(name, utf8(value)); }
    void field(const std::string& name, long long value) { field(name, std::to_string(value)); }
    void field(const std::string& name, double value)
    {
        char text[64];
        std::snprintf(text, sizeof text, "%g", value);
        field(name, std::string(text));
    }
    void field(const std::string& name, const StringList& list)
    {
        std::string text;
        for (const String& item : list) {
            if (!text.empty())
                text += " | ";
            text += utf8(item);
        }
        field(name, text);
    }
    void field(const std::string& name, const DateTime& value)
    {
        char text[64];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", value.year(), value.month(),
                      value.day(), value.hour(), value.minute(), value.second(), value.millisecond());
        field(name, std::string(value.isNull() ? "-" : text));
    }
    void field(const std::string& name, const Date& value)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", value.year(), value.month(), value.day());
        field(name, std::string(value.isNull() ? "-" : text));
    }
    void field(const std::string& name, const Color& value)
    {
        char text[16];
        std::snprintf(text, sizeof text, "0x%08X", value.value());
        field(name, std::string(text));
    }

    void setPrefix(const std::string& prefix) { m_prefix = prefix; }

private:
    std::string m_prefix;
};

std::string indexed(const char* list, int index, const char* name)
{
    return std::string(list) + "[" + std::to_string(index) + "]." + name;
}

void dumpHeader(Dumper& out, const CollectionHeader& header)
{
    std::printf("header\n");
    out.setPrefix("  ");
    out.field("author", header.author);
    out.field("password", header.password);
    out.field("version", double(header.version));
    out.field("created", header.created);
    out.field("modified", header.modified);
    out.field("lastMovieId", (long long)header.lastMovieId);
    out.field("selectedMovieId", (long long)header.selectedMovieId);
}

void dumpLists(Dumper& out, const Movie& movie)
{
    int i = 0;
    for (const CastItem& item : movie.cast) {
        out.field(indexed("cast", i, "actor"), item.actor);
        out.field(indexed("cast", i++, "character"), item.character);
    }
    i = 0;
    for (const CrewItem& item : movie.crew) {
        out.field(indexed("crew", i, "role"), (long long)item.role);
        out.field(indexed("crew", i, "unme"), item.unme);
        out.field(indexed("crew", i++, "name"), item.name);
    }
    i = 0;
    for (const Cover& cover : movie.covers) {
        out.field(indexed("covers", i, "kind"), (long long)cover.kind);
        out.field(indexed("covers", i++, "name"), cover.name);
    }
    i = 0;
    for (const MovieLink& link : movie.links) {
        out.field(indexed("links", i, "type"), (long long)link.type);
        out.field(indexed("links", i, "description"), link.description);
        out.field(indexed("links", i, "url"), link.url);
        out.field(indexed("links", i++, "play"), (long long)link.play);
    }
    i = 0;
    for (const Episode& episode : movie.episodes) {
        out.field(indexed("episodes", i, "season"), (long long)episode.season);
        out.field(indexed("episodes", i, "number"), (long long)episode.number);
        out.field(indexed("episodes", i, "released"), episode.releaseDateText(String(u"-")));
        out.field(indexed("episodes", i, "title"), episode.title);
        out.field(indexed("episodes", i, "plot"), episode.plot);
        out.field(indexed("episodes", i, "url"), episode.url);
        out.field(indexed("episodes", i++, "file"), episode.file);
    }
}

void dumpMovie(Dumper& out, const Movie& movie, int index)
{
    std::printf("movie %d\n", index);
    out.setPrefix("  ");
    out.field("id", (long long)movie.id);
    out.field("created", movie.created);
    out.field("modified", movie.modified);
    out.field("nclk", (long long)movie.nclk);
    out.field("title", movie.title);
    out.field("originalTitle", movie.originalTitle);
    out.field("genres", movie.genres);
    out.field("studios", movie.studios);
    out.field("countries", movie.countries);
    out.field("languages", movie.languages);
    out.field("year", (long long)movie.year);
    out.field("runningTime", (long long)movie.runningTime);
    out.field("colour", (long long)movie.colour);
    out.field("format", movie.format);
    out.field("barcode", movie.barcode);
    out.field("plot", movie.plot);
    out.field("notes", movie.notes);
    out.field("tags", movie.tags);
    out.field("mpaaRating", movie.mpaaRating);
    out.field("imdbRating", double(movie.imdbRating));
    out.field("myRating", double(movie.myRating));
    out.field("wishlist", (long long)movie.wishlist);
    out.field("seen", (long long)movie.seen);
    out.field("colorLabel", (long long)movie.colorLabel);
    out.field("purchasePrice", movie.purchasePrice);
    out.field("card.backgroundColor", movie.cardStyle.backgroundColor);
    out.field("card.backgroundImage", movie.cardStyle.backgroundImage);
    out.field("card.textColor", movie.cardStyle.textColor);
    out.field("card.titleColor", movie.cardStyle.titleColor);
    out.field("card.linkColor", movie.cardStyle.linkColor);
    out.field("card.fontFamily", movie.cardStyle.fontFamily);
    out.field("card.fontSize", (long long)movie.cardStyle.fontSize);
    dumpLists(out, movie);
}

void dumpLoaner(Dumper& out, const Loaner& loaner, int index)
{
    std::printf("loaner %d\n", index);
    out.setPrefix("  ");
    out.field("name", loaner.name);
    out.field("address", loaner.address);
    out.field("email", loaner.email);
    out.field("phone", loaner.phone);
    out.field("comments", loaner.comments);
    int i = 0;
    for (const Loan& loan : loaner.loans) {
        out.field(indexed("loans", i, "movieId"), (long long)loan.movieId);
        out.field(indexed("loans", i, "lent"), loan.lendDate);
        out.field(indexed("loans", i, "due"), loan.dueDate);
        out.field(indexed("loans", i, "returned"), loan.returnDate);
        out.field(indexed("loans", i++, "notes"), loan.notes);
    }
}

int dump(const char* argument)
{
    CollectionFile file{String()};
    List<Movie*> movies;
    LoanerList loaners;
    if (!file.read(pathFromArgument(argument), movies, loaners)) {
        std::fprintf(stderr, "rsdb: %s is not a collection file that can be loaded\n", argument);
        return 1;
    }
    Dumper out;
    dumpHeader(out, file.header());
    int index = 0;
    for (const Movie* movie : movies)
        dumpMovie(out, *movie, index++);
    index = 0;
    for (const Loaner& loaner : loaners)
        dumpLoaner(out, loaner, index++);
    for (Movie* movie : movies)
        delete movie;
    return 0;
}

bool parseNumber(const char* text, long long low, long long high, long long& value)
{
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
    return end != text && *end == 0 && value >= low && value <= high;
}

int generate(const char* countText, const char* folder, const char* seedText)
{
    long long count = 0;
    long long seed = 1;
    if (!parseNumber(countText, 0, 10000000, count) ||
        (seedText && !parseNumber(seedText, 0, UINT32_MAX, seed))) {
        std::fprintf(stderr, "rsdb: the count must be 0 to 10000000 and the seed 0 to 4294967295\n");
        return 2;
    }
    String path = SampleCollection::write(int(count), uint32_t(seed), pathFromArgument(folder));
    if (path.isEmpty()) {
        std::fprintf(stderr, "rsdb: cannot write a collection into %s\n", folder);
        return 1;
    }
    std::printf("%s: %lld movies, %lld bytes\n", folder, count, (long long)File::size(path));
    return 0;
}

// The example collection from its XML source, as the collection "Example"
// in the folder: the program ships it and writes it on its first start.
int example(const char* source, const char* folder)
{
    List<Movie*> movies;
    LoanerList loaners;
    if (!readExampleSource(pathFromArgument(source), movies, loaners)) {
        std::fprintf(stderr, "rsdb: %s is not an example collection source\n", source);
        return 1;
    }
    CollectionFile file{pathFromArgument(folder)};
    const String name(u"Example");
    bool written = file.create(name, String(u"Reelstack"), String(), DateTime(2024, 1, 1, 12, 0, 0, 0));
    List<Movie*> none;
    LoanerList noLoaners;
    written = written && file.read(file.filePathFor(name), none, noLoaners);
    for (Movie* movie : movies)
        written = written && file.nextMovieId() == movie->id; // the loans name movies by these ids
    written = written && file.write(movies, loaners);
    for (Movie* movie : movies)
        delete movie;
    if (!written) {
        std::fprintf(stderr, "rsdb: cannot write the example collection into %s\n", folder);
        return 1;
    }
    return 0;
}

int usage()
{
    std::fprintf(stderr, "usage: rsdb dump FILE\n       rsdb generate N OUT [SEED]\n       rsdb example SOURCE.xml OUT\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "dump")
        return dump(argv[2]);
    if (argc == 4 && std::string(argv[1]) == "example")
        return example(argv[2], argv[3]);
    if ((argc == 4 || argc == 5) && std::string(argv[1]) == "generate")
        return generate(argv[2], argv[3], argc == 5 ? argv[4] : nullptr);
    return usage();
}
