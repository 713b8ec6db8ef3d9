// The New and Open collection windows run modally on the test display and
// driven by clicks: what they refuse with one error sound and the dialog
// kept as typed, what they make on disk, and what they list.
#include "app/collections/NewCollectionWindow.h"
#include "app/collections/OpenCollectionWindow.h"
#include "foundation/containers/StringList.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/LaterStep.h"
#include "tests/support/UIHarness.h"
#include "ui/core/application/UIApplication.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/combo/UIComboBoxItem.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/window/UIDialog.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using testsupport::LaterStep;
using testsupport::UIHarness;

namespace {

struct SoundLog : SignalReceiver
{
    void heard(intptr_t kind)
    {
        if (kind == 1)
            ++errors;
    }
    int errors = 0;
};

std::string show(const String& text)
{
    return iotest::show(text);
}

class CollectionWindows : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        UIApplication::instance()->soundRequested.connectWithArg(&sounds, &SoundLog::heard);
        data = iotest::toPath(dir.path());
        model = std::make_unique<CollectionModel>(data);
    }

    String in(const std::string& relative) const { return iotest::pathIn(dir, relative); }

    // Clicks the button and waits a little for what it does; the error
    // sounds it caused.
    int clickCountingSounds(UIButton* button)
    {
        const int before = sounds.errors;
        UIHarness::click(button, button->rect().center());
        UIHarness::pumpUntil([&] { return sounds.errors > before || !button->isVisible(); }, 1000);
        UIHarness::pumpFor(50);
        return sounds.errors - before;
    }

    testsupport::TempDir dir;
    String data;
    std::unique_ptr<CollectionModel> model;
    SoundLog sounds;
};

struct Typed
{
    const char16_t* name;
    const char16_t* author;
};

} // namespace

TEST_F(CollectionWindows, NewRefusesEachBadEntryWithOneSoundAndCreatesAGoodOne)
{
    CollectionFile files(data);
    ASSERT_TRUE(files.create(String(u"Existing"), String(u"Someone"), String()));
    const std::vector<uint8_t> existingBytes =
        iotest::readFileBytes(iotest::nativeIn(dir, "Existing/Existing.rsdb"));
    const Typed refused[] = {
        {u"Movies!", u""},       {u"my_movies", u""}, {u"Movies", u"a,b"}, {u"BACKUP", u""},
        {u"Back Up!", u"J. S"},  {u"", u"J. Smith"},  {u"   ", u""},       {u"Existing", u""},
        {u" Existing  ", u"Me"}, {u"a.b", u""},
    };
    struct Seen
    {
        int sounds = -1;
        bool open = false;
        String name;
        String author;
    };
    std::vector<Seen> seen(std::size(refused));

    NewCollectionWindow window(*model);
    LaterStep step(100, [&] {
        UIHarness::activate(window.dialog());
        for (size_t i = 0; i < std::size(refused); ++i) {
            window.nameField()->setText(String(refused[i].name));
            window.authorField()->setText(String(refused[i].author));
            seen[i].sounds = clickCountingSounds(window.okButton());
            seen[i].open = window.dialog()->isVisible();
            seen[i].name = window.nameField()->text();
            seen[i].author = window.authorField()->text();
        }
        window.nameField()->setText(String(u"  My Movies 2 "));
        window.authorField()->setText(String(u"J. Smith"));
        UIHarness::click(window.okButton(), window.okButton()->rect().center());
        return true;
    });
    const String path = window.exec();

    for (size_t i = 0; i < std::size(refused); ++i) {
        EXPECT_EQ(seen[i].sounds, 1) << "entry " << i;
        EXPECT_TRUE(seen[i].open) << "entry " << i;
        EXPECT_EQ(show(seen[i].name), show(String(refused[i].name))) << "entry " << i;
        EXPECT_EQ(show(seen[i].author), show(String(refused[i].author))) << "entry " << i;
    }
    EXPECT_EQ(show(path), show(in("My Movies 2\\My Movies 2.rsdb")));
    EXPECT_TRUE(File::exists(path));
    EXPECT_TRUE(Directory::exists(in("My Movies 2\\Images")));
    EXPECT_TRUE(Directory::exists(in("My Movies 2\\Thumbnails")));
    EXPECT_FALSE(Directory::exists(in("Movies")));
    EXPECT_EQ(iotest::readFileBytes(iotest::nativeIn(dir, "Existing/Existing.rsdb")), existingBytes);
    ASSERT_TRUE(model->openCollection(path));
    EXPECT_EQ(show(model->collectionFile().header().author), "J. Smith");
    EXPECT_TRUE(model->collectionFile().password().isEmpty());
    EXPECT_EQ(model->movieCount(), 0);
}

TEST_F(CollectionWindows, NewCancelledMakesNothing)
{
    NewCollectionWindow window(*model);
    LaterStep step(100, [&] {
        window.nameField()->setText(String(u"Kept Out"));
        window.cancel();
        return true;
    });
    EXPECT_TRUE(window.exec().isEmpty());
    EXPECT_FALSE(Directory::exists(in("Kept Out")));
}

TEST_F(CollectionWindows, OpenListsCollectionsOnlyAndMarksTheOpenOne)
{
    CollectionFile files(data);
    for (const char16_t* name : {u"Alpha", u"Beta", u"Gamma"})
        ASSERT_TRUE(files.create(String(name), String(), String()));
    // Folders that are no collection: backups in any case, one without its
    // file, one whose file has another name.
    for (const char* folder : {"BackUp", "Old", "Stray"})
        ASSERT_TRUE(Directory::create(in(folder)));
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "BackUp/BackUp.rsdb"), iotest::bytesOf("x")));
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "Stray/Other.rsdb"), iotest::bytesOf("x")));
    ASSERT_TRUE(model->openCollection(files.filePathFor(String(u"Beta"))));

    StringList listed;
    ASSERT_TRUE(
        Directory::list(data, Directory::kListDirectories | Directory::kListNamesOnly, nullptr, listed));
    std::vector<std::string> expectedShown, expectedNames;
    for (const String& folder : listed) {
        std::string name = show(folder);
        if (name != "Alpha" && name != "Beta" && name != "Gamma")
            continue;
        expectedNames.push_back(name);
        expectedShown.push_back(name == "Beta" ? "Beta (opened)" : name);
    }
    ASSERT_EQ(expectedNames.size(), 3u);

    OpenCollectionWindow window(*model);
    std::vector<std::string> shown, names;
    int current = -1;
    LaterStep step(100, [&] {
        UIHarness::activate(window.dialog());
        UIComboBox* box = window.nameBox();
        current = box->currentIndex();
        for (int i = 0; i < box->count(); ++i) {
            shown.push_back(show(box->itemText(i)));
            names.push_back(show(box->item(i)->UIItem::text()));
        }
        box->setCurrentIndex(box->findText(String(u"Beta (opened)"), 1));
        UIHarness::click(window.openButton(), window.openButton()->rect().center());
        return true;
    });
    const String path = window.exec();
    EXPECT_EQ(shown, expectedShown);
    EXPECT_EQ(names, expectedNames);
    EXPECT_EQ(current, 0);
    EXPECT_EQ(show(path), show(files.filePathFor(String(u"Beta"))));
}

TEST_F(CollectionWindows, OpenRefusesAnEmptyListAndAVanishedFile)
{
    {
        OpenCollectionWindow window(*model);
        int soundsHeard = -1;
        bool stayed = false;
        LaterStep step(100, [&] {
            UIHarness::activate(window.dialog());
            soundsHeard = clickCountingSounds(window.openButton());
            stayed = window.dialog()->isVisible();
            window.cancel();
            return true;
        });
        EXPECT_TRUE(window.exec().isEmpty());
        EXPECT_EQ(soundsHeard, 1);
        EXPECT_TRUE(stayed);
    }
    CollectionFile files(data);
    ASSERT_TRUE(files.create(String(u"Gone"), String(), String()));
    OpenCollectionWindow window(*model);
    int soundsHeard = -1;
    bool stayed = false;
    LaterStep step(100, [&] {
        UIHarness::activate(window.dialog());
        File::remove(files.filePathFor(String(u"Gone")));
        soundsHeard = clickCountingSounds(window.openButton());
        stayed = window.dialog()->isVisible();
        window.cancel();
        return true;
    });
    EXPECT_TRUE(window.exec().isEmpty());
    EXPECT_EQ(soundsHeard, 1);
    EXPECT_TRUE(stayed);
}
