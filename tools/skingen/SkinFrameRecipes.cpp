#include "tools/skingen/SkinFrameRecipes.h"

#include <algorithm>
#include <cstdlib>

namespace {

const char* const kRecipes[] = {"box", "bar",  "hline", "vline", "cross", "triangle", "chevron", "checkmark",
                                "dot", "grip", "knob",  "check", "radio", "shadow",   "none"};

float argument(const std::vector<std::string>& recipe, size_t index, float fallback)
{
    return recipe.size() > index ? static_cast<float>(std::atof(recipe[index].c_str())) : fallback;
}

std::string word(const std::vector<std::string>& recipe, size_t index)
{
    return recipe.size() > index ? recipe[index] : std::string();
}

// The three points of an arrow head pointing `direction` inside w x h.
std::vector<SkinPoint> arrowPoints(const std::string& direction, float w, float h, float inset)
{
    const float l = inset, t = inset, r = w - inset, b = h - inset;
    const float cx = w / 2, cy = h / 2;
    if (direction == "up")
        return {{l, b - (b - t) / 4}, {cx, t + (b - t) / 4}, {r, b - (b - t) / 4}};
    if (direction == "down")
        return {{l, t + (b - t) / 4}, {cx, b - (b - t) / 4}, {r, t + (b - t) / 4}};
    if (direction == "left")
        return {{r - (r - l) / 4, t}, {l + (r - l) / 4, cy}, {r - (r - l) / 4, b}};
    return {{l + (r - l) / 4, t}, {r - (r - l) / 4, cy}, {l + (r - l) / 4, b}};
}

} // namespace

bool SkinFrameRecipes::isKnown(const std::vector<std::string>& recipe)
{
    if (recipe.empty())
        return false;
    for (const char* known : kRecipes) {
        if (recipe[0] == known)
            return true;
    }
    return false;
}

bool SkinFrameRecipes::draw(SkinCanvas& canvas, const std::vector<std::string>& recipe, int width, int height,
                            const std::vector<Color>& colors, const std::string& mark)
{
    if (!isKnown(recipe))
        return false;
    const std::string& kind = recipe[0];
    if (kind == "none")
        return true;
    if (colors.empty())
        return false;
    const Color& first = colors[0];
    if (kind == "box") {
        box(canvas, width, height, argument(recipe, 1, 0), colors);
    } else if (kind == "bar") {
        canvas.fillRect(0, 0, width, height, first);
        if (colors.size() > 1)
            canvas.fillRect(0, height - 1, width, 1, colors[1]);
    } else if (kind == "hline") {
        canvas.fillRect(0, (height - 1) / 2, width, 1, first);
    } else if (kind == "vline") {
        canvas.fillRect((width - 1) / 2, 0, 1, height, first);
    } else if (kind == "cross") {
        const float inset = std::min(width, height) * 0.28f;
        canvas.line(inset, inset, width - inset, height - inset, 1.5f, first);
        canvas.line(width - inset, inset, inset, height - inset, 1.5f, first);
    } else if (kind == "triangle") {
        triangle(canvas, word(recipe, 1), width, height, argument(recipe, 2, 0.12f), first);
    } else if (kind == "chevron") {
        chevron(canvas, word(recipe, 1), width, height, first);
    } else if (kind == "checkmark") {
        canvas.polyline({{width * 0.25f, height * 0.52f},
                         {width * 0.43f, height * 0.7f},
                         {width * 0.75f, height * 0.32f}},
                        1.5f, first);
    } else if (kind == "dot") {
        canvas.fillCircle(width / 2.0f, height / 2.0f, std::min(width, height) * 0.18f, first);
    } else if (kind == "grip") {
        grip(canvas, word(recipe, 1), width, height, first);
    } else if (kind == "knob") {
        const float r = std::min(width, height) / 2.0f - 0.5f;
        canvas.fillCircle(width / 2.0f, height / 2.0f, r, first);
        if (colors.size() > 1)
            canvas.strokeCircle(width / 2.0f, height / 2.0f, r, 2.0f, colors[1]);
    } else if (kind == "check") {
        check(canvas, std::min(width, height), argument(recipe, 1, 3), colors, mark);
    } else if (kind == "radio") {
        radio(canvas, std::min(width, height), colors);
    } else if (kind == "shadow") {
        // Rings fading outwards, black at a few per cent each.
        for (int i = 0; i < 4; ++i)
            canvas.strokeRoundRect(i, i, width - 2 * i, height - 2 * i, 6 - i, 1,
                                   Color(static_cast<uint8_t>(first.alpha() * (i + 1) / 5), first.red(),
                                         first.green(), first.blue()));
    }
    return true;
}

void SkinFrameRecipes::box(SkinCanvas& canvas, int width, int height, float radius,
                           const std::vector<Color>& colors)
{
    if (colors[0].isVisible())
        canvas.fillRoundRect(0, 0, width, height, radius, colors[0]);
    if (colors.size() > 1 && colors[1].isVisible())
        canvas.strokeRoundRect(0, 0, width, height, radius, 1, colors[1]);
}

void SkinFrameRecipes::triangle(SkinCanvas& canvas, const std::string& direction, int width, int height,
                                float margin, const Color& c)
{
    // A balloon's arrow fills its frame; a glyph keeps a margin, a share of
    // its side.
    const bool glyph = width == height;
    canvas.fillPolygon(
        arrowPoints(direction, width, height, glyph ? std::min(width, height) * margin : -1.0f), c);
}

void SkinFrameRecipes::chevron(SkinCanvas& canvas, const std::string& direction, int width, int height,
                               const Color& c)
{
    canvas.polyline(arrowPoints(direction, width, height, std::min(width, height) * 0.2f), 1.5f, c);
}

void SkinFrameRecipes::check(SkinCanvas& canvas, int size, float radius, const std::vector<Color>& colors,
                             const std::string& mark)
{
    box(canvas, size, size, radius, colors);
    if (colors.size() < 3 || !colors[2].isVisible())
        return;
    if (mark == "dash")
        canvas.line(size * 0.3f, size / 2.0f, size * 0.7f, size / 2.0f, 2.0f, colors[2]);
    else
        canvas.polyline(
            {{size * 0.26f, size * 0.52f}, {size * 0.43f, size * 0.68f}, {size * 0.74f, size * 0.34f}}, 2.0f,
            colors[2]);
}

void SkinFrameRecipes::radio(SkinCanvas& canvas, int size, const std::vector<Color>& colors)
{
    const float c = size / 2.0f;
    const float r = c - 0.5f;
    if (colors[0].isVisible())
        canvas.fillCircle(c, c, r, colors[0]);
    if (colors.size() > 1 && colors[1].isVisible())
        canvas.strokeCircle(c, c, r, 1, colors[1]);
    if (colors.size() > 2 && colors[2].isVisible())
        canvas.fillCircle(c, c, size * 0.22f, colors[2]);
}

void SkinFrameRecipes::grip(SkinCanvas& canvas, const std::string& kind, int width, int height,
                            const Color& c)
{
    if (kind == "corner") {
        // Dots on three diagonals towards the bottom-right corner.
        for (int row = 0; row < 3; ++row) {
            for (int col = 2 - row; col < 3; ++col)
                canvas.fillCircle(width - 2.5f - (2 - col) * 4.0f, height - 2.5f - (2 - row) * 4.0f, 1.0f, c);
        }
        return;
    }
    if (width == height) {
        // A square grip serves both directions of a splitter: three by three
        // dots, seen whichever way the separator runs.
        const float step = width / 3.0f;
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 3; ++col)
                canvas.fillCircle(step * (col + 0.5f), step * (row + 0.5f), 0.9f, c);
        }
        return;
    }
    for (int i = -1; i <= 1; ++i)
        canvas.fillCircle(width / 2.0f + i * 2.0f * (width > height ? 1 : 0),
                          height / 2.0f + i * 2.0f * (width > height ? 0 : 1), 0.8f, c);
}
