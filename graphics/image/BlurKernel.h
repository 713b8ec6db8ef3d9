#pragma once

#include "graphics/image/PixelView.h"

#include <vector>

// A Gaussian blur kernel of odd length whose side taps are the curve's mean
// over each tap's pixel, and its separable application to an image.
class BlurKernel
{
public:
    // Radii beyond this are taken as this: the kernel and its tables grow with
    // the radius, and no picture of ours needs more.
    static constexpr float kMaxRadius = 100.0f;

    // The sign of the radius does not matter. A radius that is not a number
    // gives the one-tap kernel, which leaves an image as it is.
    explicit BlurKernel(float radius);

    int length() const { return static_cast<int>(m_taps.size()); }
    // Tap i of length(); the taps sum to 1 and mirror about the centre.
    float tap(int i) const { return m_taps[i]; }

    // Blurs the view in place, every byte of a pixel on its own.
    void apply(const PixelView& view) const;

private:
    void buildTaps(float sigma);
    // Convolves count samples spaced step bytes apart.
    void convolveLine(const uint8_t* in, uint8_t* out, int count, int step) const;
    void convolveRows(const PixelView& source, const PixelView& target) const;
    void convolveColumns(const PixelView& source, const PixelView& target) const;
    // The edge value at position x of a line of count samples, from the taps
    // that fall inside the line, normalised by their weight.
    float edgeValue(const uint8_t* in, int x, int count, int step) const;

    std::vector<float> m_taps;
    // Tap weight times byte value: 256 entries per tap.
    std::vector<float> m_products;
};
