#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"

#include <cstdint>

// One cover picture of a movie: its kind and the name of its image file in
// the collection's "Images" folder.
struct Cover
{
    enum Kind
    {
        kPoster = 0,
        kFront = 1,
        kBack = 2,
        kDisc = 3
    };

    Cover() = default;
    explicit Cover(const String& fileName) : name(fileName) {}

    int32_t kind = kPoster;
    String name;
};

class CoverList : public List<Cover>
{
};
