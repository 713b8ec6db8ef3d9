#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"
#include "ui/core/input/UIMimeData.h"

#include <cstdint>

// The byte layouts in which texts, file path lists, images and raw entries
// travel through the clipboard and drag and drop. Writers give the empty array
// when there is nothing to write; readers take the block's real size, trust
// nothing inside it, and report false (leaving their outputs untouched) for
// anything short, inconsistent or empty.
class UIMimeBlocks
{
public:
    // The formats a block travels as, in the order a drop reads them.
    enum Kind
    {
        kText,
        kFileList,
        kDib,
        kRaw
    };
    struct Block
    {
        Kind kind;
        ByteArray bytes;
    };

    // One block per entry, in entry order; entries that cannot be written
    // (an empty text, a raw name too long for its field) are left out.
    static List<Block> blocksOf(const UIMimeData& mime);
    // Reads a block of that kind into its entry; false, and mime unchanged,
    // when the block gives nothing.
    static bool addBlock(Kind kind, const uint8_t* data, int64_t size, UIMimeData* mime);

    static constexpr int kDibHeaderSize = 40;
    static constexpr int kFileListHeaderSize = 20;
    static constexpr int kRawNameBytes = 512;
    static constexpr int kRawHeadSize = 516;
    // The name field holds this many characters and a terminator.
    static constexpr int kRawMaxNameLength = 255;
    // Longer paths cannot be handed to the system's path functions whole.
    static constexpr int kMaxPathLength = 259;

    // The text with its terminator and one more zero unit.
    static ByteArray textBlock(const String& text);
    // The text up to the first terminator; the block must hold one.
    static bool readTextBlock(const uint8_t* data, int64_t size, String* text);

    // A wide DROPFILES header, each path terminated, then one more zero unit.
    static ByteArray fileListBlock(const StringList& paths);
    static bool readFileListBlock(const uint8_t* data, int64_t size, StringList* paths);

    // A 32-bit bottom-up DIB without colour table; 24-bit images get alpha 255.
    static ByteArray dibBlock(const Image& image);
    // Accepts 24 and 32-bit BI_RGB DIBs without colour table; extra bytes
    // after the pixels (allocators round sizes up) are ignored.
    static Image readDibBlock(const uint8_t* data, int64_t size);

    // The UTF-16 type name in a zero-filled 512-byte field, a 32-bit count,
    // then the bytes. Empty for an empty or too long name.
    static ByteArray rawBlock(const String& name, const ByteArray& bytes);
    static bool readRawBlock(const uint8_t* data, int64_t size, String* name, ByteArray* bytes);

private:
    static void putUnits(const String& text, uint8_t* target);
    static int64_t dibStride(int64_t width, int bitCount);
};
