#pragma once

#include "foundation/text/String.h"

class CoverNode;
class Image;

// Where covers without a picture of their own get one: the scene asks as a
// cover comes near the view and forgets the answer once its texture is made,
// so only the covers on screen cost memory.
class CoverSource
{
public:
    virtual ~CoverSource();
    // The picture of the cover; the empty image when there is none.
    virtual Image coverImage(const CoverNode& node) = 0;
    // The title of a cover added without one, asked for as its tool tip
    // shows; empty by default.
    virtual String coverTitle(const CoverNode& node);
};
