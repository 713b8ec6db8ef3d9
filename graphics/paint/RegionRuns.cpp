#include "graphics/paint/RegionRuns.h"

namespace {

bool isOutside(const uint8_t* p)
{
    return p[0] == 0 && p[1] == 0 && p[2] == 0 && p[3] == 255;
}

} // namespace

std::vector<Rect> regionRuns(const PixelView& mask)
{
    std::vector<Rect> runs;
    for (int y = 0; y < mask.height(); ++y) {
        const uint8_t* row = mask.row(y);
        int x = 0;
        while (x < mask.width()) {
            while (x < mask.width() && isOutside(row + 4 * x))
                ++x;
            const int start = x;
            while (x < mask.width() && !isOutside(row + 4 * x))
                ++x;
            if (x > start)
                runs.push_back(Rect(start, y, x - start, 1));
        }
    }
    return runs;
}
