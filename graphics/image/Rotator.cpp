#include "graphics/image/Rotator.h"

#include <algorithm>
#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;

// The interpolating cubic of the bicubic sampler, by distance from the sample.
double cubicWeight(double t)
{
    if (t < 1)
        return t * t * t - 2 * t * t + 1;
    if (t < 2)
        return 4 - 8 * t + 5 * t * t - t * t * t;
    return 0;
}

// Turning by whole quarter turns should land exactly on source pixels, but
// sin and cos of those angles are off by about 1e-16; such tiny offsets from a
// pixel position are taken as none.
double snapToPixel(double value)
{
    const double nearest = std::round(value);
    return std::fabs(value - nearest) < 1e-9 ? nearest : value;
}

uint8_t roundToByte(double value)
{
    if (!(value > 0))
        return 0;
    if (value >= 255)
        return 255;
    return static_cast<uint8_t>(value + 0.5);
}

} // namespace

bool Rotator::rotatedSize(int width, int height, double degrees, int& rotatedWidth, int& rotatedHeight)
{
    if (!std::isfinite(degrees))
        return false;
    const double theta = degrees * kPi / 180;
    const double c = std::fabs(std::cos(theta));
    const double s = std::fabs(std::sin(theta));
    const double halfWidth = width / 2.0 * c + height / 2.0 * s;
    const double halfHeight = width / 2.0 * s + height / 2.0 * c;
    rotatedWidth = static_cast<int>(2 * halfWidth + 0.5);
    rotatedHeight = static_cast<int>(2 * halfHeight + 0.5);
    return true;
}

void Rotator::rotate(const PixelView& source, const PixelView& target, double degrees) const
{
    const double theta = degrees * kPi / 180;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const double sourceCentreX = source.width() / 2.0;
    const double sourceCentreY = source.height() / 2.0;
    const double targetCentreX = target.width() / 2.0;
    const double targetCentreY = target.height() / 2.0;
    const int bytes = target.bytesPerPixel();
    for (int y = 0; y < target.height(); ++y) {
        uint8_t* out = target.row(y);
        for (int x = 0; x < target.width(); ++x, out += bytes) {
            // Pixel centres are mapped back into the source, so that turning
            // by 180 degrees lands every pixel on a source pixel exactly.
            const double dx = x + 0.5 - targetCentreX;
            const double dy = y + 0.5 - targetCentreY;
            const double sx = dx * c + dy * s + sourceCentreX - 0.5;
            const double sy = dy * c - dx * s + sourceCentreY - 0.5;
            sample(source, snapToPixel(sx), snapToPixel(sy), out);
        }
    }
}

void Rotator::sample(const PixelView& source, double x, double y, uint8_t* out) const
{
    const int bytes = source.bytesPerPixel();
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    if (fx < 0 || fy < 0 || fx >= source.width() || fy >= source.height()) {
        for (int i = 0; i < bytes; ++i)
            out[i] = static_cast<uint8_t>(m_background >> (8 * i));
        return;
    }
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    double sum[4] = {};
    for (int j = -1; j <= 2; ++j) {
        const double wy = cubicWeight(std::fabs(j - (y - fy)));
        const int row = std::min(std::max(iy + j, 0), source.height() - 1);
        for (int i = -1; i <= 2; ++i) {
            const double w = wy * cubicWeight(std::fabs(i - (x - fx)));
            const int column = std::min(std::max(ix + i, 0), source.width() - 1);
            const uint8_t* p = source.pixel(column, row);
            for (int b = 0; b < bytes; ++b)
                sum[b] += w * p[b];
        }
    }
    for (int b = 0; b < bytes; ++b)
        out[b] = roundToByte(sum[b]);
}
