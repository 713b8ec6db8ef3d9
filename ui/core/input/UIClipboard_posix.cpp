#include "ui/core/input/UIClipboard.h"

#include <map>

// Natively the clipboard is a store in memory that lives as long as the
// process, so the toolkit's clipboard logic runs in the native tests. There
// are no other programs to watch: the viewer cannot be joined.

namespace {

std::map<int, ByteArray>& store()
{
    static std::map<int, ByteArray> blocks;
    return blocks;
}

} // namespace

struct UIClipboard::Viewer
{
};

UIClipboard::UIClipboard() = default;

UIClipboard::~UIClipboard() = default;

bool UIClipboard::setViewerActive(bool)
{
    return false;
}

bool UIClipboard::hasFormat(int format)
{
    return store().count(format) > 0;
}

bool UIClipboard::writeBlock(int format, const ByteArray& block)
{
    store().clear();
    store()[format] = block;
    return true;
}

bool UIClipboard::readBlock(int format, ByteArray* block) const
{
    auto found = store().find(format);
    if (found == store().end())
        return false;
    *block = found->second;
    return true;
}

Image UIClipboard::readBitmap() const
{
    return Image();
}
