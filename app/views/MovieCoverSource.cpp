#include "app/views/MovieCoverSource.h"

#include "app/views/MovieCells.h"
#include "model/CollectionModel.h"
#include "model/records/Movie.h"
#include "ui/views/coverflow/CoverNode.h"

Image MovieCoverSource::coverImage(const CoverNode& node)
{
    const Movie* movie = m_model.movieById(node.id());
    Image picture = movie ? posterThumbnail(*movie) : Image();
    return picture.isNull() ? Cover::blankCoverFlowImage() : picture;
}

String MovieCoverSource::coverTitle(const CoverNode& node)
{
    const Movie* movie = m_model.movieById(node.id());
    return movie ? MovieCells::caption(*movie) : String();
}

// A copy of the cover shares nothing it reads afterwards with the movie's
// own, so the thumbnail goes when the caller lets it go.
Image MovieCoverSource::posterThumbnail(const Movie& movie)
{
    const Cover* poster = movie.coverByKind(Cover::kPoster);
    if (!poster)
        return Image();
    Cover reader(*poster);
    return reader.thumbnail();
}
