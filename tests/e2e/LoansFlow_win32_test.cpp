// Flow 12: a loaner and a loan dated two months back, entered through the
// loans window and its calendars, draw the loaner and the loan red; a
// return date entered later draws both plain again.
#include "tests/e2e/E2eSteps.h"

#include <cstdlib>

using namespace e2e;

namespace {

Movie* titled(int id, const char16_t* title, int year)
{
    auto* movie = new Movie;
    movie->id = id;
    movie->title = String(title);
    movie->year = year;
    return movie;
}

// The overdue pen of the loans window.
const int kRed[3] = {233, 0, 0};

// Screen pixels of about that red in the band of a row, from the table's
// left edge over its first column (text is smoothed at its edges only).
int redPixelsInRow(int left, int centreY)
{
    HDC screen = GetDC(nullptr);
    int count = 0;
    for (int y = centreY - 6; y <= centreY + 6; ++y) {
        for (int x = left; x < left + 140; ++x) {
            const COLORREF pixel = GetPixel(screen, x, y);
            const int distance = std::abs(int(GetRValue(pixel)) - kRed[0]) +
                                 std::abs(int(GetGValue(pixel)) - kRed[1]) +
                                 std::abs(int(GetBValue(pixel)) - kRed[2]);
            count += distance <= 40 ? 1 : 0;
        }
    }
    ReleaseDC(nullptr, screen);
    return count;
}

// The icon-only buttons of the date rows have no names: they are clicked
// by their place in their bar.
bool clickEntryOf(AppDriver& app, const std::string& path, int entry)
{
    JsonValue request = JsonValue::object();
    request.set("op", "click");
    request.set("path", path);
    request.set("item", entry);
    return app.request(request)["ok"].toBool();
}

} // namespace

TEST_F(E2e, Loans)
{
    ASSERT_TRUE(AppDriver::cleanDataFolder());
    ASSERT_TRUE(writeCollection("Lending", {titled(1, u"Alien", 1979), titled(2, u"Brazil", 1985)}));
    ASSERT_TRUE(launchToMain()) << app.failure();
    ASSERT_TRUE(titleNames("Lending")) << mainTitle();
    ASSERT_TRUE(menu("Loans", "loansMenu", "Manage Loans..."));
    ASSERT_TRUE(app.waitForPath("#loans")) << app.failure();
    app.shot("loans");

    // A loaner.
    const std::string editor = "#loans UIWindow";
    ASSERT_TRUE(app.click("#loans \"Add Loaner...\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath(editor + " UILineEdit")) << app.failure();
    ASSERT_TRUE(app.typeText("Anna", editor + " UILineEdit")) << app.lastReply().write();
    app.shot("loaner");
    ASSERT_TRUE(app.click(editor + " \"OK\"")) << app.lastReply().write();
    const std::string loaners = "#loans UITable";
    const std::string loans = "#loans UITable[1]";
    ASSERT_TRUE(app.waitForPath(loaners + " \"Anna\"")) << app.failure();

    // Her loan: lent two months back, due two months before its default.
    // The tables' rows lie alike under alike headings.
    ASSERT_TRUE(app.click(loaners + " \"Anna\"")) << app.lastReply().write();
    const int annaY = app.lastReply()["at"].at(1).toInt();
    const int loanY = annaY - app.find(loaners)["rect"].at(1).toInt() + app.find(loans)["rect"].at(1).toInt();
    ASSERT_TRUE(app.click("#loans \"Add Loan...\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath(editor + " UITabBar")) << app.failure();
    app.shot("loan");
    auto clickEntry = [&](const std::string& path, int entry) { return clickEntryOf(app, path, entry); };
    auto pickMonthsBack = [&](int bar, int months) {
        const std::string calendar = editor + " UIWindow UICalendar";
        // The calendar button, first of the date's icon-only buttons.
        if (!clickEntry(editor + " UITabBar[" + std::to_string(bar) + "]", 0) || !app.waitForPath(calendar))
            return false;
        for (int month = 0; month < months; ++month) {
            if (!app.click(calendar + " \"<\""))
                return false;
        }
        app.shot("calendar-" + std::to_string(bar));
        return app.click(editor + " UIWindow \"OK\"") && app.waitForNoPath(calendar);
    };
    ASSERT_TRUE(pickMonthsBack(0, 2)) << app.lastReply().write();
    ASSERT_TRUE(pickMonthsBack(1, 2)) << app.lastReply().write();
    app.shot("loan-dated");
    ASSERT_TRUE(app.click(editor + " \"OK\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForNoPath(editor + " UITabBar")) << app.failure();

    // Red in both tables, read where no selection paints over the pen: the
    // loaner while none is chosen, her loan once she is.
    const int left = app.find(loaners)["rect"].at(0).toInt();
    const int loansLeft = app.find(loans)["rect"].at(0).toInt();
    auto readRows = [&](const std::string& step, int& loanerRed, int& loanRed) {
        loanerRed = redPixelsInRow(left, annaY);
        app.shot(step + "-loaner");
        loanRed = -1;
        if (app.click(loaners + " \"Anna\"") && app.waitForPath(loans + " \"Alien (1979)\"")) {
            app.shot(step + "-loan");
            loanRed = redPixelsInRow(loansLeft, loanY);
        }
    };
    int loanerRed = 0;
    int loanRed = 0;
    readRows("overdue", loanerRed, loanRed);
    EXPECT_GT(loanerRed, 0) << "the loaner";
    EXPECT_GT(loanRed, 0) << "the loan";

    // A return date, today's: both plain again.
    ASSERT_TRUE(app.doubleClick(loans + " \"Alien (1979)\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForPath(editor + " UITabBar")) << app.failure();
    ASSERT_TRUE(pickMonthsBack(2, 0)) << app.lastReply().write();
    ASSERT_TRUE(app.click(editor + " \"OK\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForNoPath(editor + " UITabBar")) << app.failure();
    readRows("returned", loanerRed, loanRed);
    EXPECT_EQ(loanerRed, 0) << "the loaner";
    EXPECT_EQ(loanRed, 0) << "the loan";
    ASSERT_TRUE(app.click("#loans \"Close\"")) << app.lastReply().write();
    ASSERT_TRUE(app.waitForNoPath("#loans")) << app.failure();
    ASSERT_TRUE(exitThroughTheMenu());
}
