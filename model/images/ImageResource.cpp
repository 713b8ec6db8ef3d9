#include "model/images/ImageResource.h"

#include "foundation/core/AppCore.h"
#include "foundation/data/PakArchive.h"

Image loadImageResource(const String& name)
{
    AppCore* core = AppCore::instance();
    PakArchive* archive = core ? core->findPak(String(u"data")) : nullptr;
    if (!archive || name.isEmpty())
        return Image();
    PakItem* item = archive->findItem(String(u"images"), name + u".png");
    if (!item || item->dataSize() == 0)
        return Image();
    return Image::fromData(item->data(), item->dataSize(), String(u"png"));
}
