// The white skin stays readable: contrasts computed from the skin tables the
// generator draws from, so that a later change of a colour cannot quietly
// make text or a control's outline fade into its background.
#include "tests/support/ContrastRatio.h"
#include "tests/ui/core/theme/GeneratedSkins.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>

using namespace contrastratio;
using namespace generatedskins;

namespace {

// The colours of the white skin by reference: "name" for a palette colour,
// "Style.property" for a model's colour, "Skin#frame:role" for the fill (0),
// outline (1) or mark (2) of a skin image's frame.
class WhiteSkinColors
{
public:
    WhiteSkinColors()
    {
        for (const auto& row : tableRows("palette.txt"))
            m_palette[row[0]] = hex(row[1]);
        for (const auto& row : tableRows("models.txt")) {
            if (row.size() >= 4)
                m_models[row[0] + "." + row[1]] = row[3];
        }
        for (const auto& row : tableRows("skins.txt")) {
            m_skins[row[0]] = row.size() >= 5 ? row[4] : std::string();
            m_sizes[row[0]] = row[2];
        }
    }

    // ARGB; a colour that is not there reads as 0 and fails the check that
    // asks for it.
    uint32_t color(const std::string& reference) const
    {
        const size_t hash = reference.find('#');
        if (hash != std::string::npos)
            return skinColor(reference.substr(0, hash), reference.substr(hash + 1));
        const size_t dot = reference.find('.');
        if (dot != std::string::npos) {
            const auto model = m_models.find(reference);
            return model == m_models.end() ? 0 : value(model->second);
        }
        return value("@" + reference);
    }

    // A skin's frame size "WxH" from its row; (0, 0) for a nine-slice.
    std::pair<int, int> frameSize(const std::string& skin) const
    {
        int width = 0, height = 0;
        const auto size = m_sizes.find(skin);
        if (size != m_sizes.end() && size->second.find('/') == std::string::npos)
            std::sscanf(size->second.c_str(), "%dx%d", &width, &height);
        return {width, height};
    }

    int modelInt(const std::string& reference) const
    {
        const auto model = m_models.find(reference);
        return model == m_models.end() ? 0 : std::atoi(model->second.c_str());
    }

private:
    static uint32_t hex(const std::string& digits)
    {
        const uint32_t v = static_cast<uint32_t>(std::strtoul(digits.c_str(), nullptr, 16));
        return digits.size() == 6 ? 0xFF000000u | v : v;
    }

    // "@name", "none" or hex digits; a gradient ("a/b") by its first stop.
    uint32_t value(const std::string& text) const
    {
        const std::string first = text.substr(0, text.find('/'));
        if (first == "none")
            return 0;
        if (first.empty() || first[0] != '@')
            return hex(first);
        const auto named = m_palette.find(first.substr(1));
        return named == m_palette.end() ? 0 : named->second;
    }

    uint32_t skinColor(const std::string& skin, const std::string& frameAndRole) const
    {
        const auto row = m_skins.find(skin);
        if (row == m_skins.end())
            return 0;
        int frame = 0, role = 0;
        std::sscanf(frameAndRole.c_str(), "%d:%d", &frame, &role);
        std::istringstream groups(row->second);
        std::string group;
        for (int i = 0; i <= frame; ++i) {
            if (!(groups >> group))
                return 0;
        }
        std::istringstream roles(group);
        std::string token;
        for (int i = 0; i <= role; ++i) {
            if (!std::getline(roles, token, ':'))
                return 0;
        }
        return token == "none" ? 0 : m_palette.count(token) ? m_palette.at(token) : hex(token);
    }

    std::map<std::string, uint32_t> m_palette;
    std::map<std::string, std::string> m_models;
    std::map<std::string, std::string> m_skins;
    std::map<std::string, std::string> m_sizes;
};

struct Pair
{
    const char* fore;
    const char* back;
};

// Each foreground over its background, the background over the window (a
// transparent one is the window), and the ratio between the two.
void expectContrast(const WhiteSkinColors& skin, const std::vector<Pair>& pairs, double minimum,
                    const char* what)
{
    const uint32_t window = skin.color("window");
    for (const Pair& p : pairs) {
        const uint32_t back = over(skin.color(p.back), window);
        const uint32_t fore = over(skin.color(p.fore), back);
        EXPECT_GE(contrast(fore, back), minimum) << what << ": " << p.fore << " on " << p.back;
    }
}

} // namespace

TEST(SkinContrast, TextIsReadableOnEveryBackgroundTheSkinSetsForIt)
{
    // Disabled texts are left out: they are meant to recede.
    const std::vector<Pair> pairs = {
        {"UIButton.foreground", "UIButton_Background#0:0"},
        {"UIButton.foreground", "UIButton_Background#1:0"},
        {"UIButton.foreground", "UIButton_Background#2:0"},
        {"UILabel.foreground", "window"},
        {"UILabel.foreground", "surface"},
        {"UILink.foreground", "window"},
        {"UILink.hoveredForeground", "window"},
        {"UICheck.foreground", "window"},
        {"UIRadio.foreground", "window"},
        {"UIGroup.foreground", "window"},
        {"UIPicture.foreground", "window"},
        {"UIToolTip.foreground", "UIToolTip.background"},
        {"UIToolTip.foreground", "UIToolTip_Background#0:0"},
        {"UIBalloonTip.foreground", "UIBalloonTip.background"},
        {"UIBalloonTip.titleForeground", "UIBalloonTip.background"},
        // The progress text crosses the chunk and the empty track.
        {"UIProgress.foreground", "UIProgress_HorizontalChunk#0:0"},
        {"UIProgress.foreground", "UIProgress_HorizontalBackground#0:0"},
        {"UIProgress.foreground", "UIProgress_VerticalChunk#0:0"},
        {"UITabBar.foreground", "UITabBar_ItemBackground#0:0"},
        {"UITabBar.foreground", "UITabBar_ItemBackground#1:0"},
        {"UITabBar.foreground", "UITabBar_ItemBackground#2:0"},
        {"UITabBar.foreground", "UITabBar_ItemBackground#4:0"},
        {"UIHeader.foreground", "UIHeader_Background#0:0"},
        {"UIHeader.foreground", "UIHeader_ItemBackground#1:0"},
        {"UIHeader.foreground", "UIHeader_ItemBackground#2:0"},
        {"UIList.defaultItemForeground", "UIList.defaultItemBackground"},
        {"UIList.alternateItemForeground", "UIList.alternateItemBackground"},
        {"UIList.selectedItemForeground", "UIList.selectedItemBackground"},
        {"UIList.selectedItemForeground", "UIList_Selection#0:0"},
        {"UIList.detailedForeground", "UIList.defaultItemBackground"},
        {"UIList.detailedForeground", "UIList.alternateItemBackground"},
        {"UIList.selectedDetailedForeground", "UIList.selectedItemBackground"},
        {"UIList.blankForeground", "UIList.background"},
        {"UITable.foreground", "UITable.background"},
        {"UITable.defaultRowForeground", "UITable.defaultRowBackground"},
        {"UITable.alternateRowForeground", "UITable.alternateRowBackground"},
        {"UITable.selectedRowForeground", "UITable.selectedRowBackground"},
        {"UITable.blankForeground", "UITable.background"},
        {"UILineEdit.foreground", "UILineEdit.background"},
        {"UILineEdit.selectedForeground", "UILineEdit.selectedBackground"},
        {"UILineEdit.unfocusedSelectedForeground", "UILineEdit.unfocusedSelectedBackground"},
        {"UILineEdit.readonlyForeground", "UILineEdit.readonlyBackground"},
        {"UILineEdit.blankForeground", "UILineEdit.background"},
        {"UITextEdit.foreground", "UITextEdit.background"},
        {"UITextEdit.selectedForeground", "UITextEdit.selectedBackground"},
        {"UITextEdit.readonlyForeground", "UITextEdit.readonlyBackground"},
        {"UITextEdit.blankForeground", "UITextEdit.background"},
        {"UIComboBox.foreground", "UIComboBox_Background#0:0"},
        {"UIMenu.foreground", "UIMenu.background"},
        {"UIMenu.hoveredForeground", "UIMenu_HoveredItemBackground#0:0"},
        {"UIMenuBar.foreground", "UIMenuBar.background"},
        {"UIMenuBar.hoveredItemForeground", "UIMenuBar.hoveredItemBackground"},
        {"UIMenuBar.selectedItemForeground", "UIMenuBar.selectedItemBackground"},
        {"UIToolButton.foreground", "UIToolBar.background"},
        {"UICalendar.dayCellDefaultForeground", "UICalendar.dayCellDefaultBackground"},
        {"UICalendar.dayCellSelectedForeground", "UICalendar.dayCellSelectedBackground"},
        {"UICalendar.dayCellWeekendForeground", "UICalendar.dayCellWeekendBackground"},
        {"UICalendar.dayCellTodayForeground", "UICalendar.dayCellDefaultBackground"},
    };
    expectContrast(WhiteSkinColors(), pairs, 4.5, "text");
}

TEST(SkinContrast, ControlOutlinesAndMarksStandOutFromWhatSurroundsThem)
{
    // The outlines of controls a user must find (normal and hovered), on the
    // window and on the panels' surface they sit on.
    const char* const outlines[] = {
        "UICheck_Indicator#0:1",       "UICheck_Indicator#1:1",     "UIRadio_Indicator#0:1",
        "UIRadio_Indicator#1:1",       "UIGroup_Indicator#0:1",     "UIButton_Background#0:1",
        "UIButton_Background#1:1",     "UILineEdit_Background#0:1", "UILineEdit_Background#1:1",
        "UITextEdit_Background#0:1",   "UITextEdit_Background#1:1", "UIComboBox_Background#0:1",
        "UIComboBox_Background#1:1",   "UISpinBox_Button#0:1",      "UITabBar_ItemBackground#0:1",
        "UITabBar_ItemBackground#4:1", "UIListView.borderColor",    "UITableView.borderColor",
        "UIScrollArea.borderColor",    "UIWebView.borderColor",
    };
    std::vector<Pair> pairs;
    for (const char* outline : outlines) {
        pairs.push_back({outline, "window"});
        pairs.push_back({outline, "surface"});
    }
    // Small marks on the bars they sit on.
    for (const char* arrow : {"UIScrollBar_ArrowUp#0:0", "UIScrollBar_ArrowDown#0:0",
                              "UIScrollBar_ArrowLeft#0:0", "UIScrollBar_ArrowRight#0:0"})
        pairs.push_back({arrow, "UIScrollBar.background"});
    pairs.push_back({"UISplitterSeparator_Gripper#0:0", "UISplitterSeparator_VerticalBackground#0:0"});
    pairs.push_back({"UISplitterSeparator_Gripper#0:0", "UISplitterSeparator_HorizontalBackground#0:0"});
    expectContrast(WhiteSkinColors(), pairs, 3.0, "outline");
}

TEST(SkinContrast, AlternateRowsAreTintedAndSmallMarksAreLargeEnoughToSee)
{
    const WhiteSkinColors skin;
    // A tint the eye tells from the base row, and the selection from both.
    const std::vector<Pair> tints = {
        {"UIList.alternateItemBackground", "UIList.defaultItemBackground"},
        {"UITable.alternateRowBackground", "UITable.defaultRowBackground"},
        {"UIList.selectedItemBackground", "UIList.defaultItemBackground"},
        {"UITable.selectedRowBackground", "UITable.defaultRowBackground"},
    };
    expectContrast(skin, tints, 1.1, "tint");

    // A scroll bar's arrows fill the bar's thickness; the splitter's grip
    // fills its separator's and is no mere speck.
    const int bar = skin.modelInt("UIScrollBar.thickness");
    for (const char* arrow : {"UIScrollBar_ArrowUp", "UIScrollBar_ArrowDown", "UIScrollBar_ArrowLeft",
                              "UIScrollBar_ArrowRight"}) {
        const auto size = skin.frameSize(arrow);
        EXPECT_GE(std::min(size.first, size.second), bar) << arrow;
    }
    const int separator = skin.modelInt("UISplitterSeparator.thickness");
    const auto grip = skin.frameSize("UISplitterSeparator_Gripper");
    EXPECT_GE(separator, 8);
    EXPECT_EQ(separator, std::min(grip.first, grip.second)) << "the grip fills the separator's thickness";
}
