#include "model/images/ImageResource.h"

#include "foundation/core/AppCore.h"
#include "foundation/data/PakArchive.h"

#include <algorithm>
#include <mutex>

namespace {

std::mutex g_missingLock;

std::vector<String>& missing()
{
    static std::vector<String> names;
    return names;
}

void noteMissing(const String& name)
{
    std::lock_guard<std::mutex> hold(g_missingLock);
    std::vector<String>& names = missing();
    auto same = [&name](const String& other) { return String::equals(other, name); };
    if (std::find_if(names.begin(), names.end(), same) == names.end())
        names.push_back(name);
}

Image decodeImageResource(const String& name)
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

} // namespace

Image loadImageResource(const String& name)
{
    Image image = decodeImageResource(name);
    if (image.isNull() && !name.isEmpty())
        noteMissing(name);
    return image;
}

std::vector<String> missingImageResources()
{
    std::lock_guard<std::mutex> hold(g_missingLock);
    return missing();
}
