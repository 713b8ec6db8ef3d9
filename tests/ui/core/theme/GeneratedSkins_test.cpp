#include "foundation/containers/StringList.h"
#include "foundation/data/PakArchive.h"
#include "foundation/xml/XmlElement.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "tools/skingen/TestSkinColors.h"
#include "ui/core/theme/UICursorTable.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/core/theme/UITheme.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

using namespace generatedskins;

namespace {

// Width and height from a PNG's header; (0, 0) for anything else.
Size pngSize(const PakItem* item)
{
    return item ? pngHeaderSize(item->data(), size_t(item->dataSize())) : Size();
}

// The frame size and grid a table row gives: "l,c,r/t,m,b" or "WxH".
UISkinGrid tableGrid(const std::string& text)
{
    int v[6] = {0, 0, 0, 0, 0, 0};
    if (text.find('/') == std::string::npos) {
        std::sscanf(text.c_str(), "%dx%d", &v[0], &v[1]);
        return UISkinGrid::fromSize(v[0], v[1]);
    }
    std::sscanf(text.c_str(), "%d,%d,%d/%d,%d,%d", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]);
    return UISkinGrid::fromParts(v[0], v[1], v[2], v[3], v[4], v[5]);
}

int parts(const String& text)
{
    return StringList::split(text, String(u","), 0).count();
}

// The value is one its kind's parser reads whole.
bool parsesAsKind(const std::string& kind, const String& data)
{
    if (kind == "int" || kind == "bool")
        return String::fromInt(parseStyleInt(data)) == data;
    if (kind == "float")
        return !data.isEmpty() && parseStyleFloat(data) > 0;
    if (kind == "font")
        return parts(data) == 3;
    if (kind == "margins")
        return parts(data) == 4 || String::fromInt(parseStyleInt(data)) == data;
    if (kind == "point")
        return parts(data) == 2;
    if (kind == "size")
        return parts(data) == 2 || String::fromInt(parseStyleInt(data)) == data;
    // Colours, pens and brushes: every stop "r,g,b" or "a,r,g,b" of bytes.
    for (const String& stop : StringList::split(data, String(u"|"), 0)) {
        const Color c = parseStyleColor(stop);
        const String back = c.alpha() == 255 ? c.toDecimalText() : c.toDecimalTextWithAlpha();
        if (back != stop)
            return false;
    }
    return !data.isEmpty();
}

void checkSkin(const std::string& file, bool test)
{
    UITheme theme;
    PakArchive archive;
    ASSERT_TRUE(theme.loadFromPath(skinPath(file))) << skinFile(file) << " (made by scripts/make-data.sh)";
    ASSERT_TRUE(archive.open(skinPath(file)));

    const auto skins = tableRows("skins.txt");
    ASSERT_GT(skins.size(), 80u);
    EXPECT_EQ(static_cast<int>(skins.size()), theme.skins().count());
    for (const auto& row : skins) {
        const UISkinImage& skin = theme.skinImage(wide(row[0]));
        const UISkinGrid grid = tableGrid(row[2]);
        const int frames = std::atoi(row[1].c_str());
        EXPECT_EQ(frames, skin.frameCount()) << file << " " << row[0];
        EXPECT_EQ(grid, skin.grid()) << file << " " << row[0];
        const Size png = pngSize(archive.findItem(String(u"skins"), wide(row[0] + ".png")));
        EXPECT_EQ(grid.width, png.width) << file << " " << row[0];
        EXPECT_EQ(grid.height * frames, png.height) << file << " " << row[0];
    }

    int styleImages = 0;
    for (const auto& row : tableRows("images.txt")) {
        ASSERT_GE(row.size(), 4u) << row[0];
        styleImages += row[3] == "style" ? 1 : 0;
        const int side = row[3] == "style" ? std::atoi(row[1].c_str()) : 0;
        EXPECT_EQ(Size(side, side), pngSize(archive.findItem(String(u"images"), wide(row[0] + ".png"))))
            << row[0];
    }
    EXPECT_EQ(styleImages, UITheme::kImageCount) << "the table lists every picture of the skins";
    for (int id = 0; id < UITheme::kImageCount; ++id)
        EXPECT_NE(nullptr, archive.findItem(String(u"images"), UITheme::imageName(id) + u".png")) << id;

    const XmlElement* models = theme.modelsElement();
    ASSERT_NE(nullptr, models);
    int properties = 0;
    for (const auto& row : tableRows("models.txt")) {
        const XmlElement* model = models->findChildWithAttribute(String(u"name"), wide(row[0]));
        ASSERT_NE(nullptr, model) << file << " " << row[0];
        if (row.size() < 4)
            continue;
        ++properties;
        const XmlElement* item = model->findChildWithAttribute(String(u"name"), wide(row[1]));
        ASSERT_NE(nullptr, item) << file << " " << row[0] << "." << row[1];
        const String& data = item->attribute(String(u"data"));
        EXPECT_TRUE(parsesAsKind(row[2], data)) << file << " " << row[0] << "." << row[1];
        if (test && (row[2] == "color" || row[2] == "pen" || row[2] == "brush")) {
            EXPECT_EQ(testStyleColor(wide(row[0]), wide(row[1])), parseStyleColor(data))
                << row[0] << "." << row[1];
        }
    }
    EXPECT_GT(properties, 250);

    const auto metrics = tableRows("metrics.txt");
    EXPECT_EQ(UITheme::kMetricCount, static_cast<int>(metrics.size()));
    EXPECT_EQ(UITheme::kMetricCount, theme.metrics().count());
    int index = 0;
    for (const auto& row : metrics) {
        const int id = UITheme::metricId(wide(row[0]));
        EXPECT_EQ(++index, id) << "the table lists the metrics by id: " << row[0];
        EXPECT_EQ(std::atoi(row[test ? 2 : 1].c_str()), theme.metric(id)) << file << " " << row[0];
    }
}

} // namespace

TEST(GeneratedSkins, WhiteSkinHoldsEveryTableRow)
{
    checkSkin("white.style", false);
}

TEST(GeneratedSkins, TestSkinHoldsEveryTableRowWithItsOwnColours)
{
    checkSkin("test.style", true);
}

TEST(GeneratedSkins, CursorsForEveryName)
{
    std::ifstream in(dataFile("cursors/cursors.xml"));
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::set<int> shapes;
    for (const UICursorTable::FileCursor& cursor : UICursorTable::parseCursorList(wide(text)))
        shapes.insert(cursor.shape);
    EXPECT_EQ(16u, shapes.size()) << "each name once, none unknown: " << dataFile("cursors/cursors.xml");
    EXPECT_EQ(0u, shapes.count(1));
}

// The add-and-edit window and the extract options window show each site
// edition by its language's flag; an edition without one shows no icon.
TEST(GeneratedSkins, FlagsForEverySiteEdition)
{
    std::set<std::string> pictures;
    for (const char* code : {"en", "de", "it", "es", "fr"}) {
        for (const std::string prefix : {"flag-", "flag-extract-"}) {
            const std::string name = "images/" + prefix + code + ".png";
            std::ifstream in(dataFile(name), std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            PakItem item;
            item.setData(bytes.data(), int(bytes.size()));
            EXPECT_EQ(pngSize(&item), Size(16, 16)) << dataFile(name);
            EXPECT_TRUE(pictures.insert(bytes).second) << name << " is drawn like another";
        }
    }
}
