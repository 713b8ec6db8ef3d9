#include "app/movie/EditorIcons.h"

#include "model/images/ImageResource.h"

#include <map>
#include <string>

Image EditorIcons::get(const String& name)
{
    if (name.isEmpty())
        return Image();
    static std::map<std::u16string, Image> decoded;
    const std::u16string key(name.data(), size_t(name.length()));
    auto found = decoded.find(key);
    if (found != decoded.end())
        return found->second;
    const Image image = loadImageResource(name);
    // A picture missing now is asked for again next time.
    if (!image.isNull())
        decoded.emplace(key, image);
    return image;
}
