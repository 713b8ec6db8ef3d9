// The program's start and end with a headless view: what stops the start,
// the example collection and "config.dat" on the first start, and the
// main window's close writing the settings and the collection.
#include "app/Startup.h"
#include "foundation/core/AppCore.h"
#include "foundation/data/ConfigFile.h"
#include "foundation/data/PakArchive.h"
#include "foundation/data/Variant.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "model/CollectionModel.h"
#include "model/NewMovieRecord.h"
#include "model/application/ApplicationView.h"
#include "model/collection/CollectionFile.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"
#include "tests/support/TestPrefix.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/core/theme/GeneratedSkins.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UITheme.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

namespace {

String text(const std::string& utf8)
{
    return String::fromUtf8(utf8.c_str(), int(utf8.size()));
}

struct HeadlessView : ApplicationView
{
    static int made, destroyed;
    int windows = 0, loads = 0;
    mutable int saves = 0;
    HeadlessView() { ++made; }
    ~HeadlessView() override { ++destroyed; }
    void createMainWindow() override { ++windows; }
    void loadSettings(const ConfigFile&) override { ++loads; }
    void saveSettings(ConfigFile&) const override { ++saves; }
};
int HeadlessView::made = 0;
int HeadlessView::destroyed = 0;

// A product of this run's own, so that its lock and its data folder are
// never another test program's.
class StartupTest : public testing::Test
{
protected:
    StartupTest()
    {
        product = text("Reelstack start " + std::to_string(GetCurrentProcessId()));
        dataFolder = AppCore(product, String(u"1.2.0")).dataDirectory();
        removeDataFolder();
        // A data archive whose example collection holds one movie.
        CollectionFile example(text(source.path()));
        example.create(String(u"Example"), String(u"us"), String());
        List<Movie*> movies;
        LoanerList loaners;
        example.read(example.filePathFor(String(u"Example")), movies, loaners);
        Movie* movie = new Movie;
        movie->id = example.nextMovieId();
        movie->title = String(u"Night Harbour");
        movies.append(movie);
        example.write(movies, loaners);
        delete movie;
        std::filesystem::create_directory(staging.path() + "\\example");
        std::filesystem::copy_file(source.path() + "\\Example\\Example.rsdb",
                                   staging.path() + "\\example\\Example.rsdb");
        PakArchive archive;
        archive.packFolder(text(staging.path()), text(program.file("data.pak")));
    }
    ~StartupTest() override { removeDataFolder(); }

    void removeDataFolder() { testsupport::TestPrefix::removeTree(dataFolder); }

    String inData(const char16_t* name) const { return dataFolder + u"\\" + name; }

    int run(bool withView, std::function<bool()> skin = nullptr)
    {
        Startup startup;
        startup.loadSkin = skin;
        if (withView)
            startup.makeView = [] { return new HeadlessView; };
        startup.programFolder = text(program.path());
        startup.productName = product;
        return runReelstack(startup);
    }

    testsupport::TempDir source;
    testsupport::TempDir staging;
    testsupport::TempDir program;
    String product;
    String dataFolder;
};

} // namespace

TEST_F(StartupTest, NothingIsBuiltWithoutTheDataArchiveOrTheSkinOrBesideAnotherInstance)
{
    int made = HeadlessView::made;
    EXPECT_EQ(run(true, [] { return false; }), -1);
    {
        AppCore first(product, String(u"1.2.0"));
        EXPECT_EQ(run(true), -1);
    }
    ASSERT_TRUE(File::remove(text(program.file("data.pak"))));
    EXPECT_EQ(run(true), -1);
    EXPECT_EQ(HeadlessView::made, made);
    EXPECT_FALSE(Directory::exists(dataFolder));
}

TEST_F(StartupTest, TheFirstStartWritesTheExampleOnceAndTheConfiguration)
{
    // The archive may also lie in the program folder's "data" folder.
    std::filesystem::create_directory(program.path() + "\\data");
    std::filesystem::rename(program.file("data.pak"), program.path() + "\\data\\data.pak");
    bool skinAsked = false;
    EXPECT_EQ(run(false, [&] { return skinAsked = true; }), 0);
    EXPECT_TRUE(skinAsked);
    EXPECT_TRUE(File::exists(inData(u"config.dat")));
    EXPECT_TRUE(File::exists(inData(u"Example\\Example.rsdb")));
    EXPECT_TRUE(Directory::exists(inData(u"Example\\Images")));
    EXPECT_TRUE(Directory::exists(inData(u"Example\\Thumbnails")));
    EXPECT_FALSE(Directory::exists(inData(u"Example.new")));
    // Only the first start: a user who removed it does not get it back.
    ASSERT_TRUE(File::remove(inData(u"Example\\Example.rsdb")));
    EXPECT_EQ(run(false), 0);
    EXPECT_FALSE(File::exists(inData(u"Example\\Example.rsdb")));
}

TEST_F(StartupTest, ClosingTheMainWindowSavesTheSettingsAndTheCollection)
{
    AppCore core(product, String(u"1.2.0"));
    core.setAppDirectory(text(program.path()));
    ASSERT_TRUE(core.openPak(String(u"data")));
    // A configuration of another version is reset to the defaults.
    ASSERT_TRUE(Directory::create(dataFolder));
    ConfigFile old(String(u"config.dat"), product, ConfigFile::kUserData, ConfigFile::kXml);
    old.addEntry(String(u"model/fromAnotherVersion"), Variant(u"1"), String());
    ASSERT_TRUE(old.save());
    int destroyed = HeadlessView::destroyed;
    {
        Application application([] { return new HeadlessView; });
        EXPECT_EQ(Application::instance(), &application);
        auto& view = static_cast<HeadlessView&>(Application::view());
        EXPECT_EQ(view.windows, 1);
        EXPECT_EQ(view.loads, 1);
        EXPECT_FALSE(Application::config().contains(String(u"model/fromAnotherVersion")));
        EXPECT_FALSE(Directory::exists(inData(u"Example"))); // not a first start
        CollectionFile maker(dataFolder);
        ASSERT_TRUE(maker.create(String(u"Films"), String(), String()));
        CollectionModel& model = Application::model();
        ASSERT_TRUE(model.openCollection(maker.filePathFor(String(u"Films"))));
        Movie* movie = model.addMovie(NewMovieRecord());
        ASSERT_NE(movie, nullptr);
        EXPECT_TRUE(application.saveAndClose(movie->id));
        EXPECT_EQ(view.saves, 1);
        EXPECT_FALSE(model.isCollectionOpen());
    }
    EXPECT_EQ(HeadlessView::destroyed, destroyed + 1);
    EXPECT_EQ(Application::instance(), nullptr);
    CollectionFile reader(dataFolder);
    List<Movie*> movies;
    LoanerList loaners;
    ASSERT_TRUE(reader.read(inData(u"Films\\Films.rsdb"), movies, loaners));
    ASSERT_EQ(movies.count(), 1);
    EXPECT_EQ(reader.selectedMovieId(), movies.first()->value->id);
    delete movies.first()->value;
}

TEST_F(StartupTest, TheProgramLoadsTheWhiteSkinAndEndsWithoutIt)
{
    EXPECT_EQ(run(false, loadWhiteSkin), -1) << "no white.style in the program folder";
    std::filesystem::copy_file(generatedskins::skinFile("white.style"), program.file("white.style"));
    EXPECT_EQ(run(false, loadWhiteSkin), 0);
    ASSERT_NE(UIApplication::instance()->theme(), nullptr);
    EXPECT_TRUE(UIApplication::instance()->theme()->path().endsWith(String(u"\\white.style"), 0));
}

// The program carries its icon, drawn by our skin generator, as resource
// 32512 in both sizes the windows use.
TEST(ProgramIcon, ReelstackExeCarriesItInBothSizes)
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring program(self);
    program = program.substr(0, program.find_last_of(L'\\')) + L"\\..\\reelstack.exe";
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    for (int side : {16, 32}) {
        HICON icon =
            static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(32512), IMAGE_ICON, side, side, 0));
        ASSERT_NE(icon, nullptr) << side;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap = {};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, side);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    FreeLibrary(module);
}
