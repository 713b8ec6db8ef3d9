#include "tools/rsdb/ExampleSource.h"

#include "foundation/xml/XmlDocument.h"
#include "foundation/xml/XmlElement.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"

namespace {

String attribute(const XmlElement& element, const char16_t* name)
{
    return element.attribute(String(name));
}

int number(const XmlElement& element, const char16_t* name)
{
    return attribute(element, name).toInt();
}

StringList list(const XmlElement& element, const char16_t* name)
{
    return String::split(attribute(element, name), String(u"|"), String::kSkipEmpty | String::kTrimItems);
}

// "yyyy-MM-dd"; the null date for an empty text.
Date date(const XmlElement& element, const char16_t* name)
{
    StringList parts = String::split(attribute(element, name), String(u"-"), 0);
    if (parts.count() != 3)
        return Date();
    return Date(parts.first()->value.toInt(), parts.nodeAt(1)->value.toInt(), parts.last()->value.toInt());
}

void readChild(const XmlElement& child, Movie& movie)
{
    const String& kind = child.name();
    if (kind == String(u"plot")) {
        movie.plot = child.value().trim();
    } else if (kind == String(u"cast")) {
        movie.cast.append(CastItem{attribute(child, u"actor"), attribute(child, u"character")});
    } else if (kind == String(u"crew")) {
        CrewItem crew;
        crew.role = number(child, u"role");
        crew.name = attribute(child, u"name");
        movie.crew.append(crew);
    } else if (kind == String(u"episode")) {
        Episode episode;
        episode.season = number(child, u"season");
        episode.number = number(child, u"number");
        Date aired = date(child, u"aired");
        episode.year = aired.year();
        episode.month = aired.month();
        episode.day = aired.day();
        episode.title = attribute(child, u"title");
        episode.plot = attribute(child, u"plot");
        movie.episodes.append(episode);
    } else if (kind == String(u"cover")) {
        Cover cover(attribute(child, u"file"));
        cover.kind = number(child, u"kind");
        movie.covers.append(cover);
    }
}

Movie* readMovie(const XmlElement& element, int32_t id, const DateTime& added)
{
    Movie* movie = new Movie;
    movie->id = id;
    movie->created = movie->modified = added;
    movie->title = attribute(element, u"title");
    movie->originalTitle = attribute(element, u"original");
    movie->year = number(element, u"year");
    movie->runningTime = number(element, u"minutes");
    movie->colour = number(element, u"colour");
    movie->format = attribute(element, u"format");
    movie->genres = list(element, u"genres");
    movie->studios = list(element, u"studios");
    movie->countries = list(element, u"countries");
    movie->languages = list(element, u"languages");
    movie->tags = list(element, u"tags");
    movie->mpaaRating = attribute(element, u"certificate");
    movie->imdbRating = attribute(element, u"siteRating").toFloat();
    movie->myRating = attribute(element, u"myRating").toFloat();
    movie->seen = attribute(element, u"seen") == String(u"yes");
    movie->wishlist = attribute(element, u"wishlist") == String(u"yes");
    for (XmlElement* child : element.children())
        readChild(*child, *movie);
    return movie;
}

} // namespace

bool readExampleSource(const String& path, List<Movie*>& movies, LoanerList& loaners)
{
    XmlDocument document;
    if (!document.loadFromFile(path, 3))
        return false;
    XmlElement* root = document.root().child(String(u"collection"));
    if (!root)
        return false;
    // One fixed day, so that the example's bytes are the same at every build.
    const DateTime added(2024, 1, 1, 12, 0, 0, 0);
    int32_t id = 0;
    for (XmlElement* element : root->children()) {
        if (element->name() == String(u"movie"))
            movies.append(readMovie(*element, ++id, added));
    }
    for (XmlElement* element : root->children()) {
        if (element->name() != String(u"loaner"))
            continue;
        Loaner loaner;
        loaner.name = attribute(*element, u"name");
        loaner.email = attribute(*element, u"email");
        for (XmlElement* child : element->children()) {
            Loan loan;
            loan.movieId = number(*child, u"movie");
            loan.lendDate = date(*child, u"lent");
            loan.dueDate = date(*child, u"due");
            if (loan.movieId < 1 || loan.movieId > id)
                return false;
            loaner.loans.append(loan);
        }
        loaners.append(loaner);
    }
    return true;
}
