#pragma once

#include "ui/views/coverflow/CoverSource.h"

class CollectionModel;
class Image;
class Movie;

// The cover flow's pictures, asked for as covers come near the view (the
// poster's thumbnail of the node's movie, or the blank cover), and its
// titles, asked for as a tool tip shows. The picture
// is read without being kept by the movie, so that passing through a whole
// collection leaves no thumbnails behind.
class MovieCoverSource : public CoverSource
{
public:
    explicit MovieCoverSource(const CollectionModel& model) : m_model(model) {}

    Image coverImage(const CoverNode& node) override;
    // The movie's caption.
    String coverTitle(const CoverNode& node) override;
    // The poster's thumbnail, read afresh; the empty image without one.
    static Image posterThumbnail(const Movie& movie);

private:
    const CollectionModel& m_model;
};
