#include "foundation/xml/XmlElement.h"
#include "tests/support/TestText.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "ui/core/theme/UITheme.h"
#include "ui/widgets/balloon/UIBalloonTip.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/buttons/UIRadio.h"
#include "ui/widgets/calendar/UICalendar.h"
#include "ui/widgets/color/UIColorPicker.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/decorative/UILine.h"
#include "ui/widgets/decorative/UISpacer.h"
#include "ui/widgets/decorative/UIStackPage.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/labels/UILink.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuBar.h"
#include "ui/widgets/picture/UIPicture.h"
#include "ui/widgets/range/UIProgress.h"
#include "ui/widgets/range/UIScrollBar.h"
#include "ui/widgets/range/UISlider.h"
#include "ui/widgets/scroll/UIScrollArea.h"
#include "ui/widgets/scroll/UIScrollAreaCorner.h"
#include "ui/widgets/scroll/UIScrollAreaViewport.h"
#include "ui/widgets/spinbox/UISpinBox.h"
#include "ui/widgets/splitter/UISplitter.h"
#include "ui/widgets/splitter/UISplitterPanel.h"
#include "ui/widgets/splitter/UISplitterSeparator.h"
#include "ui/widgets/stack/UIStack.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/text/UITextEdit.h"
#include "ui/widgets/text/UITextEditView.h"
#include "ui/widgets/toolbar/UISizeGrip.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/toolbar/UIToolButton.h"
#include "ui/widgets/tooltip/UIToolTip.h"
#include "ui/widgets/window/UIWindow.h"

#include <gtest/gtest.h>

using namespace generatedskins;
using testsupport::utf8;

namespace {

// The names each widget class reads, from the tables the class itself uses.
std::vector<UIStyleNames> everyClass()
{
    return {UILine::styleNames(), UISpacer::styleNames(), UIBox::styleNames(), UIExpander::styleNames(),
            UIStackPage::styleNames(),
            // Buttons, labels and groups.
            UIButton::styleNames(), UILabel::styleNames(), UILink::styleNames(), UICheck::styleNames(),
            UIRadio::styleNames(), UIGroup::styleNames(), UIPicture::styleNames(), UIToolTip::styleNames(),
            UIWindow::styleNames(),
            // Range, tab and split widgets, and the scroll area.
            UIProgress::styleNames(), UISlider::styleNames(), UIScrollBar::styleNames(),
            UIScrollAreaCorner::styleNames(), UIScrollAreaViewport::styleNames(), UIScrollArea::styleNames(),
            UITabBar::styleNames(), UISplitter::styleNames(), UISplitterPanel::styleNames(),
            UISplitterSeparator::styleNames(), UIStack::styleNames(),
            // Item views.
            UIList::styleNames(), UIHeader::styleNames(), UITable::styleNames(),
            // Menus, bars and balloons.
            UIMenu::styleNames(), UIMenuBar::styleNames(), UIToolBar::styleNames(),
            UIToolButton::styleNames(), UISizeGrip::styleNames(), UIBalloonTip::styleNames(),
            // Text editing.
            UILineEdit::styleNames(), UITextEdit::styleNames(), UITextEditView::styleNames(),
            UISpinBox::styleNames(),
            // Choosers.
            UIComboBox::styleNames(), UIColorPicker::styleNames(), UICalendar::styleNames()};
}

void checkSkin(const std::string& file)
{
    UITheme theme;
    ASSERT_TRUE(theme.loadFromPath(skinPath(file))) << skinFile(file) << " (made by scripts/make-data.sh)";
    const XmlElement* models = theme.modelsElement();
    ASSERT_NE(nullptr, models);
    for (const UIStyleNames& names : everyClass()) {
        const XmlElement* model = models->findChildWithAttribute(String(u"name"), names.style);
        ASSERT_NE(nullptr, model) << file << " has no model " << utf8(names.style);
        for (const String& property : names.properties)
            EXPECT_NE(nullptr, model->findChildWithAttribute(String(u"name"), property))
                << file << " " << utf8(names.style) << "." << utf8(property);
        for (const String& skin : names.skinImages) {
            EXPECT_TRUE(skin.startsWith(names.style + u"_", String::kCaseSensitive)) << utf8(skin);
            EXPECT_GT(theme.skinImage(skin).frameCount(), 0) << file << " " << utf8(skin);
        }
    }
}

} // namespace

TEST(WidgetSkinNames, BothSkinsHaveEveryNameTheWidgetsRead)
{
    for (const char* file : {"white.style", "test.style"})
        checkSkin(file);
}
