#include "app/movie/ImageStaging.h"

#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "graphics/image/Image.h"
#include "model/images/ImageFolder.h"

const char16_t ImageStaging::kFolderPrefix[] = u"~editing-";

namespace {

String joinPath(const String& folder, const String& name)
{
    String path = folder;
    path.appendChar(pathSeparator());
    path.append(name);
    return path;
}

// Where an existing picture waits while its replacement moves in, so that a
// failed save can put it back. Cover and background names hold only letters,
// digits, blanks and a few marks, never this one.
const char16_t kPreviousPrefix[] = u"previous~";

} // namespace

ImageStaging::~ImageStaging()
{
    discard();
}

bool ImageStaging::open(const String& collectionFolder)
{
    discard();
    if (collectionFolder.isEmpty() || !Directory::exists(collectionFolder))
        return false;
    removeLeftovers(collectionFolder);
    for (int attempt = 1; attempt < 1000; ++attempt) {
        const String folder = joinPath(collectionFolder, String(kFolderPrefix) + String::fromInt(attempt));
        if (Directory::exists(folder) || File::exists(folder))
            continue;
        if (!Directory::create(folder))
            return false;
        m_folder = folder;
        return true;
    }
    return false;
}

String ImageStaging::stagedPath(const String& name) const
{
    return ImageFolder::pathIn(m_folder, name);
}

bool ImageStaging::has(const String& name) const
{
    const String path = stagedPath(name);
    return !path.isEmpty() && File::exists(path);
}

bool ImageStaging::stageCopy(const String& source, const String& name)
{
    const String target = stagedPath(name);
    if (target.isEmpty())
        return false;
    if (File::exists(target) && !File::remove(target))
        return false;
    return File::copy(source, target);
}

bool ImageStaging::stageImage(const Image& image, const String& name)
{
    const String target = stagedPath(name);
    if (target.isEmpty() || image.isNull())
        return false;
    return image.save(target, true);
}

bool ImageStaging::unstage(const String& name)
{
    return !has(name) || File::remove(stagedPath(name));
}

bool ImageStaging::moveFile(const String& source, const String& target)
{
    return File::replace(source, target);
}

String ImageStaging::previousPath(const String& name) const
{
    return joinPath(m_folder, String(kPreviousPrefix) + name);
}

bool ImageStaging::commit(const String& imagesFolder, const StringList& names, String* failedName)
{
    if (m_folder.isEmpty() || imagesFolder.isEmpty())
        return false;
    if (!Directory::exists(imagesFolder))
        Directory::create(imagesFolder);
    List<Moved> moved;
    for (const String& name : names) {
        if (!has(name))
            continue;
        const String target = joinPath(imagesFolder, name);
        Moved step;
        step.name = name;
        step.hadPrevious = File::exists(target);
        const bool asideOk = !step.hadPrevious || moveFile(target, previousPath(name));
        if (!asideOk || !moveFile(stagedPath(name), target)) {
            if (asideOk && step.hadPrevious)
                moveFile(previousPath(name), target);
            rollBack(imagesFolder, moved);
            if (failedName)
                *failedName = name;
            return false;
        }
        moved.append(step);
    }
    for (const Moved& step : moved) {
        if (step.hadPrevious)
            File::remove(previousPath(step.name));
    }
    return true;
}

void ImageStaging::rollBack(const String& imagesFolder, const List<Moved>& moved)
{
    for (List<Moved>::Node* node = moved.last(); node; node = node->prev) {
        const String target = joinPath(imagesFolder, node->value.name);
        moveFile(target, stagedPath(node->value.name));
        if (node->value.hadPrevious)
            moveFile(previousPath(node->value.name), target);
    }
}

void ImageStaging::discard()
{
    if (m_folder.isEmpty())
        return;
    removeFolder(m_folder);
    m_folder = String();
}

void ImageStaging::removeFolder(const String& folder)
{
    StringList files;
    Directory::list(folder, Directory::kListFiles, nullptr, files);
    for (const String& file : files)
        File::remove(file);
    Directory::remove(folder);
}

void ImageStaging::removeLeftovers(const String& collectionFolder)
{
    StringList folders;
    Directory::list(collectionFolder, Directory::kListDirectories | Directory::kListNamesOnly, nullptr,
                    folders);
    for (const String& name : folders) {
        if (name.startsWith(String(kFolderPrefix), String::kCaseSensitive))
            removeFolder(joinPath(collectionFolder, name));
    }
}
