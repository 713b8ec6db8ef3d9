#include "ui/views/scene/SceneObject.h"

#include <algorithm>
#include <cmath>

SceneObject::~SceneObject() = default;

void SceneObject::setOpacity(float opacity)
{
    // NaN would slip through a clamp; treat it as fully transparent.
    m_opacity = std::isnan(opacity) ? 0.0f : std::clamp(opacity, 0.0f, 1.0f);
}
