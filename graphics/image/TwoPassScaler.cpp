#include "graphics/image/TwoPassScaler.h"

#include "graphics/image/ResampleFilter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

uint8_t toByte(float sum)
{
    const float rounded = sum + 0.5f;
    if (rounded <= 0)
        return 0;
    if (rounded >= 255)
        return 255;
    return static_cast<uint8_t>(rounded);
}

void copyRows(const PixelView& source, const PixelView& target)
{
    for (int y = 0; y < target.height(); ++y)
        std::memcpy(target.row(y), source.row(y), target.rowBytes());
}

// Four floats handled as one value: the channels of a 32-bit pixel. The
// compiler maps it to SIMD registers where the target has them and to plain
// floats elsewhere; each channel is summed in the same order either way.
typedef float Float4 __attribute__((vector_size(16)));

// Two source rows at once, already converted to floats (once per row rather
// than once per tap). The two sums are independent, so the processor can
// overlap their additions; each is still summed tap by tap in order.
void resampleRowPair4(const float* row0, const float* row1, uint8_t* target0, uint8_t* target1, int count,
                      int window, const int* first, const int* length, const float* weights)
{
    for (int u = 0; u < count; ++u) {
        const float* w = weights + static_cast<intptr_t>(u) * window;
        const intptr_t start = static_cast<intptr_t>(first[u]) * 4;
        const float* s0 = row0 + start;
        const float* s1 = row1 + start;
        Float4 sum0 = {0, 0, 0, 0};
        Float4 sum1 = {0, 0, 0, 0};
        for (int k = 0; k < length[u]; ++k, s0 += 4, s1 += 4) {
            Float4 p0, p1;
            std::memcpy(&p0, s0, sizeof(p0));
            std::memcpy(&p1, s1, sizeof(p1));
            sum0 += w[k] * p0;
            sum1 += w[k] * p1;
        }
        for (int c = 0; c < 4; ++c) {
            target0[4 * u + c] = toByte(sum0[c]);
            target1[4 * u + c] = toByte(sum1[c]);
        }
    }
}

void resampleRow3(const float* source, uint8_t* target, int count, int window, const int* first,
                  const int* length, const float* weights)
{
    for (int u = 0; u < count; ++u, target += 3) {
        const float* w = weights + static_cast<intptr_t>(u) * window;
        const float* s = source + static_cast<intptr_t>(first[u]) * 3;
        float sum[3] = {};
        for (int k = 0; k < length[u]; ++k, s += 3) {
            for (int c = 0; c < 3; ++c)
                sum[c] += w[k] * s[c];
        }
        for (int c = 0; c < 3; ++c)
            target[c] = toByte(sum[c]);
    }
}

} // namespace

void TwoPassScaler::scale(const PixelView& source, const PixelView& target) const
{
    const int sw = source.width(), sh = source.height();
    const int tw = target.width(), th = target.height();
    std::vector<uint8_t> between;

    // Scale first along the direction that shrinks more (or grows less): the
    // intermediate image is then the smaller one.
    if (static_cast<int64_t>(sh) * tw > static_cast<int64_t>(sw) * th) {
        between.resize(static_cast<size_t>(sw) * source.bytesPerPixel() * th);
        PixelView middle(between.data(), sw, th, sw * source.bytesPerPixel(), source.bytesPerPixel());
        scaleColumns(source, middle);
        scaleRows(middle, target);
        return;
    }
    between.resize(static_cast<size_t>(tw) * source.bytesPerPixel() * sh);
    PixelView middle(between.data(), tw, sh, tw * source.bytesPerPixel(), source.bytesPerPixel());
    scaleRows(source, middle);
    scaleColumns(middle, target);
}

TwoPassScaler::Contributions TwoPassScaler::contributions(int sourceLength, int targetLength) const
{
    const float scale = static_cast<float>(targetLength) / static_cast<float>(sourceLength);
    float width = m_filter.radius();
    float filterScale = 1.0f;
    if (scale < 1) {
        // Shrinking widens the kernel so that every source pixel counts.
        width = m_filter.radius() / scale;
        filterScale = scale;
    }

    Contributions result;
    result.window = 2 * static_cast<int>(std::ceil(width)) + 1;
    result.first.resize(targetLength);
    result.length.resize(targetLength);
    result.weights.assign(static_cast<size_t>(targetLength) * result.window, 0.0f);

    for (int u = 0; u < targetLength; ++u) {
        const float centre = u / scale + (0.5f / scale - 0.5f);
        int left = std::max(0, static_cast<int>(std::floor(centre - width)));
        int right = std::min(static_cast<int>(std::ceil(centre + width)), sourceLength - 1);
        // Rounding can make the span one wider than the window; left is always
        // inside the source, so trim that side.
        if (right - left + 1 > result.window)
            ++left;

        float* weights = &result.weights[static_cast<size_t>(u) * result.window];
        float sum = 0;
        for (int i = left; i <= right; ++i) {
            const float w = filterScale * m_filter.value(filterScale * (centre - i));
            weights[i - left] = w;
            sum += w;
        }
        if (sum > 0 && sum != 1) {
            for (int i = left; i <= right; ++i)
                weights[i - left] /= sum;
        }
        while (right > left && weights[right - left] == 0)
            --right;
        result.first[u] = left;
        result.length[u] = right - left + 1;
    }
    return result;
}

void TwoPassScaler::scaleRows(const PixelView& source, const PixelView& target) const
{
    if (source.width() == target.width()) {
        copyRows(source, target);
        return;
    }
    const Contributions c = contributions(source.width(), target.width());
    const size_t bytes = source.rowBytes();
    std::vector<float> rows(2 * bytes);
    for (int y = 0; y < target.height(); y += 2) {
        // An odd last row is paired with itself.
        const int next = std::min(y + 1, target.height() - 1);
        for (size_t i = 0; i < bytes; ++i) {
            rows[i] = source.row(y)[i];
            rows[bytes + i] = source.row(next)[i];
        }
        if (source.bytesPerPixel() == 4) {
            resampleRowPair4(rows.data(), rows.data() + bytes, target.row(y), target.row(next),
                             target.width(), c.window, c.first.data(), c.length.data(), c.weights.data());
            continue;
        }
        resampleRow3(rows.data(), target.row(y), target.width(), c.window, c.first.data(), c.length.data(),
                     c.weights.data());
        resampleRow3(rows.data() + bytes, target.row(next), target.width(), c.window, c.first.data(),
                     c.length.data(), c.weights.data());
    }
}

void TwoPassScaler::scaleColumns(const PixelView& source, const PixelView& target) const
{
    if (source.height() == target.height()) {
        copyRows(source, target);
        return;
    }
    const Contributions c = contributions(source.height(), target.height());
    const int bytes = target.rowBytes();
    // Whole rows are accumulated at once: the same sums as column by column,
    // but reading memory in order.
    std::vector<float> sums(bytes);
    for (int v = 0; v < target.height(); ++v) {
        std::fill(sums.begin(), sums.end(), 0.0f);
        const float* w = &c.weights[static_cast<size_t>(v) * c.window];
        for (int k = 0; k < c.length[v]; ++k) {
            const uint8_t* s = source.row(c.first[v] + k);
            const float weight = w[k];
            for (int i = 0; i < bytes; ++i)
                sums[i] += weight * s[i];
        }
        uint8_t* t = target.row(v);
        for (int i = 0; i < bytes; ++i)
            t[i] = toByte(sums[i]);
    }
}
