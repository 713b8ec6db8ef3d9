// The bar-code window under Wine against a loopback shop, driven by real
// keys and clicks: the exact request, a found title's record, a number the
// shop does not know searched only once, and a failed exchange retried.
#include "app/barcode/AddMovieByBarCodeWindow.h"

#include "foundation/net/Network.h"
#include "foundation/net/UserAgent.h"
#include "tests/app/movie/MovieEditorFixture.h"
#include "tests/support/TestHttpServer.h"
#include "tests/support/WidgetFakes.h"
#include "ui/widgets/edit/UILineEdit.h"

using namespace movietest;

namespace {

const char kOk[] = "HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n\r\n";
const char kPath[] = "/s/ref=nb_sb_noss?url=search-alias%3Dmovies-tv&field-keywords=";

class BarCodeWindow : public MovieEditorTest
{
protected:
    void SetUp() override
    {
        MovieEditorTest::SetUp();
        Network::instance().startup();
        ASSERT_TRUE(shop.isListening());
        AppCore::instance()->setShopHost(text(shop.hostAndPort()));
        UIApplication::instance()->soundRequested.connect(&sounds, &SignalCounter::count);
        shop.setPages(
            {{std::string(kPath) + "5012345678900",
              std::string(kOk) + "<div><a class=\"title\" href=\"/dp/7\">Tom &amp; Jerry "
                                 "(Special Edition Blu-ray) [Blu-ray]</a></div>"},
             {std::string(kPath) + "12345678", std::string(kOk) + "<p>did not match any products</p>"}});
    }
    void TearDown() override
    {
        AppCore::instance()->setShopHost(String());
        MovieEditorTest::TearDown();
    }
    NewMovieRecord run(AddMovieByBarCodeWindow& window, const std::function<void()>& act)
    {
        NewMovieRecord record;
        EXPECT_TRUE(drive(window.dialog(), act, [&] { record = window.exec(); }));
        return record;
    }
    // Types the number and presses OK or Enter; the override cursor before
    // and after.
    std::pair<int, int> search(AddMovieByBarCodeWindow& window, const std::string& digits, bool enter)
    {
        // Backspaces in an empty field would beep too.
        window.barCodeEdit()->setText(String());
        type(window.barCodeEdit(), digits);
        const int before = UIApplication::instance()->overrideCursor();
        if (enter) {
            UIHarness::typeKeys({VK_RETURN});
            UIHarness::pump();
        } else {
            click(window.okButton());
        }
        return {before, UIApplication::instance()->overrideCursor()};
    }

    testsupport::TestHttpServer shop;
    SignalCounter sounds;
};

} // namespace

TEST_F(BarCodeWindow, AKnownNumberGivesItsRecordThroughTheExactRequest)
{
    AddMovieByBarCodeWindow barCode;
    std::pair<int, int> cursors;
    NewMovieRecord record = run(barCode, [&] {
        UIHarness::saveShot(barCode.dialog(), "AddMovieByBarCode");
        cursors = search(barCode, "5012345678900", true);
    });
    EXPECT_EQ(cursors.first, cursors.second);
    EXPECT_EQ(barCode.dialog()->result(), 1);
    EXPECT_EQ(utf8(record.title), "Tom & Jerry");
    EXPECT_EQ(utf8(record.format), "Blu-ray");
    EXPECT_EQ(utf8(record.barCode), "5012345678900");
    EXPECT_EQ(record.year, 0);
    ASSERT_EQ(shop.requests().size(), 1u);
    const std::string host = shop.hostAndPort();
    EXPECT_EQ(shop.requests()[0], "GET " + std::string(kPath) +
                                      "5012345678900 HTTP/1.0\r\nUser-Agent: " + utf8(userAgentString(1)) +
                                      "\r\nAccept-Language: en-us,en\r\nHost: " + host +
                                      "\r\nReferer: http://" + host + "/\r\nConnection: close\r\n\r\n");
}

TEST_F(BarCodeWindow, AnUnknownNumberIsAskedOnceAndBadInputOnlyBeeps)
{
    AddMovieByBarCodeWindow barCode;
    std::vector<size_t> requests;
    std::vector<int> beeps;
    bool balloon = false;
    std::pair<int, int> cursors;
    NewMovieRecord record = run(barCode, [&] {
        cursors = search(barCode, "12345678", false);
        balloon = balloonSays("Bar code 12345678 was not found.");
        UIBalloonTip::hideBalloon();
        requests.push_back(shop.requests().size());
        beeps.push_back(sounds.calls);
        search(barCode, "12345678", false);
        requests.push_back(shop.requests().size());
        beeps.push_back(sounds.calls);
        search(barCode, "1234567", true);
        search(barCode, "1234a5678", true);
        requests.push_back(shop.requests().size());
        beeps.push_back(sounds.calls);
        click(barCode.cancelButton());
    });
    EXPECT_TRUE(balloon);
    EXPECT_EQ(cursors.first, cursors.second);
    EXPECT_EQ(requests, (std::vector<size_t>{1, 1, 1}));
    EXPECT_EQ(beeps[0], 0);
    EXPECT_EQ(beeps[1], 1) << "the same number only beeps";
    EXPECT_EQ(beeps[2], 3) << "seven digits and a letter beep";
    EXPECT_TRUE(record.title.isEmpty());
    EXPECT_EQ(barCode.dialog()->result(), 0);
}

TEST_F(BarCodeWindow, AFailedExchangeCanBeRetried)
{
    std::string deadHost;
    {
        testsupport::TestHttpServer gone;
        deadHost = gone.hostAndPort();
    }
    AppCore::instance()->setShopHost(text(deadHost));
    AddMovieByBarCodeWindow barCode;
    bool balloon = false;
    std::pair<int, int> cursors;
    NewMovieRecord record = run(barCode, [&] {
        cursors = search(barCode, "5012345678900", false);
        balloon = balloonSays("Bar code 5012345678900 was not found.");
        UIBalloonTip::hideBalloon();
        AppCore::instance()->setShopHost(text(shop.hostAndPort()));
        click(barCode.okButton());
    });
    EXPECT_TRUE(balloon);
    EXPECT_EQ(cursors.first, cursors.second);
    EXPECT_EQ(sounds.calls, 0) << "a refused connection is not remembered";
    EXPECT_EQ(shop.requests().size(), 1u);
    EXPECT_EQ(utf8(record.title), "Tom & Jerry");
}
