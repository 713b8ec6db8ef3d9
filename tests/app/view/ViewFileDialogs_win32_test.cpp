// The View's two open dialogs run for real: a cancel leaves the result empty
// and the model's recently browsed folder as it was; a choice fills the
// result and moves the folder to where it was made.
#include "app/view/ViewFileDialogs.h"
#include "foundation/core/AppCore.h"
#include "model/CollectionModel.h"
#include "tests/support/LaterStep.h"
#include "tests/support/SystemDialogs.h"
#include "tests/support/TestSupport.h"
#include "tests/support/TestText.h"
#include "tests/support/UIHarness.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commdlg.h>

#include <functional>
#include <string>

using testsupport::findThreadDialog;
using testsupport::LaterStep;
using testsupport::pressDialogButton;
using testsupport::text;
using testsupport::UIHarness;
using testsupport::utf8;

namespace {

constexpr int kFileNameCombo = 1148;

using OpenDialog = void (*)(CollectionModel&, UIWidget*, StringList&, bool);

class ViewFileDialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GetCurrentDirectoryW(MAX_PATH, startFolder);
        ASSERT_TRUE(UIHarness::start());
        window = UIHarness::openWindow(nullptr, 200, 150, 400, 300);
        model = std::make_unique<CollectionModel>(text(data.path()));
    }
    // The dialogs move the process into the folder chosen; the harness finds
    // its skin from where the tests started.
    void TearDown() override
    {
        model.reset();
        UIHarness::closeWindow(window);
        SetCurrentDirectoryW(startFolder);
    }

    // Runs the dialog while act drives the system's window once it is up.
    bool run(OpenDialog open, StringList& result, bool multi, const std::function<void(HWND)>& act)
    {
        bool acted = false;
        LaterStep step(
            50,
            [&] {
                HWND found = findThreadDialog();
                if (!found || !IsWindowEnabled(found))
                    return false;
                if (!acted) {
                    act(found);
                    acted = true;
                }
                return acted;
            },
            400);
        open(*model, window, result, multi);
        return acted;
    }

    testsupport::TempDir data;
    testsupport::TempDir files;
    std::unique_ptr<CollectionModel> model;
    UIWidget* window = nullptr;
    wchar_t startFolder[MAX_PATH] = {};
};

TEST_F(ViewFileDialogs, CancelLeavesTheResultEmptyAndTheFolderAsItWas)
{
    const OpenDialog dialogs[] = {openImageFileDialog, openAnyFileDialog};
    for (OpenDialog open : dialogs) {
        for (bool multi : {false, true}) {
            model->setRecentBrowsedFolder(text(files.path()));
            StringList result;
            result.append(String(u"stale"));
            ASSERT_TRUE(run(open, result, multi, [](HWND found) { pressDialogButton(found, IDCANCEL); }));
            EXPECT_TRUE(result.isEmpty()) << multi;
            EXPECT_EQ(utf8(model->recentBrowsedFolder()), files.path());
        }
    }
}

TEST_F(ViewFileDialogs, AChoiceFillsTheResultAndKeepsItsFolder)
{
    for (const char* name : {"cover.png", "notes.txt"})
        ASSERT_TRUE(testsupport::writeFileBytes(files.file(name), {'x'}));
    struct Case
    {
        OpenDialog open;
        const wchar_t* typed;
        const char* chosen;
    } cases[] = {
        {openImageFileDialog, L"cover.png", "cover.png"},
        {openAnyFileDialog, L"notes.txt", "notes.txt"},
    };
    for (const Case& c : cases) {
        model->setRecentBrowsedFolder(text(files.path()));
        StringList result;
        ASSERT_TRUE(run(c.open, result, false, [&](HWND found) {
            SendMessageW(found, CDM_SETCONTROLTEXT, kFileNameCombo, reinterpret_cast<LPARAM>(c.typed));
            pressDialogButton(found, IDOK);
        }));
        ASSERT_EQ(result.count(), 1) << c.chosen;
        EXPECT_EQ(utf8(result.first()->value), files.file(c.chosen));
        EXPECT_EQ(utf8(model->recentBrowsedFolder()), files.path() + "\\");
    }
}

} // namespace
