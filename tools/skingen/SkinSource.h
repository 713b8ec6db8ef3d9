#pragma once

#include "graphics/color/Color.h"
#include "tools/skingen/SkinTable.h"
#include "ui/core/theme/UISkinGrid.h"

#include <map>
#include <string>
#include <vector>

// Everything the generator draws, read from the tables of the skin source
// folder and checked row by row, so that a slip in a table stops the build
// with the file and line instead of making a broken skin.
class SkinSource
{
public:
    struct Skin
    {
        std::string name;
        int frames = 1;
        UISkinGrid grid;
        std::vector<std::string> recipe;
        // Per frame, the colours of the recipe's roles.
        std::vector<std::vector<Color>> colors;
        // Per frame, an optional shape word after the colours ("dash").
        std::vector<std::string> marks;
    };
    struct Property
    {
        std::string style;
        std::string name;
        std::string kind;
        // The white skin's value, with palette colours written out.
        std::string value;
    };
    struct Model
    {
        std::string style;
        std::vector<Property> properties;
    };
    struct Metric
    {
        std::string name;
        int white = 0;
        int test = 0;
    };
    struct Picture
    {
        std::string name;
        int size = 16;
        std::string recipe;
        bool inData = false;
    };
    // A line icon of the data archive: a motif, optionally with a badge.
    struct Icon
    {
        std::string name;
        int width = 16;
        int height = 16;
        std::string motif;
        std::string badge;
    };
    struct Cursor
    {
        std::string name;
        int hotspotX = 0;
        int hotspotY = 0;
        std::string recipe;
    };

    bool load(const std::string& folder, std::string& error);

    const std::vector<Skin>& skins() const { return m_skins; }
    const std::vector<Model>& models() const { return m_models; }
    const std::vector<Metric>& metrics() const { return m_metrics; }
    const std::vector<Picture>& pictures() const { return m_pictures; }
    const std::vector<Cursor>& cursors() const { return m_cursors; }
    // Skin images the windows load from the data archive with grids of their
    // own, drawn by the skins' recipes.
    const std::vector<Skin>& dataSkins() const { return m_dataSkins; }
    const std::vector<Icon>& icons() const { return m_icons; }
    // A palette colour by name, "none" (transparent) or 6 or 8 hex digits.
    bool color(const std::string& token, Color& out) const;

    static bool isColorKind(const std::string& kind);

private:
    bool loadPalette(const std::string& path, std::string& error);
    bool loadSkins(const std::string& path, std::string& error) { return loadSkins(path, m_skins, error); }
    bool loadSkins(const std::string& path, std::vector<Skin>& out, std::string& error);
    bool loadIcons(const std::string& path, std::string& error);
    bool loadModels(const std::string& path, std::string& error);
    bool loadMetrics(const std::string& path, std::string& error);
    bool loadPictures(const std::string& path, std::string& error);
    bool loadCursors(const std::string& path, std::string& error);
    bool parseFrameColors(const std::string& text, Skin& skin) const;
    bool expandValue(const Property& property, std::string& value) const;

    std::map<std::string, Color> m_palette;
    std::vector<Skin> m_skins;
    std::vector<Model> m_models;
    std::vector<Metric> m_metrics;
    std::vector<Picture> m_pictures;
    std::vector<Cursor> m_cursors;
    std::vector<Skin> m_dataSkins;
    std::vector<Icon> m_icons;
};
