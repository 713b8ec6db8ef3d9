#include "ui/views/scene/Animated.h"

Animated::~Animated() = default;
