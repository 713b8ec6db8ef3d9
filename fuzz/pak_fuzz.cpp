// Archive parsing from memory must never read outside its input; an archive
// that opens has names short enough to be written back and parsed again.
#include "foundation/data/PakArchive.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 0x7FFFFFFF)
        return 0;
    PakArchive archive;
    if (!archive.openMemory(data, int32_t(size)))
        return 0;
    int items = 0;
    for (PakGroup* group : archive.groups()) {
        if (group->name().length() > PakArchive::kMaxNameLength)
            __builtin_trap();
        for (PakItem* item : group->items()) {
            if (item->name().length() > PakArchive::kMaxNameLength || item->dataSize() > int(size))
                __builtin_trap();
            ++items;
        }
    }
    if (items != archive.itemCount())
        __builtin_trap();
    return 0;
}
