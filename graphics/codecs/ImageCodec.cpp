#include "graphics/codecs/ImageCodec.h"

#include "foundation/containers/List.h"
#include "graphics/codecs/PixCodec.h"
#include "graphics/image/Image.h"

namespace {

// The registered codecs in the order they are asked; owned.
List<ImageCodec*> g_codecs;
bool g_platformStarted = false;

} // namespace

ImageCodec::ImageCodec(const String& name) : m_name(name) {}

ImageCodec::~ImageCodec() = default;

void ImageCodec::registerAll()
{
    if (!g_codecs.isEmpty())
        return;
    add(new PixCodec());
    g_platformStarted = startPlatform();
    // Without the decoder library its codecs could only fail, so they are left
    // out and their extensions report unsupported.
    if (g_platformStarted)
        addPlatformCodecs();
}

void ImageCodec::unregisterAll()
{
    removeAll();
    if (g_platformStarted)
        stopPlatform();
    g_platformStarted = false;
}

ImageCodec* ImageCodec::forExtension(const String& extension)
{
    String key = extension.trim().toLower();
    if (key.length() < 3 || key.length() > 4)
        return nullptr;
    for (List<ImageCodec*>::Node* node = g_codecs.first(); node; node = node->next) {
        if (node->value->acceptsExtension(key))
            return node->value;
    }
    return nullptr;
}

bool ImageCodec::isSupported(const String& extension)
{
    return forExtension(extension) != nullptr;
}

int ImageCodec::count()
{
    return g_codecs.count();
}

void ImageCodec::add(ImageCodec* codec)
{
    g_codecs.append(codec);
}

void ImageCodec::removeAll()
{
    for (List<ImageCodec*>::Node* node = g_codecs.first(); node; node = node->next)
        delete node->value;
    g_codecs.clear();
}
