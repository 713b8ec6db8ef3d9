#include "ui/views/scene/Vec4.h"

#include <cmath>

Vec4 Vec4::rotationY(float angle)
{
    return Vec4(0.0f, std::sin(angle / 2.0f), 0.0f, std::cos(angle / 2.0f));
}
