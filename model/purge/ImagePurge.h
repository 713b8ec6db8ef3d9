#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"

class Movie;

// Deletes the picture files of a collection that no movie refers to any more.
// Each purge lists the folder once and looks every file up in a hash set of
// the names the movies use, so its cost grows with files plus covers rather
// than their product. A file that cannot be deleted stays; the purge carries
// on with the next.
class ImagePurge
{
public:
    // Files directly in the Images folder that are neither a movie's cover
    // nor its card background.
    static void purgeImages(const String& imagesFolder, const List<Movie*>& movies);
    // Files with the extension "png" (any case) directly in the Thumbnails
    // folder that are not the thumbnail of any movie's cover.
    static void purgeThumbnails(const String& thumbnailsFolder, const List<Movie*>& movies);
};
