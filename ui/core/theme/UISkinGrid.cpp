#include "ui/core/theme/UISkinGrid.h"

#include <algorithm>

namespace {

int32_t clampPart(int32_t value)
{
    return std::min(std::max(value, 0), UISkinGrid::kMaxPart);
}

} // namespace

UISkinGrid UISkinGrid::fromParts(int32_t left, int32_t centre, int32_t right, int32_t top, int32_t middle,
                                 int32_t bottom)
{
    UISkinGrid grid;
    grid.left = clampPart(left);
    grid.centre = clampPart(centre);
    grid.right = clampPart(right);
    grid.top = clampPart(top);
    grid.middle = clampPart(middle);
    grid.bottom = clampPart(bottom);
    grid.width = grid.left + grid.centre + grid.right;
    grid.height = grid.top + grid.middle + grid.bottom;
    return grid;
}

UISkinGrid UISkinGrid::fromSize(int32_t width, int32_t height)
{
    UISkinGrid grid;
    grid.width = clampPart(width);
    grid.height = clampPart(height);
    return grid;
}

bool UISkinGrid::operator==(const UISkinGrid& other) const
{
    return left == other.left && centre == other.centre && right == other.right && top == other.top &&
           middle == other.middle && bottom == other.bottom && width == other.width && height == other.height;
}
