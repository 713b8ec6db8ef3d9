#pragma once

// A small collection that uses every record kind and the awkward cases: text
// beyond ASCII (accents, CJK, a character outside the basic plane), empty
// texts, lists with blank items, returned and open loans, a loaner without
// loans and a movie with nothing filled in. It is saved as a real collection
// so that the tests can reopen, damage and compare it.

#include "model/collection/CollectionFile.h"
#include "tests/foundation/text/StringTestHelpers.h"
#include "tests/model/collection/CollectionTestSupport.h"

namespace collectiontest {

inline Movie* richMovie(int32_t id)
{
    Movie* movie = new Movie;
    movie->created = DateTime(2012, 3, 4, 15, 16, 17, 180);
    movie->modified = DateTime(2013, 8, 9, 10, 11, 12, 130);
    movie->id = id;
    movie->nclk = -4;
    movie->title = String(u"\u4e03\u4eba\u306e\u4f8d \U0001F3AC");
    movie->originalTitle = String(u"Shichinin no samurai");
    movie->genres = listOf({u"Action ", u"", u" Drama"});
    movie->studios = listOf({u"Toho"});
    movie->countries = listOf({u"Japan", u"  "});
    movie->languages = listOf({u" Japanese "});
    movie->year = 1954;
    movie->runningTime = 207;
    movie->colour = 2;
    movie->format = String(u"Blu-ray");
    movie->barcode = String();
    movie->cast.append(CastItem{String(u"Toshir\u014d Mifune"), String(u"Kikuchiyo")});
    movie->cast.append(CastItem{String(), String(u"Villager")});
    movie->crew.append(CrewItem{CrewItem::kDirector, String(), String(u"Akira Kurosawa")});
    movie->crew.append(CrewItem{CrewItem::kMusician, String(u"kept"), String(u"Fumio Hayasaka")});
    movie->crew.append(CrewItem{CrewItem::kCreator, String(), String()});
    Cover poster(String(u"\u4e03\u4eba (1) - poster.png"));
    movie->covers.append(poster);
    Cover disc(String(u"disc.png"));
    disc.kind = Cover::kDisc;
    movie->covers.append(disc);
    movie->plot = String(u"A village hires seven r\u014dnin.\r\nLine two \u2014 with a dash.");
    movie->links.append(MovieLink{MovieLink::kLocal, String(u"Film"), String(u"D:\\Films\\Seven.mkv"), true});
    movie->links.append(MovieLink{MovieLink::kOnline, String(), String(), false});
    movie->episodes.append(
        Episode{1, 1, 1954, 4, 26, String(u"Part one"), String(), String(u"D:\\a.mkv"), String()});
    movie->episodes.append(
        Episode{1, 2, 0, 0, 0, String(), String(u"Plot"), String(), String(u"https://x.org/2")});
    movie->mpaaRating = String(u"NR");
    movie->imdbRating = 8.6f;
    movie->notes = String(u"Notes with | a separator");
    movie->tags = listOf({u"classic", u"", u"samurai"});
    movie->purchasePrice = String(u"\u00a3 12");
    movie->seen = true;
    movie->wishlist = true;
    movie->myRating = -0.5f;
    movie->colorLabel = 7;
    movie->cardStyle.backgroundColor = Color(0xFF102030u);
    movie->cardStyle.backgroundImage = String(u"paper.png");
    movie->cardStyle.textColor = Color(0x7F000000u);
    movie->cardStyle.titleColor = Color(1, 2, 3);
    movie->cardStyle.linkColor = Color(0xFFFFFFFFu);
    movie->cardStyle.fontFamily = String(u"MS Mincho");
    movie->cardStyle.fontSize = -3;
    return movie;
}

// The same movie as it reads back: lists trimmed, without blank items.
inline Movie* richMovieAsRead(int32_t id)
{
    Movie* movie = richMovie(id);
    movie->genres = listOf({u"Action", u"Drama"});
    movie->countries = listOf({u"Japan"});
    movie->languages = listOf({u" Japanese "});
    movie->tags = listOf({u"classic", u"samurai"});
    return movie;
}

inline Loaner richLoaner()
{
    Loaner loaner;
    loaner.name = String(u"Zo\u00eb M\u00fcller");
    loaner.email = String(u"zoe@example.org");
    loaner.address = String(u"Stra\u00dfe 1\r\n10115 Berlin");
    loaner.phone = String();
    loaner.comments = String(u"Reliable");
    loaner.loans.append(
        Loan{1, Date(2020, 2, 28), Date(2020, 3, 13), Date(2020, 3, 1), String(u"came back")});
    loaner.loans.append(Loan{2, Date(2024, 2, 29), Date(2024, 3, 14), Date(), String()});
    loaner.loans.append(Loan{77, Date(), Date(), Date(), String(u"movie gone")});
    return loaner;
}

inline Loaner quietLoaner()
{
    Loaner loaner;
    loaner.name = String(u"Nobody");
    return loaner;
}

// Fills contents with the collection as it is written.
inline void makeRich(Contents& contents)
{
    contents.movies.append(richMovie(1));
    contents.movies.append(new Movie);
    contents.movies.last()->value->id = 2;
    contents.loaners.append(richLoaner());
    contents.loaners.append(quietLoaner());
}

// The same collection as it reads back.
inline void makeRichAsRead(Contents& contents)
{
    contents.movies.append(richMovieAsRead(1));
    contents.movies.append(new Movie);
    contents.movies.last()->value->id = 2;
    contents.loaners.append(richLoaner());
    contents.loaners.append(quietLoaner());
}

// Creates the collection "Rich" in the workspace and saves the rich
// collection into it; the path of its file, or empty on failure.
inline String saveRich(const Workspace& space)
{
    CollectionFile file(space.folder());
    if (!file.create(String(u"Rich"), String(u"R\u00e9my"), String(u"0123456789abcdef0123456789abcdef"),
                     DateTime(2011, 11, 11, 11, 11, 11, 0)))
        return String();
    String path = file.filePathFor(String(u"Rich"));
    Contents opened;
    if (!file.read(path, opened.movies, opened.loaners))
        return String();
    file.nextMovieId();
    file.nextMovieId();
    file.setSelectedMovieId(1);
    Contents contents;
    makeRich(contents);
    return file.write(contents.movies, contents.loaners) ? path : String();
}

} // namespace collectiontest
