// Feeds arbitrary bytes to every drag and clipboard block reader: none may
// read outside the block, and whatever one accepts must write out and read
// back as the same entry.
#include "ui/core/input/UIMimeBlocks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (int kind = UIMimeBlocks::kText; kind <= UIMimeBlocks::kRaw; ++kind) {
        UIMimeData mime, back;
        if (!UIMimeBlocks::addBlock(UIMimeBlocks::Kind(kind), data, int64_t(size), &mime))
            continue;
        List<UIMimeBlocks::Block> blocks = UIMimeBlocks::blocksOf(mime);
        if (blocks.count() != 1)
            __builtin_trap();
        const ByteArray& bytes = blocks.first()->value.bytes;
        if (!UIMimeBlocks::addBlock(UIMimeBlocks::Kind(kind), bytes.data(), bytes.size(), &back) ||
            !(back.types().join(u"|") == mime.types().join(u"|")))
            __builtin_trap();
    }
    return 0;
}
