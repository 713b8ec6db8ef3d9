#pragma once

#include "graphics/color/Color.h"
#include "tools/skingen/SkinCanvas.h"

#include <string>
#include <vector>

// How one frame of a skin image is drawn: the recipe's words (such as "box 4"
// or "chevron down"), the frame's size, its colours and its optional mark.
class SkinFrameRecipes
{
public:
    static bool isKnown(const std::vector<std::string>& recipe);
    // False for an unknown recipe or too few colours.
    static bool draw(SkinCanvas& canvas, const std::vector<std::string>& recipe, int width, int height,
                     const std::vector<Color>& colors, const std::string& mark);

private:
    static void box(SkinCanvas& canvas, int width, int height, float radius,
                    const std::vector<Color>& colors);
    static void triangle(SkinCanvas& canvas, const std::string& direction, int width, int height,
                         float margin, const Color& c);
    static void chevron(SkinCanvas& canvas, const std::string& direction, int width, int height,
                        const Color& c);
    static void check(SkinCanvas& canvas, int size, float radius, const std::vector<Color>& colors,
                      const std::string& mark);
    static void radio(SkinCanvas& canvas, int size, const std::vector<Color>& colors);
    static void grip(SkinCanvas& canvas, const std::string& kind, int width, int height, const Color& c);
};
