// The options command of the running program: a new language asks to
// restart, and "Restart Now" starts Helper.exe with the program's path and
// then shuts the program down; "Close", a language changed only in case or
// a missing helper keep it running. The shell call goes to a recorder, as
// the automation channel installs it, so nothing is started for real.
#include "app/Startup.h"
#include "app/main/MainWindow.h"
#include "app/view/View.h"
#include "foundation/core/AppCore.h"
#include "foundation/data/ConfigFile.h"
#include "foundation/data/Variant.h"
#include "foundation/platform/ShellCallRecorder.h"
#include "model/application/Application.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/LaterStep.h"
#include "tests/support/TestPrefix.h"
#include "tests/support/TestSupport.h"
#include "tests/support/UIHarness.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "ui/core/application/UIApplication.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/menus/UIMenuBar.h"
#include "ui/widgets/menus/UIMenuBarItem.h"
#include "ui/widgets/messagebox/UIMessageBox.h"
#include "ui/widgets/window/UIDialog.h"
#include "ui/widgets/window/UIWindow.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using testsupport::LaterStep;
using testsupport::UIHarness;

namespace {

String text(const std::string& utf8)
{
    return String::fromUtf8(utf8.c_str(), int(utf8.size()));
}

UIWidget* findById(UIWidget* root, const char16_t* id)
{
    if (!root)
        return nullptr;
    if (root->objectId() == String(id))
        return root;
    for (UIWidget* child : root->children()) {
        if (UIWidget* found = findById(child, id))
            return found;
    }
    return nullptr;
}

template <class W> W* visibleChild(UIWidget* parent)
{
    for (UIWidget* child : parent->children()) {
        if (auto* found = dynamic_cast<W*>(child)) {
            if (found->isVisible())
                return found;
        }
    }
    return nullptr;
}

struct Recorded
{
    std::string call;
    std::string target;
};

// What one run saw: the question asked, the shell calls, and whether the
// program shut itself down.
struct RestartRun : SignalReceiver
{
    View* view = nullptr;
    const char16_t* choose = nullptr;
    int answer = UIMessageBox::kRestartNow;
    bool asked = false;
    std::string question;
    // Set when the program was still running after the command and the
    // test ended it.
    bool endedByTest = false;
    int shows = 0;
    // The menu bar's first title as the window first showed.
    std::string firstMenu;
    std::unique_ptr<LaterStep> steps[3];

    void onShown(UIEvent*)
    {
        if (shows++ > 0)
            return;
        MainWindow* main = view->mainWindow();
        firstMenu = iotest::show(main->menuBar()->item(0)->text());
        // Inside the options' modal run: choose the language and OK.
        steps[0] = std::make_unique<LaterStep>(
            50,
            [this, main] {
                auto* options = dynamic_cast<UIDialog*>(findById(main->window(), u"options"));
                if (!options || !options->isVisible())
                    return false;
                auto* language = static_cast<UIComboBox*>(findById(options, u"language"));
                language->setCurrentText(String(choose), String::kCaseSensitive);
                UIWidget* ok = findById(options, u"optionsOk");
                UIHarness::click(ok, ok->rect().center());
                return true;
            },
            200);
        // Inside the question's modal run: the answer.
        steps[1] = std::make_unique<LaterStep>(
            50,
            [this, main] {
                auto* box = visibleChild<UIMessageBox>(main->window());
                if (!box)
                    return false;
                asked = true;
                question = iotest::show(box->text());
                UIButton* button = box->button(answer);
                UIHarness::click(button, button->rect().center());
                return true;
            },
            100);
        // Once the command is over: end a run that is still going.
        steps[2] = std::make_unique<LaterStep>(
            100,
            [this, main] {
                if (visibleChild<UIDialog>(main->window()))
                    return false;
                if (main->hasShutDown())
                    return true;
                endedByTest = true;
                main->shutDown();
                return true;
            },
            200);
        main->showOptions();
    }
};

class WatchedView : public View
{
public:
    WatchedView(CollectionModel& model, RestartRun& run) : View(model), m_run(run) { run.view = this; }
    void createMainWindow() override
    {
        View::createMainWindow();
        mainWindow()->window()->shown.connectWithArg(&m_run, &RestartRun::onShown);
    }

private:
    RestartRun& m_run;
};

class LanguageRestart : public testing::Test
{
protected:
    LanguageRestart()
    {
        product = text("Reelstack restart " + std::to_string(GetCurrentProcessId()));
        dataFolder = AppCore(product, String(u"1.2.0")).dataDirectory();
        removeDataFolder();
        // The build's folder: the test program runs from its "tests" folder.
        wchar_t self[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        const std::filesystem::path build = std::filesystem::path(self).parent_path().parent_path();
        const std::filesystem::path folder(program.path());
        std::filesystem::copy_file(build / "data.pak", folder / "data.pak");
        std::filesystem::copy(build / "languages", folder / "languages");
        std::filesystem::copy_file(build / "Helper.exe", folder / "Helper.exe");
    }
    ~LanguageRestart() override { removeDataFolder(); }

    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        ShellCallRecorder::install([this](const String& call, const String& target) {
            calls.push_back({iotest::show(call), iotest::show(target)});
        });
    }
    void TearDown() override { ShellCallRecorder::remove(); }

    void removeDataFolder() { testsupport::TestPrefix::removeTree(dataFolder); }

    int run(RestartRun& watch)
    {
        Startup startup;
        startup.loadSkin = [] {
            return UIApplication::instance()->loadTheme(generatedskins::skinPath("white.style"));
        };
        startup.makeView = [&watch] { return new WatchedView(Application::model(), watch); };
        startup.programFolder = text(program.path());
        startup.productName = product;
        const int result = runReelstack(startup);
        MSG message;
        while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        return result;
    }

    std::string storedLanguage()
    {
        ConfigFile config(String(u"config.dat"), product, ConfigFile::kUserData, ConfigFile::kXml);
        EXPECT_TRUE(config.load());
        return iotest::show(config.value(String(u"model/language"), Variant()).toString());
    }

    void storeLanguage(const char* language)
    {
        ConfigFile config(String(u"config.dat"), product, ConfigFile::kUserData, ConfigFile::kXml);
        ASSERT_TRUE(config.load());
        config.setValue(String(u"model/language"), Variant(text(language)));
        ASSERT_TRUE(config.save());
    }

    std::string programPath() const
    {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        return iotest::show(String(reinterpret_cast<const char16_t*>(path)));
    }

    testsupport::TempDir program;
    String product;
    String dataFolder;
    std::vector<Recorded> calls;
};

} // namespace

TEST_F(LanguageRestart, RestartNowStartsTheHelperAndShutsDown)
{
    RestartRun german;
    german.choose = u"Deutsch";
    ASSERT_EQ(run(german), 0);
    EXPECT_TRUE(german.asked);
    EXPECT_EQ(german.question, "To change language, you have to restart the application.");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].call, "execute");
    EXPECT_EQ(calls[0].target, iotest::show(text(program.path())) + "\\Helper.exe -path \"" + programPath() +
                                   "\" -try \"1000\"");
    EXPECT_FALSE(german.endedByTest) << "the program shut itself down";
    EXPECT_EQ(storedLanguage(), "German");

    // What the helper starts again comes up in German.
    RestartRun next;
    next.choose = u"Deutsch";
    ASSERT_EQ(run(next), 0);
    EXPECT_EQ(german.firstMenu, "Collection");
    EXPECT_EQ(next.firstMenu, "Sammlung");
    EXPECT_FALSE(next.asked);
}

TEST_F(LanguageRestart, CloseACaseOnlyChangeAndAMissingHelperKeepItRunning)
{
    RestartRun closed;
    closed.choose = u"Deutsch";
    closed.answer = UIMessageBox::kClose;
    ASSERT_EQ(run(closed), 0);
    EXPECT_TRUE(closed.asked);
    EXPECT_TRUE(closed.endedByTest) << "still running";
    EXPECT_TRUE(calls.empty());

    // Stored in another case, Deutsch stores "German": the same language,
    // nothing to ask.
    storeLanguage("german");
    RestartRun same;
    same.choose = u"Deutsch";
    ASSERT_EQ(run(same), 0);
    EXPECT_FALSE(same.asked);
    EXPECT_TRUE(same.endedByTest);
    EXPECT_EQ(storedLanguage(), "German");

    std::filesystem::remove(std::filesystem::path(program.path()) / "Helper.exe");
    RestartRun missing;
    missing.choose = u"English";
    ASSERT_EQ(run(missing), 0);
    EXPECT_TRUE(missing.asked);
    EXPECT_EQ(missing.question, "Um die Sprache zu wechseln, muss das Programm neu gestartet werden.")
        << "asked in the language the program runs in";
    EXPECT_TRUE(missing.endedByTest) << "without a helper the program keeps running";
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(storedLanguage(), "English");
}
