#include "ui/views/scene/TextureSlot.h"

TextureSlot::~TextureSlot() = default;
