// The movie editor's pictures under Wine: a cancelled edit leaves "Images"
// byte for byte as it was and leaves no staging folder; OK moves the new
// pictures in, purges the ones no movie uses and remakes the thumbnails.
// Drops go through the toolkit's drop target with our data object; a double
// click opens a picture's file with the shell and nothing else.
#include "app/movie/AddEditMovieWindow.h"

#include "app/movie/MovieListEditor.h"
#include "foundation/platform/ShellCallRecorder.h"
#include "tests/app/movie/FailingMoveIn.h"
#include "tests/app/movie/MovieDrops.h"
#include "tests/app/movie/MovieEditorFixture.h"
#include "ui/core/input/UIClipboard.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/messagebox/UIMessageBox.h"
#include "ui/widgets/picture/UIPicture.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace movietest;

namespace {

class EditorPictures : public MovieEditorTest
{
protected:
    void SetUp() override
    {
        MovieEditorTest::SetUp();
        movie = addMovie("Night");
        ASSERT_TRUE(movie);
        ASSERT_TRUE(Directory::create(imagesFolder()));
        posterName = movie->coverFileName(Cover::kPoster) + u".png";
        backName = movie->coverFileName(Cover::kBack) + u".png";
        ASSERT_TRUE(picture(Color(200, 10, 10)).save(imagesFolder() + u"\\" + posterName, true));
        ASSERT_TRUE(picture(Color(10, 200, 10)).save(imagesFolder() + u"\\" + backName, true));
        movie->setCover(Cover(posterName));
        Cover back(backName);
        back.kind = Cover::kBack;
        movie->setCover(back);
        source = text(dir.file("chosen.JPG"));
        ASSERT_TRUE(picture(Color(10, 10, 200)).save(source, true));
    }
    // The chosen picture, blue, through the losses of JPEG.
    static bool isBlue(const Image& image)
    {
        if (image.isNull())
            return false;
        const Color centre = image.pixel(image.width() / 2, image.height() / 2);
        return centre.blue() > 180 && centre.red() < 40 && centre.green() < 40;
    }
    static Image picture(const Color& color)
    {
        Image image(40, 60, false);
        image.fill(color);
        return image;
    }
    // Browse on the tool bar, and path chosen in the system's file dialog.
    void browseTo(UITabBar* tools, const String& path)
    {
        chooseFileThrough([&] { clickTab(tools, AddEditMovieWindow::kBrowseImage); }, path);
    }
    // What the user does: a poster browsed for, a front cover pasted, a
    // background pasted and the back cover cleared.
    void changePictures(AddEditMovieWindow& editor)
    {
        browseTo(editor.coverToolBar(), source);
        UIApplication::instance()->clipboard()->setImage(picture(Color(250, 250, 0)));
        clickTab(editor.coverKindBar(), Cover::kFront);
        clickTab(editor.coverToolBar(), AddEditMovieWindow::kPasteImage);
        clickTab(editor.coverKindBar(), Cover::kBack);
        clickTab(editor.coverToolBar(), AddEditMovieWindow::kClearImage);
        clickTab(editor.pageBar(), AddEditMovieWindow::kDisplayPage);
        clickTab(editor.backgroundToolBar(), AddEditMovieWindow::kPasteImage);
    }
    // OK, and the text of the warning it brings up, which is closed.
    static std::string okWarning(AddEditMovieWindow& editor)
    {
        std::string warned;
        driveInner(
            editor.dialog(),
            [&](UIDialog* inner) {
                if (auto* box = dynamic_cast<UIMessageBox*>(inner))
                    warned = utf8(box->text());
                inner->reject();
            },
            [&] { click(editor.okButton()); });
        return warned;
    }
    bool stagingLeft() const
    {
        StringList folders;
        Directory::list(model->collectionFolder(), Directory::kListDirectories | Directory::kListNamesOnly,
                        nullptr, folders);
        for (const String& name : folders) {
            if (name.startsWith(String(ImageStaging::kFolderPrefix), String::kCaseSensitive))
                return true;
        }
        return false;
    }

    Movie* movie = nullptr;
    String posterName;
    String backName;
    String source;
};

} // namespace

TEST_F(EditorPictures, CancelLeavesEveryPictureAsItWas)
{
    const auto before = folderBytes(imagesFolder());
    ASSERT_EQ(before.size(), 2u);
    AddEditMovieWindow editor(*model, window, movie, 0, NewMovieRecord());
    bool stagedWhileOpen = false;
    bool posterShown = false;
    std::string stagedPoster;
    ASSERT_TRUE(drive(
        editor.dialog(),
        [&] {
            changePictures(editor);
            stagedWhileOpen = stagingLeft();
            clickTab(editor.coverKindBar(), Cover::kPoster);
            stagedPoster = utf8(editor.workingCopy()->coverByKind(Cover::kPoster)->name);
            posterShown = isBlue(editor.coverImage(Cover::kPoster));
            click(editor.cancelButton());
        },
        [&] { editor.exec(); }));
    EXPECT_TRUE(stagedWhileOpen);
    EXPECT_TRUE(posterShown) << "the picture shows the staged file " << stagedPoster;
    EXPECT_FALSE(editor.isAccepted());
    EXPECT_EQ(folderBytes(imagesFolder()), before);
    EXPECT_FALSE(stagingLeft());
    EXPECT_EQ(utf8(movie->coverByKind(Cover::kPoster)->name), utf8(posterName));
    EXPECT_TRUE(movie->cardStyle.backgroundImage.isEmpty());
}

TEST_F(EditorPictures, OkMovesTheNewPicturesInAndPurgesTheUnusedOnes)
{
    AddEditMovieWindow editor(*model, window, movie, 0, NewMovieRecord());
    ASSERT_TRUE(drive(
        editor.dialog(),
        [&] {
            changePictures(editor);
            click(editor.okButton());
        },
        [&] { editor.exec(); }));
    ASSERT_TRUE(editor.isAccepted());
    const String poster = movie->coverFileName(Cover::kPoster) + u".JPG";
    const String front = movie->coverFileName(Cover::kFront) + u".png";
    const String background = movie->coverBaseName() + u" - background.png";
    ASSERT_TRUE(movie->coverByKind(Cover::kPoster));
    EXPECT_EQ(utf8(movie->coverByKind(Cover::kPoster)->name), utf8(poster));
    EXPECT_FALSE(movie->hasCover(Cover::kBack));
    EXPECT_EQ(utf8(movie->cardStyle.backgroundImage), utf8(background));
    std::vector<std::string> names;
    for (const auto& file : folderBytes(imagesFolder()))
        names.push_back(file.first);
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected = {utf8(poster), utf8(front), utf8(background)};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected) << "the old poster and the cleared back cover are purged";
    EXPECT_EQ(testsupport::readFileBytes(utf8(imagesFolder() + u"\\" + poster)),
              testsupport::readFileBytes(utf8(source)));
    EXPECT_FALSE(stagingLeft());
    const Image thumbnail = movie->coverByKind(Cover::kPoster)->thumbnail();
    ASSERT_FALSE(thumbnail.isNull());
    EXPECT_TRUE(isBlue(thumbnail)) << "made from the new picture";
}

TEST_F(EditorPictures, DropsTakePicturesByExtensionAndLinksFromFilesAndTexts)
{
    const String gif = text(dir.file("moving.gif"));
    ASSERT_TRUE(File::copy(source, gif));
    const String video = text(dir.file("the_big_film.mkv"));
    ASSERT_TRUE(testsupport::writeFileBytes(utf8(video), {1, 2, 3}));
    AddEditMovieWindow editor(*model, window, movie, 0, NewMovieRecord());
    DWORD gifEffect = 0;
    DWORD jpgEffect = 0;
    std::string afterGif;
    int linkRows = 0;
    ASSERT_TRUE(drive(
        editor.dialog(),
        [&] {
            StringList gifList;
            gifList.append(gif);
            gifEffect = dropFiles(editor.coverPicture(), gifList);
            afterGif = utf8(editor.workingCopy()->coverByKind(Cover::kPoster)->name);
            StringList jpgList;
            jpgList.append(source);
            jpgEffect = dropFiles(editor.coverPicture(), jpgList);
            clickTab(editor.pageBar(), AddEditMovieWindow::kLinksPage);
            UITable* links = editor.listEditor(MovieListEditor::kLinks)->table();
            UIWidget* view = editor.listEditor(MovieListEditor::kLinks)->tableView();
            StringList videoList;
            videoList.append(video);
            dropFiles(view, videoList);
            dropText(view, String(u"http://example.test/night"));
            linkRows = links->rowCount();
            click(editor.okButton());
        },
        [&] { editor.exec(); }));
    EXPECT_NE(gifEffect, DWORD(DROPEFFECT_NONE)) << "a file list is taken over the picture";
    EXPECT_EQ(afterGif, utf8(posterName)) << "a gif is ignored";
    EXPECT_NE(jpgEffect, DWORD(DROPEFFECT_NONE));
    EXPECT_EQ(utf8(movie->coverByKind(Cover::kPoster)->name),
              utf8(movie->coverFileName(Cover::kPoster) + u".JPG"))
        << "JPG in capitals is a picture";
    EXPECT_EQ(linkRows, 2);
    ASSERT_EQ(movie->links.count(), 2);
    const MovieLink& local = movie->links.first()->value;
    EXPECT_EQ(local.type, MovieLink::kLocal);
    EXPECT_EQ(utf8(local.description), "the big film");
    EXPECT_TRUE(local.play);
    const MovieLink& online = movie->links.last()->value;
    EXPECT_EQ(online.type, MovieLink::kOnline);
    EXPECT_EQ(utf8(online.url), "http://example.test/night");
    EXPECT_EQ(utf8(online.description), "http://example.test/night");
}

TEST_F(EditorPictures, AnAddedMovieGetsAPosterThroughAStepAndALaterCancelLeavesImagesAlone)
{
    AddEditMovieWindow adding(*model, window, nullptr, 0, NewMovieRecord());
    ASSERT_TRUE(drive(
        adding.dialog(),
        [&] {
            type(adding.titleEdit(), "dawn");
            click(adding.okButton());
        },
        [&] { adding.exec(); }));
    ASSERT_EQ(model->movieCount(), 2);
    Movie* dawn = adding.lastMovie();
    ASSERT_TRUE(dawn);
    ASSERT_EQ(model->movies().last()->value, dawn);

    uint32_t results[3] = {};
    AddEditMovieWindow editing(*model, window, dawn, 0, NewMovieRecord());
    std::string steppedTo;
    ASSERT_TRUE(drive(
        editing.dialog(),
        [&] {
            changePictures(editing);
            clickTab(editing.stepBar(), 0);
            UIHarness::pumpUntil([&] { return editing.steppedCount() == 1; });
            steppedTo = utf8(editing.titleEdit()->text());
            click(editing.cancelButton());
        },
        [&] { editing.exec(results); }));
    EXPECT_EQ(results[0], 0u);
    EXPECT_EQ(results[2], 1u);
    EXPECT_EQ(steppedTo, "Night");
    EXPECT_EQ(editing.lastMovie(), movie);
    const String poster = dawn->coverFileName(Cover::kPoster) + u".JPG";
    ASSERT_TRUE(dawn->coverByKind(Cover::kPoster));
    EXPECT_EQ(utf8(dawn->coverByKind(Cover::kPoster)->name), utf8(poster));
    EXPECT_EQ(testsupport::readFileBytes(utf8(imagesFolder() + u"\\" + poster)),
              testsupport::readFileBytes(utf8(source)))
        << "the step moved the new poster in";
    EXPECT_FALSE(dawn->cardStyle.backgroundImage.isEmpty());
    EXPECT_FALSE(stagingLeft());

    const auto before = folderBytes(imagesFolder());
    AddEditMovieWindow cancelled(*model, window, dawn, 0, NewMovieRecord());
    ASSERT_TRUE(drive(
        cancelled.dialog(),
        [&] {
            changePictures(cancelled);
            clickTab(cancelled.coverKindBar(), Cover::kPoster);
            clickTab(cancelled.coverToolBar(), AddEditMovieWindow::kClearImage);
            clickTab(cancelled.backgroundToolBar(), AddEditMovieWindow::kClearImage);
            click(cancelled.cancelButton());
        },
        [&] { cancelled.exec(); }));
    EXPECT_FALSE(cancelled.isAccepted());
    EXPECT_EQ(folderBytes(imagesFolder()), before) << "byte for byte";
    EXPECT_FALSE(stagingLeft());
    EXPECT_EQ(utf8(dawn->coverByKind(Cover::kPoster)->name), utf8(poster));
}

TEST_F(EditorPictures, PicturesThatCannotBeTakenOrAreTheMoviesOwnChangeNothing)
{
    const String broken = text(dir.file("broken.jpg"));
    ASSERT_TRUE(testsupport::writeFileBytes(utf8(broken), {0xFF, 0xD8, 0x00, 0x01}));
    movie->cardStyle.backgroundImage = movie->coverBaseName() + u" - background.png";
    const auto before = folderBytes(imagesFolder());
    AddEditMovieWindow editor(*model, window, movie, 0, NewMovieRecord());
    std::string afterBroken;
    bool deletedBackgroundShownEmpty = false;
    ASSERT_TRUE(drive(
        editor.dialog(),
        [&] {
            StringList brokenList;
            brokenList.append(broken);
            dropFiles(editor.coverPicture(), brokenList);
            afterBroken = utf8(editor.workingCopy()->coverByKind(Cover::kPoster)->name);
            // A pasted poster is staged under the very name of the movie's
            // own file; then the user takes that file back, named in other
            // letter case.
            UIApplication::instance()->clipboard()->setImage(picture(Color(250, 250, 0)));
            clickTab(editor.coverToolBar(), AddEditMovieWindow::kPasteImage);
            browseTo(editor.coverToolBar(), imagesFolder() + u"\\" + posterName.toUpper());
            clickTab(editor.pageBar(), AddEditMovieWindow::kDisplayPage);
            UITabBar* tools = editor.backgroundToolBar();
            deletedBackgroundShownEmpty = !tools->tab(AddEditMovieWindow::kCopyImage)->isEnabled() &&
                                          !tools->tab(AddEditMovieWindow::kClearImage)->isEnabled();
            click(editor.okButton());
        },
        [&] { editor.exec(); }));
    EXPECT_EQ(afterBroken, utf8(posterName)) << "a file that does not decode is refused";
    EXPECT_TRUE(deletedBackgroundShownEmpty) << "no file behind the background: nothing to copy or clear";
    ASSERT_TRUE(editor.isAccepted());
    EXPECT_TRUE(String::equalsIgnoreCase(movie->coverByKind(Cover::kPoster)->name, posterName));
    EXPECT_EQ(folderBytes(imagesFolder()), before)
        << "the own file taken back is neither copied nor replaced";
}

// A collection from elsewhere may name any file in "Images" as a cover or
// the background: a double click opens it with the shell only when it is a
// picture, and browses for another, as for a missing file, when it is not.
// A device's name looks like a picture's and the system finds the device in
// every folder, yet it is no picture there.
TEST_F(EditorPictures, ADoubleClickOpensOnlyAPictureAndBrowsesPastAnythingElse)
{
    ASSERT_TRUE(testsupport::writeFileBytes(utf8(imagesFolder() + u"\\x.exe"), {'M', 'Z'}));
    ASSERT_TRUE(picture(Color(200, 10, 10)).save(imagesFolder() + u"\\x.png", true));
    std::vector<std::string> calls;
    ShellCallRecorder::install([&calls](const String& call, const String& target) {
        calls.push_back(utf8(call) + " " + utf8(target));
    });
    const struct
    {
        bool background;
        const char16_t* name;
        bool opens;
    } rows[] = {
        {false, u"x.exe", false},
        {false, u"x.png", true},
        {true, u"x.exe", false},
        {true, u"x.png", true},
        // Devices' names. Not a port's: were it let through, reading it would block.
        {false, u"NUL.png", false},
        {true, u"con.jpg", false},
    };
    for (const auto& row : rows) {
        const String name(row.name);
        SCOPED_TRACE((row.background ? "background " : "poster ") + utf8(name));
        if (row.background)
            movie->cardStyle.backgroundImage = name;
        else
            movie->setCover(Cover(name));
        calls.clear();
        bool browsed = false;
        AddEditMovieWindow editor(*model, window, movie, 0, NewMovieRecord());
        ASSERT_TRUE(drive(
            editor.dialog(),
            [&] {
                if (row.background)
                    clickTab(editor.pageBar(), AddEditMovieWindow::kDisplayPage);
                UIPicture* target = row.background ? editor.backgroundPicture() : editor.coverPicture();
                // The toolkit makes a double click of two quick presses.
                auto doubleClick = [&] {
                    UIHarness::click(target, target->rect().center());
                    UIHarness::click(target, target->rect().center());
                    UIHarness::pump();
                };
                if (row.opens)
                    doubleClick();
                else
                    browsed = chooseFileThrough(doubleClick, source);
                click(editor.cancelButton());
            },
            [&] { editor.exec(); }));
        const std::vector<std::string> opened = {"open " + utf8(imagesFolder() + u"\\" + name)};
        EXPECT_EQ(calls, row.opens ? opened : std::vector<std::string>{});
        EXPECT_EQ(browsed, !row.opens);
    }
    ShellCallRecorder::remove();
}

TEST_F(EditorPictures, APictureThatCannotMoveInFailsTheSaveWithAWarningAndKeepsTheDialog)
{
    const auto before = folderBytes(imagesFolder());
    AddEditMovieWindow editor(*model, window, movie, 0, NewMovieRecord());
    std::string warned;
    bool openAfterWarning = false;
    std::string posterWhileOpen;
    ASSERT_TRUE(drive(
        editor.dialog(),
        [&] {
            // A pasted poster under the name of the file in Images, and a
            // folder where that file would wait while the new one moves in.
            UIApplication::instance()->clipboard()->setImage(picture(Color(250, 250, 0)));
            clickTab(editor.coverToolBar(), AddEditMovieWindow::kPasteImage);
            const String blocker = editor.staging().folder() + u"\\previous~" + posterName;
            ASSERT_TRUE(Directory::create(blocker));
            ASSERT_TRUE(testsupport::writeFileBytes(utf8(blocker + u"\\x"), {1}));
            warned = okWarning(editor);
            openAfterWarning = editor.dialog()->isVisible();
            posterWhileOpen = utf8(movie->coverByKind(Cover::kPoster)->name);
            EXPECT_EQ(folderBytes(imagesFolder()), before) << "nothing moved while the dialog is open";
            File::remove(blocker + u"\\x");
            Directory::remove(blocker);
            click(editor.okButton());
        },
        [&] { editor.exec(); }));
    EXPECT_NE(warned.find(utf8(posterName)), std::string::npos) << warned;
    EXPECT_TRUE(openAfterWarning);
    EXPECT_EQ(posterWhileOpen, utf8(posterName));
    EXPECT_TRUE(editor.isAccepted()) << "the second try moves the picture in";
    const Image poster = Image::fromFile(imagesFolder() + u"\\" + posterName);
    ASSERT_FALSE(poster.isNull());
    const Color centre = poster.pixel(poster.width() / 2, poster.height() / 2);
    EXPECT_TRUE(centre.red() > 200 && centre.green() > 200 && centre.blue() < 50) << "the pasted yellow";
    EXPECT_FALSE(stagingLeft());
}

// The disk refuses the new back cover once its old file has gone aside and
// the new poster has moved in: OK warns with the back cover's name, every
// picture in "Images" is back as it was, and the movie keeps what it had,
// its title too, while the dialog stays and after its Cancel.
TEST_F(EditorPictures, AMoveIntoImagesThatFailsHalfwayWarnsAndChangesNothing)
{
    const auto before = folderBytes(imagesFolder());
    AddEditMovieWindow editor(*model, window, movie, 0, NewMovieRecord());
    auto failing = std::make_unique<FailingMoveIn>();
    FailingMoveIn* staging = failing.get();
    staging->failing = backName;
    editor.setStaging(std::move(failing));
    std::string warned;
    bool openAfterWarning = false;
    bool keptWhileOpen = false;
    auto keepsWhatItHad = [&] {
        const Cover* poster = movie->coverByKind(Cover::kPoster);
        const Cover* back = movie->coverByKind(Cover::kBack);
        return utf8(movie->title) == "Night" && poster &&
               String::equalsIgnoreCase(poster->name, posterName) && back &&
               String::equalsIgnoreCase(back->name, backName) && !movie->coverByKind(Cover::kFront);
    };
    ASSERT_TRUE(drive(
        editor.dialog(),
        [&] {
            replaceText(editor.titleEdit(), "Morning");
            UIApplication::instance()->clipboard()->setImage(picture(Color(250, 250, 0)));
            clickTab(editor.coverToolBar(), AddEditMovieWindow::kPasteImage);
            UIApplication::instance()->clipboard()->setImage(picture(Color(0, 250, 250)));
            clickTab(editor.coverKindBar(), Cover::kBack);
            clickTab(editor.coverToolBar(), AddEditMovieWindow::kPasteImage);
            warned = okWarning(editor);
            openAfterWarning = editor.dialog()->isVisible();
            keptWhileOpen = keepsWhatItHad();
            EXPECT_EQ(folderBytes(imagesFolder()), before) << "the poster moved in is taken back out";
            click(editor.cancelButton());
        },
        [&] { editor.exec(); }));
    EXPECT_EQ(staging->failures, 1) << "the back cover's move in failed once";
    EXPECT_NE(warned.find(utf8(backName)), std::string::npos) << warned;
    EXPECT_TRUE(openAfterWarning);
    EXPECT_TRUE(keptWhileOpen);
    EXPECT_FALSE(editor.isAccepted());
    EXPECT_TRUE(keepsWhatItHad());
    EXPECT_EQ(folderBytes(imagesFolder()), before);
    EXPECT_FALSE(stagingLeft());
}
