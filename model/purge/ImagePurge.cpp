#include "model/purge/ImagePurge.h"

#include "foundation/containers/StringList.h"
#include "foundation/hash/Md5Digest.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "model/records/Movie.h"
#include "model/values/StringPointerSet.h"

#include <vector>

namespace {

// Files only, names only, not recursive, hidden files included.
const int kListOptions = Directory::kListFiles | Directory::kListNamesOnly;

void deleteFilesNotIn(const String& folder, const StringList& names, const StringPointerSet& keep)
{
    for (const String& name : names) {
        if (keep.count(&name))
            continue;
        String path = String(folder).appendChar(kPathSeparator).append(name);
        if (File::exists(path))
            File::remove(path);
    }
}

} // namespace

void ImagePurge::purgeImages(const String& imagesFolder, const List<Movie*>& movies)
{
    StringList names;
    if (imagesFolder.isEmpty() || !Directory::list(imagesFolder, kListOptions, nullptr, names) ||
        names.isEmpty())
        return;
    StringPointerSet keep;
    for (const Movie* movie : movies) {
        for (const Cover& cover : movie->covers)
            keep.insert(&cover.name);
        keep.insert(&movie->cardStyle.backgroundImage);
    }
    deleteFilesNotIn(imagesFolder, names, keep);
}

void ImagePurge::purgeThumbnails(const String& thumbnailsFolder, const List<Movie*>& movies)
{
    StringList names;
    StringList extensions;
    extensions.append(String(u"png"));
    if (thumbnailsFolder.isEmpty() || !Directory::list(thumbnailsFolder, kListOptions, &extensions, names) ||
        names.isEmpty())
        return;
    std::vector<String> used;
    for (const Movie* movie : movies) {
        for (const Cover& cover : movie->covers)
            used.push_back(thumbnailName(cover.name));
    }
    StringPointerSet keep;
    keep.reserve(used.size());
    for (const String& name : used)
        keep.insert(&name);
    deleteFilesNotIn(thumbnailsFolder, names, keep);
}

String ImagePurge::thumbnailName(const String& coverName)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(coverName.length()) * 2);
    for (int i = 0; i < coverName.length(); ++i) {
        bytes.push_back(uint8_t(coverName.at(i) & 0xFF));
        bytes.push_back(uint8_t(coverName.at(i) >> 8));
    }
    return Md5Digest(bytes.data(), uint32_t(bytes.size())).toString() + u".png";
}
