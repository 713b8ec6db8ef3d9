#pragma once

#include "graphics/image/Image.h"

class Painter;

// Four images for the visual states of a widget: 0 normal, 1 disabled,
// 2 brightened (hovered), 3 darkened (pressed). Each state holds its own pixels, so changing one
// never touches the image it was set from.
class ImageSet
{
public:
    static constexpr int kStateCount = 4;

    ImageSet() = default;

    // The four states derived from one image: the image itself, a greyed
    // and faded form, a brightened form and a darkened form, each
    // premultiplied for drawing. The empty image gives the empty set.
    static ImageSet ImageSetFromImage(const Image& image);
    // The same from an image file; the empty set when it cannot be decoded.
    static ImageSet ImageSetFromFile(const String& path);

    // Shares the other set's images, as copying an Image does.
    ImageSet& assign(const ImageSet& other) { return *this = other; }

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

    // The state's image unscaled, placed in the rectangle by the alignment
    // bits of Rect::align; a state outside 0..3 draws nothing.
    void draw(Painter& painter, const Rect& rect, uint32_t alignment, int state) const;

private:
    static bool isState(int state) { return state >= 0 && state < kStateCount; }

    Image m_images[kStateCount];
};
