#include "model/purge/ImagePurge.h"

#include "foundation/containers/StringList.h"
#include "foundation/io/Directory.h"
#include "model/images/ImageFolder.h"
#include "model/records/Movie.h"
#include "model/values/StringPointerSet.h"

namespace {

// Files only, names only, not recursive, hidden files included.
const int kListOptions = Directory::kListFiles | Directory::kListNamesOnly;

void deleteFilesNotIn(const String& folder, const StringList& names, const StringPointerSet& keep)
{
    for (const String& name : names) {
        if (!keep.count(&name))
            ImageFolder::remove(folder, name);
    }
}

} // namespace

// The system finds a file whatever the letter case of its name, so a movie's
// "Poster.JPG" uses the file "poster.jpg": names are compared in lower case.
void ImagePurge::purgeImages(const String& imagesFolder, const List<Movie*>& movies)
{
    StringList names;
    if (imagesFolder.isEmpty() || !Directory::list(imagesFolder, kListOptions, nullptr, names) ||
        names.isEmpty())
        return;
    StringList used;
    for (const Movie* movie : movies) {
        for (const Cover& cover : movie->covers)
            used.append(cover.name.toLower());
        used.append(movie->cardStyle.backgroundImage.toLower());
    }
    StringPointerSet keep;
    for (const String& name : used)
        keep.insert(&name);
    for (const String& name : names) {
        const String lower = name.toLower();
        if (!keep.count(&lower))
            ImageFolder::remove(imagesFolder, name);
    }
}

void ImagePurge::purgeThumbnails(const String& thumbnailsFolder, const List<Movie*>& movies)
{
    StringList names;
    StringList extensions;
    extensions.append(String(u"png"));
    if (thumbnailsFolder.isEmpty() || !Directory::list(thumbnailsFolder, kListOptions, &extensions, names) ||
        names.isEmpty())
        return;
    StringPointerSet keep;
    for (const Movie* movie : movies) {
        for (const Cover& cover : movie->covers)
            keep.insert(&cover.thumbnailName());
    }
    deleteFilesNotIn(thumbnailsFolder, names, keep);
}
