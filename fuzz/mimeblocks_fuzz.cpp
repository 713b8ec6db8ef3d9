// Feeds arbitrary bytes to every drag and clipboard block reader: none may
// read outside the block, and whatever one accepts must fit inside it.
#include "ui/core/input/UIMimeBlocks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    int64_t length = static_cast<int64_t>(size);
    String text;
    StringList paths;
    ByteArray bytes;
    if (UIMimeBlocks::readTextBlock(data, length, &text) && text.length() * 2 + 2 > length)
        __builtin_trap();
    if (UIMimeBlocks::readFileListBlock(data, length, &paths) && paths.isEmpty())
        __builtin_trap();
    if (UIMimeBlocks::readRawBlock(data, length, &text, &bytes) && bytes.size() + 516 > length)
        __builtin_trap();
    Image image = UIMimeBlocks::readDibBlock(data, length);
    if (!image.isNull() && int64_t(image.stride()) * image.height() + 40 > length)
        __builtin_trap();
    return 0;
}
