#pragma once

#include "graphics/image/Image.h"
#include "tools/skingen/SkinSource.h"

class SkinCanvas;

// Draws the generator's pictures: the frames of every skin image by its
// recipe, the built-in icons, the program's cursors, and the flat test frames.
class SkinPictures
{
public:
    explicit SkinPictures(const SkinSource& source) : m_source(source) {}

    // The frames stacked top to bottom; empty for an unknown recipe.
    Image skin(const SkinSource::Skin& skin) const;
    // The same size, each frame one flat colour of test.style.
    static Image testSkin(const SkinSource::Skin& skin);
    // A built-in picture; empty for an unknown recipe.
    Image picture(const SkinSource::Picture& picture) const;
    static Image testPicture(const SkinSource::Picture& picture);
    // A 32 x 32 cursor; empty for an unknown recipe.
    static Image cursor(const SkinSource::Cursor& cursor);

    static constexpr int kCursorSize = 32;

private:
    Color named(const char* name) const;
    bool flagPicture(SkinCanvas& canvas, const std::string& code, float size, bool extract) const;

    const SkinSource& m_source;
};
