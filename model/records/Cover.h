#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/SharedString.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"
#include "model/images/FileStamp.h"

#include <cstdint>
#include <memory>

// One cover picture of a movie: its kind and the name of its image file in
// the collection's "Images" folder, with the decoded picture and its reduced
// copy cached so that the list, the grid and the cover flow can ask on every
// paint. Reduced copies are kept as PNG files in "Thumbnails", the sibling of
// "Images", and read back on later runs.
//
// The caches are filled by const calls: they never change what the cover
// stands for. Copies share the decoded pixels.
class Cover
{
public:
    enum Kind
    {
        kPoster = 0,
        kFront = 1,
        kBack = 2,
        kDisc = 3
    };

    static constexpr int kThumbnailWidth = 148;
    static constexpr int kThumbnailHeight = 198;

    Cover() = default;
    Cover(const Cover& other);
    Cover& operator=(const Cover& other);
    Cover(Cover&& other) noexcept = default;
    Cover& operator=(Cover&& other) noexcept = default;
    ~Cover() = default;
    explicit Cover(const String& fileName) : name(fileName) {}
    Cover(const String& fileName, const String& imagesFolder) : name(fileName), m_imagesFolder(imagesFolder) {}

    // The collection's "Images" folder; empty while the cover belongs to no
    // open collection, and then it has no file.
    const String& imagesFolder() const { return m_imagesFolder.text(); }
    void setImagesFolder(const String& folder) { m_imagesFolder = SharedString(folder); }
    // The same folder held once for all the covers of a collection.
    void setImagesFolder(const SharedString& folder) { m_imagesFolder = folder; }
    String thumbnailsFolder() const;
    // Whether the name can stand in the Images folder (ImageFolder::isUsableName).
    bool hasUsableName() const;
    // The image file's full path; empty without a folder or a usable name.
    String path() const;
    // The MD5 digest of the name's UTF-16 little-endian bytes in lower-case
    // hexadecimal, and ".png"; worked out once per name.
    const String& thumbnailName() const;
    // Empty without a folder or a usable name.
    String thumbnailPath() const;

    // The decoded picture, or the empty image while the file is missing or
    // does not decode. The picture is decoded again when the file changed on
    // disk; a file that failed is not decoded again until it changes.
    Image image() const;
    // At most kThumbnailWidth x kThumbnailHeight, aspect kept: read from the
    // Thumbnails folder, or made from the cover file and written there. A
    // thumbnail file that does not decode or is too large is made again.
    // The empty image while the cover file is missing or does not decode.
    Image thumbnail() const;
    // The picture's size: the decoded picture's when it is at hand, else
    // what the file's header declares; (0, 0) while the file is missing.
    Size imageSize() const;
    // Forgets both pictures and deletes the thumbnail file, so that a
    // changed cover file is read afresh.
    void discardCache();

    // The pictures shown where a movie has no cover, loaded once from the
    // data archive (tried again on the next call while they fail).
    static Image blankSmallImage();
    static Image blankBigImage();
    static Image blankCoverFlowImage();

    int32_t kind = kPoster;
    String name;

private:
    // True when the file at path is the very file that failed to decode
    // before.
    bool failedBefore(const FileStamp& stamp) const;
    Image decodeCoverFile(const FileStamp& stamp) const;
    Image makeThumbnail(const FileStamp& stamp) const;

    // The pictures and the stamps of the files they came from, made by the
    // first call that needs them: most covers of a large collection are
    // never shown in a run, and a cover without them is a fraction of the
    // size.
    struct Pictures
    {
        Image image;
        FileStamp imageFile;
        Image thumbnail;
        FileStamp failedFile;
    };
    Pictures& pictures() const;

    SharedString m_imagesFolder;
    mutable std::unique_ptr<Pictures> m_pictures;
    mutable String m_thumbnailName;
    mutable String m_thumbnailNameOf;
};

class CoverList : public List<Cover>
{
};
