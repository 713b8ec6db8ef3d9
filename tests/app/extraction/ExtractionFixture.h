#pragma once

// The movie editor's extraction under Wine: the model's current edition of
// the movie database read from a loopback server serving our test pages,
// and helpers that find and drive the dialogs the extraction opens.
#include "app/window/CursorOverride.h"
#include "foundation/net/Network.h"
#include "graphics/image/Image.h"
#include "model/extractors/MovieExtractor.h"
#include "model/extractors/MovieSite.h"
#include "tests/app/movie/MovieEditorFixture.h"
#include "tests/support/TestHttpServer.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIHeaderSection.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"

#include <map>
#include <string>

namespace extractiontest {

using movietest::text;
using movietest::utf8;
using testsupport::UIHarness;

const char kOk[] = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n";

// The visible dialog whose title starts with prefix; null when none is open.
inline UIDialog* openDialogTitled(const std::string& prefix)
{
    for (UIWidget* window : UIApplication::instance()->windows()) {
        auto* dialog = dynamic_cast<UIDialog*>(window);
        if (dialog && dialog->isVisible() && utf8(dialog->windowTitle()).rfind(prefix, 0) == 0)
            return dialog;
    }
    return nullptr;
}

// The first descendant of that class, depth first.
template <class T> T* findChild(UIWidget* parent)
{
    for (UIWidget* child : parent->children()) {
        if (auto* found = dynamic_cast<T*>(child))
            return found;
        if (T* deeper = findChild<T>(child))
            return deeper;
    }
    return nullptr;
}

inline void closeBox(UIWidget* dialog)
{
    PostMessageW(static_cast<HWND>(dialog->nativeHandle()), WM_CLOSE, 0, 0);
}

inline void doubleClick(UIWidget* widget, const Point& at)
{
    // The toolkit makes the double click of two quick presses.
    UIHarness::click(widget, at);
    UIHarness::click(widget, at);
    UIHarness::pump();
}

inline void clickRow(UITable* table, int row, int column)
{
    // A row below the view would take the click to whatever lies there.
    table->ensureRowVisible(row);
    UIHarness::pump();
    UIHarness::click(table, table->cellRect(table->row(row), column).center());
    UIHarness::pump();
}

// The row of the table whose cell in column 0 shows title; -1 when none.
inline int rowTitled(UITable* table, const std::string& title)
{
    for (int i = 0; i < table->rowCount(); ++i) {
        if (utf8(table->cell(i, 0)->text()) == title)
            return i;
    }
    return -1;
}

class ExtractionTest : public movietest::MovieEditorTest
{
protected:
    void SetUp() override
    {
        MovieEditorTest::SetUp();
        Network::instance().startup();
        ASSERT_TRUE(server.isListening());
        const String host = text(server.hostAndPort());
        for (MovieExtractor* extractor : model->extractors()) {
            MovieSite site{host, extractor->siteName(), host, String(u"moviedb.test")};
            extractor->setSite(site);
        }
        model->setExtractorIndex(0);
        model->setExtractOptions(MovieExtractor::kAllOptions);
        serve({{"/find?q=night+harbour&s=tt", "search-several.html"},
               {"/find?q=harbour&s=tt", "search-one.html"},
               {"/title/tt0000001/", "title-movie.html"},
               {"/title/tt0000002/", "title-series.html"},
               {"/title/tt0000002/episodes?season=1", "episodes-season1.html"},
               {"/title/tt0000002/episodes?season=2&amp;ref_=tt_eps_sn", "episodes-season2.html"},
               {"/title/tt0000002/episodes?season=3", "episodes-season3.html"}});
    }

    // Our English test pages by path, with the picture host pointed at the
    // server, and a red poster.
    void serve(const std::map<std::string, std::string>& files)
    {
        std::map<std::string, std::string> answers;
        for (const auto& [path, file] : files) {
            std::vector<uint8_t> bytes =
                testsupport::readFileBytes(testsupport::dataDir() + "/extractors/en/" + file);
            std::string body(bytes.begin(), bytes.end());
            for (size_t at = body.find("{IMAGES}"); at != std::string::npos; at = body.find("{IMAGES}"))
                body.replace(at, 8, server.hostAndPort());
            answers[path] = kOk + body;
        }
        answers["/images/M/night-harbour.jpg"] = posterAnswer();
        server.setPages(answers);
    }

    std::string posterAnswer()
    {
        Image poster(30, 40, false);
        poster.fill(Color(220, 20, 20));
        const std::string path = dir.file("served.png");
        if (!poster.save(text(path), true))
            return std::string();
        std::vector<uint8_t> bytes = testsupport::readFileBytes(path);
        return "HTTP/1.0 200 OK\r\nContent-Type: image/png\r\nContent-Length: " +
               std::to_string(bytes.size()) + "\r\n\r\n" + std::string(bytes.begin(), bytes.end());
    }

    // Answers the select-movie window, once it is up, with act; true when
    // it ran.
    struct SelectMovieAnswer
    {
        explicit SelectMovieAnswer(std::function<void(UIDialog*, UITable*)> act)
            : step(
                  40,
                  [this, act] {
                      UIDialog* dialog = openDialogTitled("Select Movie");
                      if (!dialog)
                          return false;
                      UIHarness::activate(dialog);
                      UIHarness::pump();
                      cursorWhileOpen = UIApplication::instance()->overrideCursor();
                      act(dialog, findChild<UITable>(dialog));
                      answered = true;
                      return true;
                  },
                  250)
        {
        }
        bool answered = false;
        int cursorWhileOpen = -1;
        testsupport::LaterStep step;
    };

    testsupport::TestHttpServer server;
};

} // namespace extractiontest
