#include "graphics/d3d/Texture.h"

Texture::~Texture() = default;
