#include "samples/SampleCollection.h"

#include "foundation/io/Directory.h"
#include "foundation/io/Path.h"
#include "model/collection/CollectionHeader.h"
#include "model/collection/CollectionWriter.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"

namespace {

const char16_t* const kTitleWords[] = {u"Night",    u"River",  u"Shadow",  u"Garden",  u"Empire", u"Winter",
                                       u"Stranger", u"Mirror", u"Silence", u"Harbour", u"Fever",  u"Kingdom",
                                       u"Glass",    u"Storm",  u"Journey", u"Memory",  u"Été",    u"Mädchen",
                                       u"Straße",   u"Señor",  u"Øresund", u"Café",    u"Noël",   u"Ōsaka"};
const char16_t* const kFirstNames[] = {u"Anna",  u"James",  u"Marie",  u"Luca",   u"Sofia",  u"Henrik",
                                       u"Chloé", u"Jürgen", u"Akira",  u"Isabel", u"Martin", u"Zoë",
                                       u"Peter", u"Olga",   u"Rafael", u"Grace"};
const char16_t* const kLastNames[] = {u"Fischer",   u"Moreau",  u"Rossi",    u"Tanaka",  u"Novak", u"García",
                                      u"Lindqvist", u"O'Brien", u"Kowalski", u"Dubois",  u"Weber", u"Müller",
                                      u"Hughes",    u"Silva",   u"Petrov",   u"Nakamura"};
const char16_t* const kGenres[] = {u"Drama",  u"Comedy",  u"Thriller", u"Action",    u"Romance",
                                   u"Horror", u"Western", u"Crime",    u"Animation", u"Documentary",
                                   u"Sci-Fi", u"Fantasy", u"Mystery",  u"Musical",   u"War"};
const char16_t* const kCountries[] = {u"USA",   u"UK",    u"France", u"Germany", u"Italy",
                                      u"Japan", u"Spain", u"Sweden", u"Canada",  u"South Korea"};
const char16_t* const kLanguages[] = {u"English",  u"French",  u"German",  u"Italian",
                                      u"Japanese", u"Spanish", u"Swedish", u"Korean"};
const char16_t* const kStudios[] = {u"Northlight Pictures", u"Blue Harbour Films", u"Studio Lumen",
                                    u"Red Kite Productions", u"Atlas Cinema"};
const char16_t* const kFormats[] = {u"DVD", u"Blu-ray", u"4K UHD", u"VHS", u"Digital"};
const char16_t* const kRatings[] = {u"G", u"PG", u"PG-13", u"R", u"NC-17"};
const char16_t* const kTags[] = {u"favourite", u"classic", u"to watch", u"gift", u"boxed set"};
const char16_t* const kSentenceParts[] = {
    u"a retired detective",        u"an estranged sister",    u"a young composer",
    u"the last lighthouse keeper", u"returns to the village", u"uncovers a secret",
    u"crosses the border",         u"loses everything",       u"where it all began",
    u"that nobody believed",       u"before the winter",      u"in the old harbour",
    u"and learns what it costs",   u"while the city sleeps"};

} // namespace

SampleCollection::SampleCollection(uint32_t seed) : m_state(uint64_t(seed) * 0x9E3779B97F4A7C15ull + 1) {}

// SplitMix64: small, fast and the same in every build.
uint32_t SampleCollection::next()
{
    m_state += 0x9E3779B97F4A7C15ull;
    uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return uint32_t((z ^ (z >> 31)) >> 32);
}

int SampleCollection::between(int low, int high)
{
    return low + int(next() % uint32_t(high - low + 1));
}

int SampleCollection::below(int count)
{
    return int(next() % uint32_t(count));
}

String SampleCollection::personName()
{
    String name(pick(kFirstNames));
    name.appendChar(u' ');
    name.append(String(pick(kLastNames)));
    return name;
}

String SampleCollection::sentence()
{
    const int parts = int(sizeof(kSentenceParts) / sizeof(kSentenceParts[0]));
    String text(kSentenceParts[below(4)]);
    *text.charAt(0) = char16_t(text.at(0) - u'a' + u'A');
    text.appendChar(u' ');
    text.append(String(kSentenceParts[4 + below(4)]));
    text.appendChar(u' ');
    text.append(String(kSentenceParts[8 + below(parts - 8)]));
    text.append(String(u". "));
    return text;
}

String SampleCollection::paragraph(int minLength)
{
    String text;
    while (text.length() < minLength)
        text.append(sentence());
    return text.trimRight();
}

String SampleCollection::title()
{
    String text(u"The ");
    text.append(String(pick(kTitleWords)));
    if (next() % 3 == 0)
        text.append(String(u": ")).append(String(pick(kTitleWords)));
    return text;
}

void SampleCollection::fillMovie(Movie& movie, int id)
{
    movie.id = id;
    // Daytime only: a local time inside a daylight-saving change does not
    // survive the trip through UTC, and real additions are rarely made then.
    movie.created = DateTime(between(2008, 2023), between(1, 12), between(1, 28), between(8, 22),
                             between(0, 59), between(0, 59), 0);
    movie.modified = movie.created;
    movie.modified.addDays(between(0, 300));
    movie.title = title();
    movie.originalTitle = next() % 4 == 0 ? title() : String();
    for (int i = between(1, 3); i > 0; --i)
        movie.genres.append(String(pick(kGenres)));
    movie.studios.append(String(pick(kStudios)));
    for (int i = between(1, 2); i > 0; --i)
        movie.countries.append(String(pick(kCountries)));
    for (int i = between(1, 3); i > 0; --i)
        movie.languages.append(String(pick(kLanguages)));
    movie.year = between(1920, 2024);
    movie.runningTime = between(70, 200);
    movie.colour = next() % 8 == 0 ? 2 : 1;
    movie.format = String(pick(kFormats));
    movie.barcode = String::fromInt64(4000000000000ll + int64_t(next()) * 1000 + between(0, 999));
    movie.plot = paragraph(between(300, 800));
    movie.notes = next() % 5 == 0 ? paragraph(60) : String();
    for (int i = between(0, 2); i > 0; --i)
        movie.tags.append(String(pick(kTags)));
    movie.mpaaRating = String(pick(kRatings));
    movie.imdbRating = float(between(10, 99)) / 10.0f;
    movie.myRating = float(between(0, 10));
    movie.seen = next() % 2 == 0;
    movie.wishlist = next() % 10 == 0;
    movie.colorLabel = next() % 4 == 0 ? between(1, 7) : 0;
    movie.purchasePrice =
        next() % 3 == 0 ? String::fromInt(between(3, 40)).append(String(u",99 €")) : String();
    if (next() % 10 == 0) {
        movie.cardStyle.backgroundColor = Color(uint8_t(next()), uint8_t(next()), uint8_t(next()));
        movie.cardStyle.fontFamily = String(u"Georgia");
        movie.cardStyle.fontSize = between(11, 16);
    }
    addCastAndCrew(movie);
    addCoversAndLinks(movie);
    if (id % 10 == 0)
        addEpisodes(movie);
}

void SampleCollection::addCastAndCrew(Movie& movie)
{
    for (int i = between(10, 30); i > 0; --i) {
        CastItem& item = movie.cast.append(CastItem())->value;
        item.actor = personName();
        item.character = String(pick(kFirstNames));
    }
    for (int i = between(5, 10); i > 0; --i) {
        CrewItem& item = movie.crew.append(CrewItem())->value;
        item.role = between(CrewItem::kDirector, CrewItem::kCinematography);
        item.name = personName();
    }
}

void SampleCollection::addCoversAndLinks(Movie& movie)
{
    int first = between(Cover::kPoster, Cover::kDisc);
    for (int i = between(1, 3); i > 0; --i) {
        Cover cover(movie.coverFileName(first).append(String(u".png")));
        cover.kind = first;
        movie.setCover(cover);
        first = (first + 1) % 4;
    }
    MovieLink online;
    online.description = String(u"Movie page");
    online.url =
        String(u"https://www.example.org/title/tt").append(String::fromInt(int(next() % 9000000) + 1000000));
    movie.links.append(online);
    MovieLink local;
    local.type = MovieLink::kLocal;
    local.description = movie.title;
    local.url = String(u"D:\\Movies\\").append(movie.coverBaseName()).append(String(u".mkv"));
    local.play = true;
    movie.links.append(local);
}

void SampleCollection::addEpisodes(Movie& movie)
{
    int seasons = between(1, 3);
    for (int season = 1; season <= seasons; ++season) {
        for (int number = between(6, 10); number > 0; --number) {
            Episode& episode = movie.episodes.append(Episode())->value;
            episode.season = season;
            episode.number = number;
            episode.year = movie.year + season - 1;
            episode.month = between(1, 12);
            episode.day = between(1, 28);
            episode.title = title();
            episode.plot = paragraph(100);
            episode.file = String(u"D:\\Series\\").append(movie.title).append(String(u".mkv"));
        }
    }
}

void SampleCollection::addLoaners(int movieCount, LoanerList& loaners)
{
    int loanerCount = movieCount / 50 + 1;
    for (int i = 0; i < loanerCount; ++i) {
        Loaner& loaner = loaners.append(Loaner())->value;
        loaner.name = personName().append(String(u" ")).append(String::fromInt(i + 1));
        loaner.email = String(u"friend").append(String::fromInt(i + 1)).append(String(u"@example.org"));
        loaner.address = String::fromInt(between(1, 200)).append(String(u" Harbour Street"));
        loaner.phone = String(u"+49 30 ").append(String::fromInt(between(1000000, 9999999)));
        loaner.comments = next() % 3 == 0 ? sentence() : String();
        for (int j = between(1, 5); j > 0 && movieCount > 0; --j) {
            Loan& loan = loaner.loans.append(Loan())->value;
            loan.movieId = between(1, movieCount);
            loan.lendDate = Date(between(2015, 2023), between(1, 12), between(1, 28));
            loan.dueDate = Date(loan.lendDate).addDays(14);
            if (next() % 2 == 0)
                loan.returnDate = Date(loan.lendDate).addDays(between(1, 30));
            loan.notes = next() % 4 == 0 ? String(u"Handle with care") : String();
        }
    }
}

void SampleCollection::make(int count, CollectionHeader& header, List<Movie*>& movies, LoanerList& loaners)
{
    for (int id = 1; id <= count; ++id) {
        Movie* movie = new Movie;
        fillMovie(*movie, id);
        movies.append(movie);
    }
    if (count > header.lastMovieId)
        header.lastMovieId = count;
    addLoaners(count, loaners);
}

String SampleCollection::write(int count, uint32_t seed, const String& folder)
{
    String name = pathFileName(folder);
    if (name.isEmpty() || !Directory::create(folder))
        return String();
    Directory::create(String(folder).appendChar(kPathSeparator).append(String(u"Images")));
    Directory::create(String(folder).appendChar(kPathSeparator).append(String(u"Thumbnails")));
    CollectionHeader header;
    header.author = String(u"Reelstack sample");
    header.created = DateTime(2020, 1, 2, 3, 4, 5, 0);
    header.modified = header.created;
    List<Movie*> movies;
    LoanerList loaners;
    SampleCollection(seed).make(count, header, movies, loaners);
    String path =
        String(folder).appendChar(kPathSeparator).append(name).appendChar(u'.').append(String(u"rsdb"));
    bool written = CollectionWriter::write(path, header, movies, loaners);
    for (Movie* movie : movies)
        delete movie;
    return written ? path : String();
}
