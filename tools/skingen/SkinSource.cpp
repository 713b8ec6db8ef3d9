#include "tools/skingen/SkinSource.h"

#include <cstdlib>

namespace {

const char* const kKinds[] = {"int", "bool",  "float",   "font",  "color",
                              "pen", "brush", "margins", "point", "size"};

bool isHex(const std::string& text)
{
    return (text.size() == 6 || text.size() == 8) &&
           text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

std::string decimalColor(const Color& c)
{
    const std::string rgb =
        std::to_string(c.red()) + "," + std::to_string(c.green()) + "," + std::to_string(c.blue());
    return c.alpha() == 255 ? rgb : std::to_string(c.alpha()) + "," + rgb;
}

// "l,c,r/t,m,b" or "WIDTHxHEIGHT".
bool parseGrid(const std::string& text, UISkinGrid& grid)
{
    const size_t slash = text.find('/');
    if (slash == std::string::npos) {
        const size_t x = text.find('x');
        int width = 0;
        int height = 0;
        if (x == std::string::npos || !SkinTable::toInt(text.substr(0, x), width) ||
            !SkinTable::toInt(text.substr(x + 1), height) || width < 1 || height < 1)
            return false;
        grid = UISkinGrid::fromSize(width, height);
        return true;
    }
    const std::vector<std::string> columns = SkinTable::split(text.substr(0, slash), ',');
    const std::vector<std::string> rows = SkinTable::split(text.substr(slash + 1), ',');
    int v[6];
    if (columns.size() != 3 || rows.size() != 3)
        return false;
    for (int i = 0; i < 3; ++i) {
        if (!SkinTable::toInt(columns[i], v[i]) || !SkinTable::toInt(rows[i], v[i + 3]))
            return false;
    }
    grid = UISkinGrid::fromParts(v[0], v[1], v[2], v[3], v[4], v[5]);
    return grid.hasParts() && grid.width > 0 && grid.height > 0;
}

} // namespace

bool SkinSource::load(const std::string& folder, std::string& error)
{
    return loadPalette(folder + "/palette.txt", error) && loadSkins(folder + "/skins.txt", error) &&
           loadModels(folder + "/models.txt", error) && loadMetrics(folder + "/metrics.txt", error) &&
           loadPictures(folder + "/images.txt", error) && loadCursors(folder + "/cursors.txt", error) &&
           loadSkins(folder + "/dataskins.txt", m_dataSkins, error) &&
           loadIcons(folder + "/icons.txt", error);
}

// "16" for a square, "80x16" for any other size.
static bool parseIconSize(const std::string& text, int& width, int& height)
{
    const std::vector<std::string> parts = SkinTable::split(text, 'x');
    if (parts.size() == 1 && SkinTable::toInt(parts[0], width)) {
        height = width;
    } else if (parts.size() != 2 || !SkinTable::toInt(parts[0], width) ||
               !SkinTable::toInt(parts[1], height)) {
        return false;
    }
    return width >= 1 && width <= 256 && height >= 1 && height <= 256;
}

bool SkinSource::loadIcons(const std::string& path, std::string& error)
{
    SkinTable table;
    if (!table.load(path, error))
        return false;
    for (const SkinTable::Row& row : table.rows()) {
        Icon icon;
        const std::vector<std::string> motif =
            row.fields.size() == 3 ? SkinTable::words(row.fields[2]) : std::vector<std::string>();
        if (motif.empty() || motif.size() > 2 || !parseIconSize(row.fields[1], icon.width, icon.height)) {
            error = table.where(row, "expected: name | size or WIDTHxHEIGHT | motif [badge]");
            return false;
        }
        icon.name = row.fields[0];
        icon.motif = motif[0];
        icon.badge = motif.size() == 2 ? motif[1] : std::string();
        m_icons.push_back(icon);
    }
    return true;
}

bool SkinSource::isColorKind(const std::string& kind)
{
    return kind == "color" || kind == "pen" || kind == "brush";
}

bool SkinSource::color(const std::string& token, Color& out) const
{
    if (token == "none") {
        out = Color(0x00FFFFFFu);
        return true;
    }
    const auto found = m_palette.find(token);
    if (found != m_palette.end()) {
        out = found->second;
        return true;
    }
    if (!isHex(token))
        return false;
    uint32_t value = static_cast<uint32_t>(std::strtoul(token.c_str(), nullptr, 16));
    if (token.size() == 6)
        value |= 0xFF000000u;
    out = Color(value);
    return true;
}

bool SkinSource::loadPalette(const std::string& path, std::string& error)
{
    SkinTable table;
    if (!table.load(path, error))
        return false;
    for (const SkinTable::Row& row : table.rows()) {
        if (row.fields.size() != 2 || !isHex(row.fields[1])) {
            error = table.where(row, "expected: name | RRGGBB");
            return false;
        }
        Color c;
        color(row.fields[1], c);
        m_palette[row.fields[0]] = c;
    }
    return true;
}

bool SkinSource::parseFrameColors(const std::string& text, Skin& skin) const
{
    const std::vector<std::string> groups = SkinTable::words(text);
    if (static_cast<int>(groups.size()) != skin.frames)
        return false;
    for (const std::string& group : groups) {
        std::vector<Color> colors;
        std::string mark;
        for (const std::string& token : SkinTable::split(group, ':')) {
            Color c;
            if (color(token, c))
                colors.push_back(c);
            else if (mark.empty() && !colors.empty())
                mark = token;
            else
                return false;
        }
        skin.colors.push_back(colors);
        skin.marks.push_back(mark);
    }
    return true;
}

bool SkinSource::loadSkins(const std::string& path, std::vector<Skin>& out, std::string& error)
{
    SkinTable table;
    if (!table.load(path, error))
        return false;
    for (const SkinTable::Row& row : table.rows()) {
        Skin skin;
        if (row.fields.size() != 5) {
            error = table.where(row, "expected: name | frames | grid | recipe | colours");
            return false;
        }
        skin.name = row.fields[0];
        skin.recipe = SkinTable::words(row.fields[3]);
        if (!SkinTable::toInt(row.fields[1], skin.frames) || skin.frames < 1 || skin.frames > 64 ||
            !parseGrid(row.fields[2], skin.grid) || skin.recipe.empty() ||
            !parseFrameColors(row.fields[4], skin)) {
            error = table.where(row, "bad frame count, grid or colours for " + skin.name);
            return false;
        }
        out.push_back(skin);
    }
    return true;
}

bool SkinSource::expandValue(const Property& property, std::string& value) const
{
    if (!isColorKind(property.kind)) {
        value = property.value;
        return true;
    }
    // Gradient stops are written with "/" in the table, whose fields are
    // separated by "|".
    value.clear();
    for (const std::string& stop : SkinTable::split(property.value, '/')) {
        const std::string token = stop.size() > 1 && stop[0] == '@' ? stop.substr(1) : stop;
        Color c;
        if (!color(token, c))
            return false;
        value += (value.empty() ? "" : "|") + decimalColor(c);
    }
    return true;
}

bool SkinSource::loadModels(const std::string& path, std::string& error)
{
    SkinTable table;
    if (!table.load(path, error))
        return false;
    for (const SkinTable::Row& row : table.rows()) {
        if (m_models.empty() || m_models.back().style != row.fields[0])
            m_models.push_back(Model{row.fields[0], {}});
        if (row.fields.size() == 1)
            continue;
        Property p;
        bool knownKind = false;
        if (row.fields.size() == 4) {
            p = Property{row.fields[0], row.fields[1], row.fields[2], row.fields[3]};
            for (const char* kind : kKinds)
                knownKind = knownKind || p.kind == kind;
        }
        std::string value;
        if (!knownKind || !expandValue(p, value)) {
            error =
                table.where(row, "expected: style | property | kind | value, with a known kind and colour");
            return false;
        }
        p.value = value;
        m_models.back().properties.push_back(p);
    }
    return true;
}

bool SkinSource::loadMetrics(const std::string& path, std::string& error)
{
    SkinTable table;
    if (!table.load(path, error))
        return false;
    for (const SkinTable::Row& row : table.rows()) {
        Metric m;
        if (row.fields.size() != 3 || !SkinTable::toInt(row.fields[1], m.white) ||
            !SkinTable::toInt(row.fields[2], m.test)) {
            error = table.where(row, "expected: name | white value | test value");
            return false;
        }
        m.name = row.fields[0];
        m_metrics.push_back(m);
    }
    return true;
}

bool SkinSource::loadPictures(const std::string& path, std::string& error)
{
    SkinTable table;
    if (!table.load(path, error))
        return false;
    for (const SkinTable::Row& row : table.rows()) {
        Picture p;
        if (row.fields.size() != 4 || !SkinTable::toInt(row.fields[1], p.size) || p.size < 8 ||
            p.size > 256 || (row.fields[3] != "style" && row.fields[3] != "data")) {
            error = table.where(row, "expected: name | size | recipe | style or data");
            return false;
        }
        p.name = row.fields[0];
        p.recipe = row.fields[2];
        p.inData = row.fields[3] == "data";
        m_pictures.push_back(p);
    }
    return true;
}

bool SkinSource::loadCursors(const std::string& path, std::string& error)
{
    SkinTable table;
    if (!table.load(path, error))
        return false;
    for (const SkinTable::Row& row : table.rows()) {
        Cursor c;
        if (row.fields.size() != 4 || !SkinTable::toInt(row.fields[1], c.hotspotX) ||
            !SkinTable::toInt(row.fields[2], c.hotspotY)) {
            error = table.where(row, "expected: name | hot spot x | hot spot y | recipe");
            return false;
        }
        c.name = row.fields[0];
        c.recipe = row.fields[3];
        m_cursors.push_back(c);
    }
    return true;
}
