#include "app/views/MovieCells.h"

#include "model/CollectionModel.h"
#include "model/images/ImageResource.h"
#include "model/records/Movie.h"
#include "ui/widgets/items/UITableCell.h"

#include <algorithm>
#include <cmath>

namespace {

const char16_t kLabelMark[] = u"\u25CF";

double secondsOf(const DateTime& time)
{
    return static_cast<double>(time.toTimeT());
}

UITableCell* textCell(const String& text)
{
    return new UITableCell(text);
}

UITableCell* valueCell(const String& text, double value)
{
    auto* cell = new UITableCell(text);
    cell->setSortValue(value);
    return cell;
}

} // namespace

String MovieCells::caption(const Movie& movie)
{
    if (movie.year == 0)
        return movie.title;
    String text(movie.title);
    text.append(String(u" ("));
    text.append(String::fromInt(movie.year));
    text.append(String(u")"));
    return text;
}

String MovieCells::ratingImageName(const Movie& movie)
{
    // A damaged file can hold any float: the picture shows the nearest end
    // of the scale, and no value out of an int's range reaches the cast.
    float rating = std::isnan(movie.myRating) ? 0.0f : movie.myRating;
    rating = std::min(std::max(rating, 0.0f), kMaxRating);
    String name(u"star-small-");
    name.append(String::fromInt(static_cast<int>(std::trunc(rating))));
    return name;
}

Image MovieCells::dataImage(const String& name)
{
    std::u16string key(name.isEmpty() ? u"" : name.data(), size_t(name.length()));
    auto found = m_images.find(key);
    if (found != m_images.end())
        return found->second;
    Image image = loadImageResource(name);
    if (!image.isNull())
        m_images[key] = image;
    return image;
}

UITableCell* MovieCells::makeCell(const Movie& movie, int column)
{
    switch (column) {
    case kTitle: {
        UITableCell* cell = textCell(movie.title);
        if (movie.colorLabel != 0)
            cell->setPen(Pen(CollectionModel::colorLabelColor(movie.colorLabel)));
        return cell;
    }
    case kOriginalTitle:
        return textCell(movie.originalTitle);
    case kGenre:
        return textCell(movie.genresText());
    case kStudio:
        return textCell(movie.studiosText());
    case kCountry:
        return textCell(movie.countriesText());
    case kLanguage:
        return textCell(movie.languagesText());
    case kYear:
        return textCell(movie.year > 0 ? String::fromInt(movie.year) : String());
    case kRunningTime:
        return valueCell(movie.runningTime > 0 ? movie.runtimeText() : String(), movie.runningTime);
    case kMyRating: {
        auto* cell = new UITableCell();
        cell->setType(UITableCell::kImageCell);
        cell->setImage(dataImage(ratingImageName(movie)));
        cell->setAlignment(kRatingAlignment);
        if (movie.myRating != 0.0f)
            cell->setSecondText(String::fromFloat(movie.myRating, 1));
        cell->setSortValue(movie.myRating);
        return cell;
    }
    case kSeen:
    case kWishList: {
        bool on = column == kSeen ? movie.seen : movie.wishlist;
        auto* cell = new UITableCell();
        cell->setType(UITableCell::kImageCell);
        cell->setAlignment(48);
        cell->setImage(on ? dataImage(String(u"check-16")) : Image());
        cell->setSortValue(on ? 1.0 : 0.0);
        return cell;
    }
    case kDateAdded:
        return valueCell(movie.createdText(), secondsOf(movie.created));
    case kDateModified:
        return valueCell(movie.modifiedText(), secondsOf(movie.modified));
    case kImdbRating:
        return valueCell(movie.ratingText(), movie.imdbRating);
    case kMpaaRating:
        return textCell(movie.mpaaRating);
    case kColorLabel: {
        UITableCell* cell =
            valueCell(movie.colorLabel != 0 ? String(kLabelMark) : String(), movie.colorLabel);
        if (movie.colorLabel != 0)
            cell->setPen(Pen(CollectionModel::colorLabelColor(movie.colorLabel)));
        return cell;
    }
    default:
        return nullptr;
    }
}
