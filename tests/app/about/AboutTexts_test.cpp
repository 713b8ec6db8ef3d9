// The about window's own words where the language file has none, and the
// maker's line with the year given.
#include "app/about/AboutWindow.h"
#include "tests/support/IoTestSupport.h"

#include <gtest/gtest.h>

TEST(AboutTexts, WithoutALanguageFileOurOwnWordsShowAndTheMakerLineNamesTheYear)
{
    EXPECT_FALSE(AboutWindow::description().isEmpty());
    EXPECT_EQ(iotest::show(AboutWindow::closeCaption()), "Close");
    EXPECT_EQ(iotest::show(AboutWindow::makerLine(2031, String(u"Vantorell Software"))),
              iotest::show(String(u"\u00A9 2031 Vantorell Software")));
    EXPECT_EQ(iotest::show(AboutWindow::makerLine(1999, String())), iotest::show(String(u"\u00A9 1999 ")));
}
