#pragma once

#include "graphics/image/Image.h"

// Four images for the visual states of a widget: 0 normal, 1 disabled,
// 2 brightened, 3 darkened. Each state holds its own pixels, so changing one
// never touches the image it was set from.
class ImageSet
{
public:
    static constexpr int kStateCount = 4;

    ImageSet() = default;

    // Stores a deep copy; states outside 0..3 are ignored.
    void setImage(int state, const Image& image);
    // The shared empty image for a state outside 0..3.
    const Image& image(int state) const;
    bool isNull() const;

    // Of one state's image; empty or 0 for a state outside 0..3.
    Size size(int state) const;
    int width(int state) const;
    int height(int state) const;
    // The largest among the four.
    int width() const;
    int height() const;
    Size maxSize() const;

private:
    static bool isState(int state) { return state >= 0 && state < kStateCount; }

    Image m_images[kStateCount];
};
