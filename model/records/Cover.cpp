#include "model/records/Cover.h"

#include "foundation/hash/Md5Digest.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "graphics/codecs/ImageCodec.h"
#include "model/images/ImageFolder.h"
#include "model/images/ImageResource.h"

#include <vector>

namespace {

// Loads a shared picture once; a failed load is tried again next time.
Image blankImage(Image& cache, const char16_t* name)
{
    if (cache.isNull())
        cache = loadImageResource(String(name));
    return cache;
}

bool fitsThumbnail(const Image& image)
{
    return !image.isNull() && image.width() <= Cover::kThumbnailWidth &&
           image.height() <= Cover::kThumbnailHeight;
}

} // namespace

Cover::Cover(const Cover& other)
    : kind(other.kind), name(other.name), m_imagesFolder(other.m_imagesFolder),
      m_pictures(other.m_pictures ? new Pictures(*other.m_pictures) : nullptr),
      m_thumbnailName(other.m_thumbnailName), m_thumbnailNameOf(other.m_thumbnailNameOf)
{
}

Cover& Cover::operator=(const Cover& other)
{
    if (this != &other) {
        kind = other.kind;
        name = other.name;
        m_imagesFolder = other.m_imagesFolder;
        m_pictures.reset(other.m_pictures ? new Pictures(*other.m_pictures) : nullptr);
        m_thumbnailName = other.m_thumbnailName;
        m_thumbnailNameOf = other.m_thumbnailNameOf;
    }
    return *this;
}

Cover::Pictures& Cover::pictures() const
{
    if (!m_pictures)
        m_pictures.reset(new Pictures);
    return *m_pictures;
}

String Cover::thumbnailsFolder() const
{
    int separator = imagesFolder().lastIndexOfChar(kPathSeparator, String::kCaseSensitive);
    if (separator < 0)
        return String();
    return imagesFolder().mid(0, separator + 1).append(String(u"Thumbnails"));
}

// A name read from a collection file is kept as it is, so that the file
// saves back unchanged; but one that could reach outside the folder gives
// no path (ImageFolder::pathIn), and so no picture, no thumbnail and no file
// to write or remove.
bool Cover::hasUsableName() const
{
    return ImageFolder::isUsableName(name);
}

String Cover::path() const
{
    return ImageFolder::pathIn(imagesFolder(), name);
}

const String& Cover::thumbnailName() const
{
    if (!m_thumbnailName.isEmpty() && String::equals(m_thumbnailNameOf, name))
        return m_thumbnailName;
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(name.length()) * 2);
    for (int i = 0; i < name.length(); ++i) {
        bytes.push_back(uint8_t(name.at(i) & 0xFF));
        bytes.push_back(uint8_t(name.at(i) >> 8));
    }
    m_thumbnailName = Md5Digest(bytes.data(), uint32_t(bytes.size())).toString() + u".png";
    m_thumbnailNameOf = name;
    return m_thumbnailName;
}

String Cover::thumbnailPath() const
{
    return hasUsableName() ? ImageFolder::pathIn(thumbnailsFolder(), thumbnailName()) : String();
}

bool Cover::failedBefore(const FileStamp& stamp) const
{
    return m_pictures && !m_pictures->failedFile.isMissing() && m_pictures->failedFile == stamp;
}

Image Cover::decodeCoverFile(const FileStamp& stamp) const
{
    if (failedBefore(stamp))
        return Image();
    Image decoded = Image::fromFile(path());
    pictures().failedFile = decoded.isNull() ? stamp : FileStamp();
    return decoded;
}

Image Cover::image() const
{
    FileStamp stamp = FileStamp::of(path());
    if (stamp.isMissing())
        return Image();
    if (m_pictures && !m_pictures->image.isNull() && m_pictures->imageFile == stamp)
        return m_pictures->image;
    Image decoded = decodeCoverFile(stamp);
    Pictures& kept = pictures();
    kept.image = decoded;
    kept.imageFile = decoded.isNull() ? FileStamp() : stamp;
    return decoded;
}

Size Cover::imageSize() const
{
    FileStamp stamp = FileStamp::of(path());
    if (stamp.isMissing())
        return Size();
    if (m_pictures && !m_pictures->image.isNull() && m_pictures->imageFile == stamp)
        return Size(m_pictures->image.width(), m_pictures->image.height());
    return ImageCodec::fileImageSize(path());
}

Image Cover::thumbnail() const
{
    if (m_pictures && !m_pictures->thumbnail.isNull())
        return m_pictures->thumbnail;
    FileStamp stamp = FileStamp::of(path());
    if (stamp.isMissing())
        return Image();
    String stored = thumbnailPath();
    if (File::exists(stored)) {
        Image kept = Image::fromFile(stored);
        if (fitsThumbnail(kept))
            return pictures().thumbnail = kept;
    }
    Image made = makeThumbnail(stamp);
    pictures().thumbnail = made;
    return made;
}

// A thumbnail that cannot be written is still cached for this run.
Image Cover::makeThumbnail(const FileStamp& stamp) const
{
    Image reduced = decodeCoverFile(stamp).scaledToFit(kThumbnailWidth, kThumbnailHeight, Image::kCatmullRom);
    if (reduced.isNull())
        return reduced;
    String folder = thumbnailsFolder();
    if (Directory::exists(folder) || Directory::create(folder))
        reduced.save(thumbnailPath(), true);
    return reduced;
}

void Cover::discardCache()
{
    m_pictures.reset();
    String stored = thumbnailPath();
    if (!stored.isEmpty() && File::exists(stored))
        File::remove(stored);
}

Image Cover::blankSmallImage()
{
    static Image cache;
    return blankImage(cache, u"blank-image-small");
}

Image Cover::blankBigImage()
{
    static Image cache;
    return blankImage(cache, u"blank-image-big");
}

Image Cover::blankCoverFlowImage()
{
    static Image cache;
    return blankImage(cache, u"blank-image-coverflow");
}
