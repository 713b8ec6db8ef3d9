#pragma once

// The movie editor's windows under Wine: a collection in a temporary data
// folder, the program's data archive for icons, and helpers that run a dialog
// modally while a timer drives it by real input.
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "graphics/codecs/ImageCodec.h"
#include "model/CollectionModel.h"
#include "model/NewMovieRecord.h"
#include "model/collection/CollectionFile.h"
#include "model/records/Movie.h"
#include "tests/app/ProgramCore.h"
#include "tests/support/LaterStep.h"
#include "tests/support/SystemDialogs.h"
#include "tests/support/TestSupport.h"
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"
#include "ui/core/application/UIApplication.h"
#include "ui/widgets/balloon/UIBalloonTip.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/window/UIDialog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commdlg.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace movietest {

using testsupport::LaterStep;
using testsupport::UIHarness;

using testsupport::text;
using testsupport::utf8;

// The file name box of the system's open dialog.
constexpr int kFileNameCombo = 1148;

// The virtual keys that type a text of lower-case letters, digits, blanks,
// commas, dots and colons and slashes.
inline std::vector<int> keysFor(const std::string& typed)
{
    std::vector<int> keys;
    for (char c : typed) {
        if (c >= 'a' && c <= 'z')
            keys.push_back('A' + (c - 'a'));
        else if (c >= '0' && c <= '9')
            keys.push_back(c);
        else if (c == ' ')
            keys.push_back(VK_SPACE);
        else if (c == ',')
            keys.push_back(VK_OEM_COMMA);
        else if (c == '.')
            keys.push_back(VK_OEM_PERIOD);
    }
    return keys;
}

// Types any text of letters (either case), digits, blanks and the
// characters . , : / _ - into whatever has the focus, Shift held where the
// US layout needs it.
inline void typeChars(const std::string& typed)
{
    for (char c : typed) {
        int key = 0;
        bool shift = false;
        if (c >= 'a' && c <= 'z') {
            key = 'A' + (c - 'a');
        } else if (c >= 'A' && c <= 'Z') {
            key = c;
            shift = true;
        } else if (c >= '0' && c <= '9') {
            key = c;
        } else {
            switch (c) {
            case ' ':
                key = VK_SPACE;
                break;
            case ',':
                key = VK_OEM_COMMA;
                break;
            case '.':
                key = VK_OEM_PERIOD;
                break;
            case '/':
                key = VK_OEM_2;
                break;
            case '-':
                key = VK_OEM_MINUS;
                break;
            case ':':
                key = VK_OEM_1;
                shift = true;
                break;
            case '_':
                key = VK_OEM_MINUS;
                shift = true;
                break;
            default:
                continue;
            }
        }
        if (shift)
            UIHarness::keyDown(VK_SHIFT);
        UIHarness::typeKeys({key});
        if (shift)
            UIHarness::keyUp(VK_SHIFT);
    }
    UIHarness::pump();
}

// Clicks into the field, selects what it holds and types over it; an empty
// text deletes it.
inline void replaceText(UIWidget* field, const std::string& typed)
{
    UIHarness::typeAt(field, {});
    UIHarness::keyDown(VK_CONTROL);
    UIHarness::typeKeys({'A'});
    UIHarness::keyUp(VK_CONTROL);
    if (typed.empty())
        UIHarness::typeKeys({VK_DELETE});
    typeChars(typed);
}

// Every widget of type W under root (root too), in the order the children
// were made.
template <class W> void collect(UIWidget* root, std::vector<W*>& found)
{
    if (auto* widget = dynamic_cast<W*>(root))
        found.push_back(widget);
    for (List<UIWidget*>::Node* node = root->children().first(); node; node = node->next)
        collect(node->value, found);
}

template <class W> std::vector<W*> widgetsIn(UIWidget* root)
{
    std::vector<W*> found;
    collect(root, found);
    return found;
}

// The visible dialog opened over owner (an item editor), or null.
inline UIDialog* innerDialog(UIDialog* owner)
{
    for (UIDialog* dialog : widgetsIn<UIDialog>(owner)) {
        if (dialog != owner && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// Runs trigger, which opens a modal dialog over owner, while act drives that
// dialog once it shows. True when act ran.
inline bool driveInner(UIDialog* owner, const std::function<void(UIDialog*)>& act,
                       const std::function<void()>& trigger)
{
    bool acted = false;
    LaterStep step(
        30,
        [&] {
            UIDialog* inner = innerDialog(owner);
            if (!inner)
                return false;
            UIHarness::activate(inner);
            UIHarness::pump();
            act(inner);
            acted = true;
            return true;
        },
        200);
    trigger();
    UIHarness::pumpUntil([&] { return !step.isPending(); }, 10000);
    UIHarness::pump();
    return acted;
}

// Every file of a folder with its bytes.
inline std::map<std::string, std::vector<uint8_t>> folderBytes(const String& folder)
{
    std::map<std::string, std::vector<uint8_t>> files;
    StringList names;
    Directory::list(folder, Directory::kListFiles | Directory::kListNamesOnly, nullptr, names);
    for (const String& name : names)
        files[utf8(name)] = testsupport::readFileBytes(utf8(folder + u"\\" + name));
    return files;
}

class MovieEditorTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_core = makeProgramCore(); }
    static void TearDownTestSuite()
    {
        delete s_core;
        s_core = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start("test.style"));
        ImageCodec::registerAll();
        UIApplication::instance()->setSoundsEnabled(false);
        model = new CollectionModel(text(dir.path()));
        CollectionFile creator(text(dir.path()));
        ASSERT_TRUE(creator.create(String(u"Films"), String(u"me"), String()));
        ASSERT_TRUE(model->openCollection(creator.filePathFor(String(u"Films"))));
        ViewSettings& view = model->viewSettings();
        view.movieCardBackgroundColor = Color(242, 238, 209);
        view.movieCardTextColor = Color(139, 105, 1);
        view.movieCardTitleColor = Color(121, 75, 0);
        view.movieCardLinkColor = Color(0, 134, 255);
        view.movieCardFontFamily = String(u"Liberation Sans");
        window = UIHarness::openWindow(nullptr, 20, 20, 200, 100);
    }
    void TearDown() override
    {
        UIBalloonTip::hideBalloon();
        if (window)
            UIHarness::closeWindow(window);
        delete model;
        UIHarness::pumpFor(10);
    }

    Movie* addMovie(const char* title)
    {
        NewMovieRecord record;
        record.title = text(title);
        return model->addMovie(record);
    }
    String imagesFolder() const { return model->imagesFolder(); }

    // Shows the dialog modally through run while act drives it once it is
    // up; act is run once. True when act ran.
    static bool drive(UIDialog* const& dialog, const std::function<void()>& act,
                      const std::function<void()>& run)
    {
        bool acted = false;
        LaterStep step(
            30,
            [&] {
                if (!dialog || !dialog->isVisible())
                    return false;
                UIHarness::activate(dialog);
                UIHarness::pump();
                act();
                acted = true;
                return true;
            },
            300);
        run();
        return acted;
    }
    static void clickTab(UITabBar* bar, int index)
    {
        UIHarness::click(bar, bar->tabRect(index).center());
        UIHarness::pump();
    }
    static void click(UIWidget* widget)
    {
        UIHarness::click(widget, widget->rect().center());
        UIHarness::pump();
    }
    static void type(UIWidget* widget, const std::string& typed)
    {
        UIHarness::typeAt(widget, keysFor(typed));
        UIHarness::pump();
    }
    // Opens the system's file dialog through open and answers it with the
    // path, as a user typing it and pressing OK; false when none came. The
    // dialog may move the working folder, where the harness finds its
    // skins: it is put back.
    static bool chooseFileThrough(const std::function<void()>& open, const String& path)
    {
        bool chosen = false;
        LaterStep answer(
            50,
            [&] {
                HWND found = testsupport::findThreadDialog();
                if (!found || !IsWindowEnabled(found))
                    return false;
                SendMessageW(found, CDM_SETCONTROLTEXT, kFileNameCombo,
                             reinterpret_cast<LPARAM>(reinterpret_cast<const wchar_t*>(path.data())));
                testsupport::pressDialogButton(found, IDOK);
                chosen = true;
                return true;
            },
            200);
        wchar_t here[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, here);
        open();
        UIHarness::pumpUntil([&] { return !answer.isPending(); }, 10000);
        UIHarness::pump();
        SetCurrentDirectoryW(here);
        return chosen;
    }
    static bool balloonSays(const char* expected)
    {
        return UIHarness::pumpUntil([&] { return UIBalloonTip::isShowing(); }) &&
               utf8(UIBalloonTip::currentText()) == expected;
    }

    static inline AppCore* s_core = nullptr;
    testsupport::TempDir dir;
    CollectionModel* model = nullptr;
    UIWidget* window = nullptr;
};

} // namespace movietest
