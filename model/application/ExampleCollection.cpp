#include "model/application/ExampleCollection.h"

#include "foundation/data/PakArchive.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "foundation/text/String.h"

namespace {

String inFolder(const String& folder, const String& name)
{
    return String(folder).appendChar(kPathSeparator).append(name);
}

// Removes what a failed write left: the collection file, the pictures and
// the folders.
void removeTemporary(const String& folder, const PakGroup* images, const String& name)
{
    if (images) {
        // Only names that stay inside "Images": the archive may be damaged.
        for (PakItem* item : images->items()) {
            if (PakArchive::isSafeItemName(item->name()))
                File::remove(inFolder(inFolder(folder, String(u"Images")), item->name()));
        }
    }
    File::remove(inFolder(folder, name + u".rsdb"));
    Directory::remove(inFolder(folder, String(u"Images")));
    Directory::remove(inFolder(folder, String(u"Thumbnails")));
    Directory::remove(folder);
}

bool writeItems(const PakGroup* group, const String& folder)
{
    if (!group)
        return true;
    for (PakItem* item : group->items()) {
        if (!PakArchive::isSafeItemName(item->name()) ||
            !item->bytes().saveToFile(inFolder(folder, item->name())))
            return false;
    }
    return true;
}

} // namespace

bool ExampleCollection::write(const PakArchive& data, const String& dataDirectory, const String& name)
{
    PakGroup* collection = data.findGroup(String(u"example"));
    PakGroup* images = data.findGroup(String(u"example/Images"));
    PakItem* file = collection ? collection->findItem(String(u"Example.rsdb")) : nullptr;
    String target = inFolder(dataDirectory, name);
    if (!file || Directory::exists(target) || File::exists(target))
        return false;
    String temporary = target + u".new";
    removeTemporary(temporary, images, name);
    bool written =
        Directory::create(temporary) && file->bytes().saveToFile(inFolder(temporary, name + u".rsdb")) &&
        Directory::create(inFolder(temporary, String(u"Images"))) &&
        Directory::create(inFolder(temporary, String(u"Thumbnails"))) &&
        writeItems(images, inFolder(temporary, String(u"Images"))) && File::move(temporary, target);
    if (!written)
        removeTemporary(temporary, images, name);
    return written;
}
