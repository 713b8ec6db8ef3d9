#pragma once

#include "graphics/image/PixelView.h"

#include <vector>

class ResampleFilter;

// Resamples pixels with a filter kernel, one direction at a time. The weights
// of each destination column and row are computed once per pass, so the cost
// per pixel is only the multiply-adds of its window.
class TwoPassScaler
{
public:
    explicit TwoPassScaler(const ResampleFilter& filter) : m_filter(filter) {}

    // Fills the whole target from the whole source. Both views have pixels and
    // the same depth (3 or 4 bytes per pixel).
    void scale(const PixelView& source, const PixelView& target) const;

private:
    // Where each destination position reads from and with which weights.
    struct Contributions
    {
        int window = 0;          // weights stored per destination position
        std::vector<int> first;  // first source index
        std::vector<int> length; // number of source indexes used
        std::vector<float> weights;
    };

    Contributions contributions(int sourceLength, int targetLength) const;
    void scaleRows(const PixelView& source, const PixelView& target) const;
    void scaleColumns(const PixelView& source, const PixelView& target) const;

    const ResampleFilter& m_filter;
};
