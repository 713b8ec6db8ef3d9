#include "graphics/image/BlurKernel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The area under exp(-x^2 / (2 sigma^2)) from a to b, from the error function:
// an independent check of the sampled tap means.
double gaussianArea(double sigma, double a, double b)
{
    const double k = sigma * std::sqrt(2.0);
    const double pi = 3.14159265358979323846;
    return sigma * std::sqrt(pi / 2) * (std::erf(b / k) - std::erf(a / k));
}

// Each side tap is the curve's mean over its pixel, cut off at two sigma; the
// centre tap the mean over 0.5 to 1.5, without the cut; all normalised to
// sum 1.
std::vector<double> expectedTaps(double radius)
{
    const double sigma = std::fabs(radius / 2) + 0.25;
    const int half = static_cast<int>(std::ceil(2 * sigma - 0.5));
    std::vector<double> taps(2 * half + 1);
    for (int i = 0; i <= half; ++i) {
        const double from = i == 0 ? 0.5 : i - 0.5;
        const double to = i == 0 ? 1.5 : std::min(i + 0.5, 2 * sigma);
        taps[half + i] = taps[half - i] = gaussianArea(sigma, from, to);
    }
    double total = 0;
    for (double t : taps)
        total += t;
    for (double& t : taps)
        t /= total;
    return taps;
}

} // namespace

TEST(BlurKernel, TapsFollowTheGaussian)
{
    for (float radius : {1.0f, 2.0f, 3.0f, 8.0f, -3.0f}) {
        const BlurKernel kernel(radius);
        const std::vector<double> expected = expectedTaps(radius);
        ASSERT_EQ(static_cast<int>(expected.size()), kernel.length()) << radius;
        double sum = 0;
        for (int i = 0; i < kernel.length(); ++i) {
            EXPECT_NEAR(expected[i], kernel.tap(i), 0.004) << "radius " << radius << " tap " << i;
            EXPECT_FLOAT_EQ(kernel.tap(i), kernel.tap(kernel.length() - 1 - i));
            sum += kernel.tap(i);
        }
        EXPECT_NEAR(1.0, sum, 1e-5);
    }
    // Radius 0 and nonsense leave images alone; huge radii are capped.
    EXPECT_EQ(1, BlurKernel(0.0f).length());
    EXPECT_EQ(1, BlurKernel(std::nanf("")).length());
    EXPECT_EQ(BlurKernel(BlurKernel::kMaxRadius).length(), BlurKernel(1e30f).length());
    EXPECT_EQ(BlurKernel(BlurKernel::kMaxRadius).length(), BlurKernel(INFINITY).length());
}
