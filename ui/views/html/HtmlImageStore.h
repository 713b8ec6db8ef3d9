#pragma once

#include "foundation/text/String.h"
#include "graphics/image/Image.h"

#include <functional>
#include <vector>

// The images of a page, each loaded once. Only local files are read: a
// "file:" address is turned into its path, and any other address (web,
// data, protocol-relative) gives no image, so a page never reaches the
// network. With images off nothing is read at all.
class HtmlImageStore
{
public:
    static constexpr int kMaxImages = 256;
    using Loader = std::function<Image(const String& path)>;

    HtmlImageStore();

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }
    // Tests give a loader of their own; the default reads through the codecs.
    void setLoader(const Loader& loader);
    // The empty image when the source is not local, cannot be read, or
    // images are off.
    Image image(const String& source);
    void clear();

    // The local path an address names, or the empty text.
    static String localPath(const String& source);

private:
    struct Entry
    {
        String source;
        Image image;
    };
    bool m_enabled = true;
    Loader m_loader;
    std::vector<Entry> m_entries;
};
