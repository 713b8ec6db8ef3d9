#include "tools/skingen/SkinPictures.h"

#include "tools/skingen/SkinCanvas.h"
#include "tools/skingen/SkinFrameRecipes.h"
#include "tools/skingen/TestSkinColors.h"

#include <cmath>
#include <functional>

namespace {

const Color kClear(0x00FFFFFFu);
const Color kBlack(0xFF000000u);
const Color kWhite(0xFFFFFFFFu);

Image blank(int width, int height)
{
    Image image(width, height, true);
    image.fill(kClear);
    return image;
}

String wide(const std::string& text)
{
    return String::fromUtf8(text.data(), static_cast<int>(text.size()));
}

// Points along a circular arc, angles in degrees clockwise from three o'clock.
std::vector<SkinPoint> arc(float cx, float cy, float r, float from, float to)
{
    std::vector<SkinPoint> points;
    const int steps = 16;
    for (int i = 0; i <= steps; ++i) {
        const float a = (from + (to - from) * i / steps) * 3.14159265f / 180.0f;
        points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return points;
}

// A question mark in a box of size s centred at (cx, cy).
void questionMark(SkinCanvas& canvas, float cx, float cy, float s, float stroke, const Color& c)
{
    std::vector<SkinPoint> hook = arc(cx, cy - s * 0.18f, s * 0.2f, 180, 405);
    hook.push_back({cx, cy + s * 0.12f});
    canvas.polyline(hook, stroke, c);
    canvas.fillCircle(cx, cy + s * 0.32f, stroke * 0.7f, c);
}

// The shapes of a cursor: white bodies with a black outline, drawn as all
// outlines first and all bodies after, so overlapping parts join cleanly.
class CursorShapes
{
public:
    void stroke(float x1, float y1, float x2, float y2, float width)
    {
        m_parts.push_back([=](SkinCanvas& c, float grow, const Color& color) {
            c.line(x1, y1, x2, y2, width + 2 * grow, color);
        });
    }
    void disc(float cx, float cy, float r)
    {
        m_parts.push_back(
            [=](SkinCanvas& c, float grow, const Color& color) { c.fillCircle(cx, cy, r + grow, color); });
    }
    void box(float x, float y, float w, float h, float r)
    {
        m_parts.push_back([=](SkinCanvas& c, float grow, const Color& color) {
            c.fillRoundRect(x - grow, y - grow, w + 2 * grow, h + 2 * grow, r + grow, color);
        });
    }
    // An arrow of a shaft and a head, from the base to the tip.
    void arrow(float x1, float y1, float x2, float y2)
    {
        const float dx = x2 - x1, dy = y2 - y1;
        const float length = std::hypot(dx, dy);
        const float ux = dx / length, uy = dy / length;
        stroke(x1, y1, x2, y2, 2);
        stroke(x2, y2, x2 - 4 * ux - 4 * uy, y2 - 4 * uy + 4 * ux, 2);
        stroke(x2, y2, x2 - 4 * ux + 4 * uy, y2 - 4 * uy - 4 * ux, 2);
    }
    void draw(SkinCanvas& canvas) const
    {
        for (const auto& part : m_parts)
            part(canvas, 1.2f, kBlack);
        for (const auto& part : m_parts)
            part(canvas, 0, kWhite);
    }

private:
    std::vector<std::function<void(SkinCanvas&, float, const Color&)>> m_parts;
};

void handShapes(CursorShapes& s, const std::string& recipe)
{
    s.box(7, 13, 14, 12, 5);
    if (recipe == "hand_close") {
        for (int i = 0; i < 4; ++i)
            s.stroke(9.5f + i * 3.2f, 12, 9.5f + i * 3.2f, 14, 3);
        s.stroke(7, 17, 5, 15, 3);
        return;
    }
    if (recipe == "hand_open") {
        const float tops[4] = {6, 4, 5, 8};
        for (int i = 0; i < 4; ++i)
            s.stroke(9.5f + i * 3.2f, tops[i], 9.5f + i * 3.2f, 15, 3);
        s.stroke(7.5f, 19, 3.5f, 14, 3);
        return;
    }
    // Pointing: the index finger up, the others curled.
    s.stroke(10, 2.5f, 10, 15, 3);
    for (int i = 1; i < 4; ++i)
        s.stroke(10 + i * 3.2f, 11, 10 + i * 3.2f, 15, 3);
    s.stroke(7.5f, 19, 4.5f, 15, 3);
}

void splitShapes(CursorShapes& s, const std::string& recipe)
{
    const bool vertical = recipe == "split_vertical" || recipe == "split_up" || recipe == "split_down";
    if (vertical) {
        s.stroke(6, 14, 26, 14, 2);
        s.stroke(6, 17, 26, 17, 2);
        if (recipe != "split_down")
            s.arrow(16, 12, 16, 4);
        if (recipe != "split_up")
            s.arrow(16, 19, 16, 27);
        return;
    }
    s.stroke(14, 6, 14, 26, 2);
    s.stroke(17, 6, 17, 26, 2);
    if (recipe != "split_right")
        s.arrow(12, 16, 4, 16);
    if (recipe != "split_left")
        s.arrow(19, 16, 27, 16);
}

bool cursorShapes(CursorShapes& s, const std::string& recipe)
{
    if (recipe == "hand" || recipe == "hand_open" || recipe == "hand_close") {
        handShapes(s, recipe);
    } else if (recipe.compare(0, 4, "lens") == 0) {
        s.stroke(17, 17, 26, 26, 4);
        s.disc(12, 12, 8);
    } else if (recipe.compare(0, 5, "split") == 0) {
        splitShapes(s, recipe);
    } else if (recipe == "pipette") {
        s.stroke(4, 27, 20, 11, 3);
        s.box(19, 5, 8, 8, 3);
    } else if (recipe == "target") {
        s.stroke(15.5f, 2, 15.5f, 12, 1.5f);
        s.stroke(15.5f, 19, 15.5f, 29, 1.5f);
        s.stroke(2, 15.5f, 12, 15.5f, 1.5f);
        s.stroke(19, 15.5f, 29, 15.5f, 1.5f);
    } else {
        return recipe == "empty";
    }
    return true;
}

// Marks drawn in black over a cursor's bodies.
void cursorMarks(SkinCanvas& canvas, const std::string& recipe)
{
    if (recipe == "lens_plus" || recipe == "lens_minus")
        canvas.line(8.5f, 12, 15.5f, 12, 1.5f, kBlack);
    if (recipe == "lens_plus")
        canvas.line(12, 8.5f, 12, 15.5f, 1.5f, kBlack);
    if (recipe == "target")
        canvas.strokeCircle(15.5f, 15.5f, 7, 1.5f, kBlack);
}

// The flags of the site editions' languages, as three bands each (the middle
// one weighted, for Spain's wide yellow band); "en" is drawn by its own rule.
struct FlagBands
{
    const char* code;
    bool vertical;
    uint32_t colors[3];
    float middleShare;
};

const FlagBands kFlags[] = {
    {"de", false, {0xFF000000u, 0xFFDD0000u, 0xFFFFCE00u}, 1.0f / 3},
    {"it", true, {0xFF009246u, 0xFFFFFFFFu, 0xFFCE2B37u}, 1.0f / 3},
    {"es", false, {0xFFAA151Bu, 0xFFF1BF00u, 0xFFAA151Bu}, 0.5f},
    {"fr", true, {0xFF0055A4u, 0xFFFFFFFFu, 0xFFEF4135u}, 1.0f / 3},
};
const Color kUnionBlue(0xFF012169u);
const Color kUnionRed(0xFFC8102Eu);

void unionFlag(SkinCanvas& canvas, float x, float y, float w, float h)
{
    canvas.fillRect(x, y, w, h, kUnionBlue);
    const float unit = h / 10;
    canvas.line(x, y, x + w, y + h, 2 * unit, kWhite);
    canvas.line(x + w, y, x, y + h, 2 * unit, kWhite);
    canvas.line(x, y, x + w, y + h, 0.8f * unit, kUnionRed);
    canvas.line(x + w, y, x, y + h, 0.8f * unit, kUnionRed);
    canvas.fillRect(x + w / 2 - 1.7f * unit, y, 3.4f * unit, h, kWhite);
    canvas.fillRect(x, y + h / 2 - 1.7f * unit, w, 3.4f * unit, kWhite);
    canvas.fillRect(x + w / 2 - unit, y, 2 * unit, h, kUnionRed);
    canvas.fillRect(x, y + h / 2 - unit, w, 2 * unit, kUnionRed);
}

// The flag of a language code in the box; false for a code without one.
bool flag(SkinCanvas& canvas, const std::string& code, float x, float y, float w, float h)
{
    if (code == "en") {
        unionFlag(canvas, x, y, w, h);
        return true;
    }
    for (const FlagBands& bands : kFlags) {
        if (code != bands.code)
            continue;
        const float length = bands.vertical ? w : h;
        const float edge = length * (1 - bands.middleShare) / 2;
        const float from[3] = {0, edge, length - edge};
        const float to[3] = {edge, length - edge, length};
        for (int i = 0; i < 3; ++i) {
            const Color color(bands.colors[i]);
            if (bands.vertical)
                canvas.fillRect(x + from[i], y, to[i] - from[i], h, color);
            else
                canvas.fillRect(x, y + from[i], w, to[i] - from[i], color);
        }
        return true;
    }
    return false;
}

} // namespace

// A flag of 3 : 2 across the icon with a thin border; the extraction's form
// carries an accent badge with a downward arrow in its lower right corner,
// for the data that comes from that edition.
bool SkinPictures::flagPicture(SkinCanvas& canvas, const std::string& code, float s, bool extract) const
{
    const float w = s;
    const float h = std::round(s * 2 / 3);
    const float top = std::round((s - h) / 2);
    if (!flag(canvas, code, 0, top, w, h))
        return false;
    canvas.strokeRoundRect(0, top, w, h, 1, 1, named("border"));
    if (!extract)
        return true;
    const float r = s * 0.3f;
    const float cx = s - r;
    const float cy = s - r;
    canvas.fillCircle(cx, cy, r + 1, kWhite);
    canvas.fillCircle(cx, cy, r, named("accent"));
    canvas.line(cx, cy - r * 0.55f, cx, cy + r * 0.45f, 1.2f, kWhite);
    canvas.line(cx - r * 0.45f, cy, cx, cy + r * 0.45f, 1.2f, kWhite);
    canvas.line(cx + r * 0.45f, cy, cx, cy + r * 0.45f, 1.2f, kWhite);
    return true;
}

Color SkinPictures::named(const char* name) const
{
    Color c;
    m_source.color(name, c);
    return c;
}

Image SkinPictures::skin(const SkinSource::Skin& skin) const
{
    const int w = skin.grid.width;
    const int h = skin.grid.height;
    Image image = blank(w, h * skin.frames);
    SkinCanvas canvas(image);
    for (int frame = 0; frame < skin.frames; ++frame) {
        canvas.setOrigin(0, h * frame);
        if (!SkinFrameRecipes::draw(canvas, skin.recipe, w, h, skin.colors[frame], skin.marks[frame]))
            return Image();
    }
    return image;
}

Image SkinPictures::testSkin(const SkinSource::Skin& skin)
{
    const int h = skin.grid.height;
    Image image = blank(skin.grid.width, h * skin.frames);
    SkinCanvas canvas(image);
    for (int frame = 0; frame < skin.frames; ++frame)
        canvas.fillRect(0, h * frame, skin.grid.width, h, testSkinFrameColor(wide(skin.name), frame));
    return image;
}

Image SkinPictures::testPicture(const SkinSource::Picture& picture)
{
    Image image = blank(picture.size, picture.size);
    image.fill(testSkinFrameColor(wide(picture.name), 0));
    return image;
}

Image SkinPictures::picture(const SkinSource::Picture& picture) const
{
    const float s = static_cast<float>(picture.size);
    const float c = s / 2;
    const float stroke = picture.size <= 16 ? 1.5f : 2.0f;
    const std::string& r = picture.recipe;
    const Color text = named("text");
    Image image = blank(picture.size, picture.size);
    SkinCanvas canvas(image);
    if (r == "information" || r == "question" || r == "critical") {
        canvas.fillCircle(c, c, c - 0.5f, named(r == "critical" ? "error" : "accent"));
        if (r == "information") {
            canvas.fillCircle(c, s * 0.28f, stroke * 0.75f, kWhite);
            canvas.line(c, s * 0.45f, c, s * 0.74f, stroke, kWhite);
        } else if (r == "question") {
            questionMark(canvas, c, c, s, stroke, kWhite);
        } else {
            canvas.line(s * 0.33f, s * 0.33f, s * 0.67f, s * 0.67f, stroke, kWhite);
            canvas.line(s * 0.67f, s * 0.33f, s * 0.33f, s * 0.67f, stroke, kWhite);
        }
    } else if (r == "warning") {
        canvas.fillPolygon({{c, s * 0.06f}, {s * 0.97f, s * 0.9f}, {s * 0.03f, s * 0.9f}}, named("warning"));
        canvas.line(c, s * 0.36f, c, s * 0.6f, stroke, kWhite);
        canvas.fillCircle(c, s * 0.75f, stroke * 0.7f, kWhite);
    } else if (r == "help") {
        canvas.strokeCircle(c, c, c - 0.5f, stroke, text);
        questionMark(canvas, c, c, s, stroke, text);
    } else if (r == "folder") {
        const std::vector<SkinPoint> outline = {
            {s * 0.1f, s * 0.2f},  {s * 0.4f, s * 0.2f},  {s * 0.5f, s * 0.32f}, {s * 0.9f, s * 0.32f},
            {s * 0.9f, s * 0.82f}, {s * 0.1f, s * 0.82f}, {s * 0.1f, s * 0.2f}};
        canvas.fillPolygon(outline, named("selection"));
        canvas.polyline(outline, stroke, text);
    } else if (r == "close") {
        canvas.line(s * 0.28f, s * 0.28f, s * 0.72f, s * 0.72f, stroke, text);
        canvas.line(s * 0.72f, s * 0.28f, s * 0.28f, s * 0.72f, stroke, text);
    } else if (r == "maximize") {
        canvas.strokeRoundRect(s * 0.22f, s * 0.22f, s * 0.56f, s * 0.56f, 1, stroke * 0.7f, text);
    } else if (r == "minimize") {
        canvas.line(s * 0.25f, s * 0.7f, s * 0.75f, s * 0.7f, stroke, text);
    } else if (r == "focus") {
        canvas.strokeRoundRect(0, 0, s, s, 4, 2, named("focusRing"));
    } else if (r.compare(0, 13, "flag_extract_") == 0) {
        if (!flagPicture(canvas, r.substr(13), s, true))
            return Image();
    } else if (r.compare(0, 5, "flag_") == 0) {
        if (!flagPicture(canvas, r.substr(5), s, false))
            return Image();
    } else if (r == "reel") {
        // A film reel: an accent disc with five holes round the hub.
        canvas.fillCircle(c, c, c - 0.5f, named("accent"));
        for (int i = 0; i < 5; ++i) {
            const float a = (i * 72.0f - 90.0f) * 3.14159265f / 180.0f;
            canvas.fillCircle(c + s * 0.26f * std::cos(a), c + s * 0.26f * std::sin(a), s * 0.1f, kWhite);
        }
        canvas.fillCircle(c, c, s * 0.06f, kWhite);
    } else {
        return Image();
    }
    return image;
}

Image SkinPictures::cursor(const SkinSource::Cursor& cursor)
{
    Image image = blank(kCursorSize, kCursorSize);
    SkinCanvas canvas(image);
    CursorShapes shapes;
    if (!cursorShapes(shapes, cursor.recipe))
        return Image();
    shapes.draw(canvas);
    cursorMarks(canvas, cursor.recipe);
    return image;
}
