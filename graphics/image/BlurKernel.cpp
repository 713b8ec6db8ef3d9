#include "graphics/image/BlurKernel.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

uint8_t roundToByte(float value)
{
    const float rounded = value + 0.5f;
    if (!(rounded > 0))
        return 0;
    if (rounded >= 255)
        return 255;
    return static_cast<uint8_t>(rounded);
}

} // namespace

BlurKernel::BlurKernel(float radius)
{
    if (std::isnan(radius))
        radius = 0;
    radius = std::min(std::fabs(radius), kMaxRadius);
    buildTaps(radius / 2 + 0.25f);
    m_products.resize(m_taps.size() * 256);
    for (size_t t = 0; t < m_taps.size(); ++t) {
        for (int v = 0; v < 256; ++v)
            m_products[t * 256 + v] = m_taps[t] * v;
    }
}

void BlurKernel::buildTaps(float sigma)
{
    const int half = std::max(0, static_cast<int>(std::ceil(2 * sigma - 0.5f)));
    const int length = 2 * half + 1;
    const float reach = 2 * sigma;
    const float twoSigmaSquared = 2 * sigma * sigma;
    m_taps.assign(length, 0.0f);

    // Each side tap is the mean of the curve over its pixel, sampled fifty
    // times; the curve is cut off at two sigma.
    for (int i = half + 1; i < length; ++i) {
        float sum = 0;
        for (int j = 1; j <= 50; ++j) {
            const float x = (i - half - 0.5f) + 0.02f * j;
            if (x <= reach)
                sum += std::exp(-x * x / twoSigmaSquared);
        }
        m_taps[i] = sum / 50;
        m_taps[2 * half - i] = m_taps[i];
    }
    // The centre tap is sampled over 0.5 to 1.5, ends included, as the
    // first side tap is: a flatter kernel than the curve itself, which the
    // cursor shadows are drawn for.
    float centre = 0;
    for (int j = 0; j <= 50; ++j) {
        const float x = 0.5f + 0.02f * j;
        centre += std::exp(-x * x / twoSigmaSquared);
    }
    m_taps[half] = centre / 51;

    float total = 0;
    for (float tap : m_taps)
        total += tap;
    for (float& tap : m_taps)
        tap /= total;
}

void BlurKernel::apply(const PixelView& view) const
{
    if (view.isEmpty() || m_taps.size() == 1)
        return;
    std::vector<uint8_t> between(static_cast<size_t>(view.stride()) * view.height());
    PixelView middle(between.data(), view.width(), view.height(), view.stride(), view.bytesPerPixel());
    convolveRows(view, middle);
    convolveColumns(middle, view);
}

void BlurKernel::convolveRows(const PixelView& source, const PixelView& target) const
{
    const int bytes = source.bytesPerPixel();
    for (int y = 0; y < source.height(); ++y) {
        for (int c = 0; c < bytes; ++c)
            convolveLine(source.row(y) + c, target.row(y) + c, source.width(), bytes);
    }
}

void BlurKernel::convolveLine(const uint8_t* in, uint8_t* out, int count, int step) const
{
    const int half = length() / 2;
    const int taps = length();
    for (int x = 0; x < count; ++x) {
        if (x < half || x + half >= count) {
            out[x * step] = roundToByte(edgeValue(in, x, count, step));
            continue;
        }
        const uint8_t* p = in + (x - half) * step;
        float sum = 0;
        for (int t = 0; t < taps; ++t, p += step)
            sum += m_products[t * 256 + *p];
        out[x * step] = roundToByte(sum);
    }
}

float BlurKernel::edgeValue(const uint8_t* in, int x, int count, int step) const
{
    const int half = length() / 2;
    float sum = 0;
    float weight = 0;
    for (int t = 0; t < length(); ++t) {
        const int at = x + t - half;
        if (at < 0 || at >= count)
            continue;
        sum += m_products[t * 256 + in[at * step]];
        weight += m_taps[t];
    }
    return sum / weight;
}

void BlurKernel::convolveColumns(const PixelView& source, const PixelView& target) const
{
    const int half = length() / 2;
    const int height = source.height();
    const int bytes = source.rowBytes();
    std::vector<float> sums(bytes);
    // Rows near the top and bottom edges, and every row of an image shorter
    // than the kernel, go column by column with the normalised edge sums.
    for (int y = 0; y < height; ++y) {
        uint8_t* out = target.row(y);
        if (y < half || y + half >= height) {
            for (int i = 0; i < bytes; ++i)
                out[i] = roundToByte(edgeValue(source.bits() + i, y, height, source.stride()));
            continue;
        }
        // Inner rows add whole source rows, tap by tap, reading memory in order.
        std::fill(sums.begin(), sums.end(), 0.0f);
        for (int t = 0; t < length(); ++t) {
            const uint8_t* in = source.row(y + t - half);
            const float* products = &m_products[static_cast<size_t>(t) * 256];
            for (int i = 0; i < bytes; ++i)
                sums[i] += products[in[i]];
        }
        for (int i = 0; i < bytes; ++i)
            out[i] = roundToByte(sums[i]);
    }
}
