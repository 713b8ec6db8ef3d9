// The movie editor's cover pictures and card background: new pictures are
// staged under their final names and shown from there until the save.
#include "app/movie/AddEditMovieWindow.h"

#include "app/movie/EditorIcons.h"
#include "app/view/ViewFileDialogs.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "foundation/platform/Screen.h"
#include "model/CollectionModel.h"
#include "model/images/ImageFolder.h"
#include "model/records/Movie.h"
#include "model/shell/ShellLauncher.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIDragMoveEvent.h"
#include "ui/core/events/UIDropEvent.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/input/UIClipboard.h"
#include "ui/core/input/UIMimeData.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/picture/UIPicture.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

constexpr int kAlertSound = 1;
constexpr int kScaleToFit = 2;
constexpr uint32_t kCoverAlignment = 48;
constexpr uint32_t kBackgroundAlignment = 5;
constexpr int kLanczosFilter = 3;

const char16_t* const kCoverWords[] = {u"Poster", u"Front Cover", u"Back Cover"};

String joinPath(const String& folder, const String& name)
{
    String path = folder;
    path.appendChar(pathSeparator());
    path.append(name);
    return path;
}

void playAlert()
{
    UIApplication::instance()->playSound(kAlertSound);
}

// A cover or background is opened with the shell only as the picture it
// claims to be: a collection from elsewhere may name any file in "Images",
// and the shell would run a program as readily as it shows a picture.
bool isOpenablePicture(const String& path)
{
    return !path.isEmpty() && MovieFormValues::isPictureFile(path) && File::exists(path);
}

} // namespace

Image AddEditMovieWindow::decodeFile(const String& path)
{
    return path.isEmpty() || !File::exists(path) ? Image() : Image::fromFile(path);
}

int AddEditMovieWindow::currentCoverKind() const
{
    const int kind = m_coverKinds->currentIndex();
    return kind < 0 ? Cover::kPoster : kind;
}

String AddEditMovieWindow::coverNameFor(int kind, const String& extension) const
{
    return m_workingCopy->coverFileName(kind) + String(u".") + extension;
}

String AddEditMovieWindow::backgroundName() const
{
    return m_workingCopy->coverBaseName() + String(u" - background.png");
}

// A staged picture stands in for the file of the same name in "Images". A
// name from a collection file may be a device's ("COM1.png"), which the
// system finds in every folder: reading a port would hang the editor, so
// such a name gives no path at all.
String AddEditMovieWindow::picturePath(const String& name) const
{
    if (m_staging->has(name))
        return m_staging->stagedPath(name);
    return ImageFolder::pathIn(m_model.imagesFolder(), name);
}

Image AddEditMovieWindow::coverImage(int kind) const
{
    const Cover* cover = m_workingCopy ? m_workingCopy->coverByKind(kind) : nullptr;
    if (!cover)
        return Image();
    if (m_staging->has(cover->name))
        return decodeFile(m_staging->stagedPath(cover->name));
    return cover->image();
}

Image AddEditMovieWindow::backgroundImage() const
{
    if (!m_workingCopy)
        return Image();
    return decodeFile(picturePath(m_workingCopy->cardStyle.backgroundImage));
}

void AddEditMovieWindow::showCover()
{
    if (!m_workingCopy)
        return;
    const Image image = coverImage(currentCoverKind());
    const bool shown = !image.isNull();
    m_coverPicture->setImage(shown ? image : Cover::blankBigImage(), kScaleToFit, kCoverAlignment);
    m_coverTools->setTabEnabled(kCopyImage, shown);
    m_coverTools->setTabEnabled(kClearImage, shown);
    m_coverPicture->update();
}

void AddEditMovieWindow::showBackground()
{
    if (!m_pageBuilt[kDisplayPage])
        return;
    const Image image = backgroundImage();
    const bool shown = !image.isNull();
    m_backgroundPicture->setImage(shown ? image : EditorIcons::get(String(u"no-background")), kScaleToFit,
                                  kBackgroundAlignment);
    m_backgroundTools->setTabEnabled(kCopyImage, shown);
    m_backgroundTools->setTabEnabled(kClearImage, shown);
    m_backgroundPicture->update();
}

// ---- Taking pictures ----

bool AddEditMovieWindow::takeCoverFile(const String& path)
{
    if (!MovieFormValues::isPictureFile(path) || decodeFile(path).isNull()) {
        playAlert();
        return false;
    }
    const int kind = currentCoverKind();
    const String name = coverNameFor(kind, pathExtension(path));
    const String target = joinPath(m_model.imagesFolder(), name);
    // The movie's own cover file taken again needs no copy, and must not
    // lose to a picture staged for it earlier in this edit.
    if (String::equalsIgnoreCase(path, target)) {
        if (!m_staging->unstage(name))
            return false;
    } else if (!String::equalsIgnoreCase(path, m_staging->stagedPath(name)) &&
               !m_staging->stageCopy(path, name)) {
        return false;
    }
    storeCover(kind, name);
    return true;
}

void AddEditMovieWindow::storeCover(int kind, const String& name)
{
    Cover cover(name);
    cover.kind = kind;
    m_workingCopy->setCover(cover);
    showCover();
}

bool AddEditMovieWindow::takeCoverImage(const Image& image)
{
    if (image.isNull())
        return false;
    const int kind = currentCoverKind();
    const String name = coverNameFor(kind, String(u"png"));
    if (!m_staging->stageImage(image, name))
        return false;
    storeCover(kind, name);
    return true;
}

bool AddEditMovieWindow::takeBackgroundFile(const String& path)
{
    if (!MovieFormValues::isPictureFile(path)) {
        playAlert();
        return false;
    }
    const Image image = decodeFile(path);
    if (image.isNull()) {
        playAlert();
        return false;
    }
    return takeBackgroundImage(image);
}

bool AddEditMovieWindow::takeBackgroundImage(const Image& image)
{
    if (image.isNull())
        return false;
    Image stored = image;
    const int desktopWidth = Screen::virtualDesktopRect().width;
    if (m_autoResizeBackground && desktopWidth > 0 && image.width() > desktopWidth)
        stored = image.scaledToWidth(desktopWidth, kLanczosFilter);
    const String name = backgroundName();
    if (!m_staging->stageImage(stored, name))
        return false;
    m_workingCopy->cardStyle.backgroundImage = name;
    showBackground();
    return true;
}

// ---- Tool bars ----

void AddEditMovieWindow::onCoverTab(int index)
{
    switch (index) {
    case kBrowseImage:
        browseCover();
        break;
    case kSearchImage:
        searchImage(String(u" ") +
                    translate(kCoverWords[currentCoverKind()], u"AddEditMovieWindow").toLower());
        break;
    case kPasteImage:
        takeCoverImage(UIApplication::instance()->clipboard()->image());
        break;
    case kCopyImage:
        copyImage(coverImage(currentCoverKind()));
        break;
    case kClearImage:
        m_workingCopy->removeCover(currentCoverKind());
        showCover();
        break;
    default:
        break;
    }
}

void AddEditMovieWindow::onBackgroundTab(int index)
{
    switch (index) {
    case kBrowseImage:
        browseBackground();
        break;
    case kSearchImage:
        searchImage(String(u" background"));
        break;
    case kPasteImage:
        takeBackgroundImage(UIApplication::instance()->clipboard()->image());
        break;
    case kCopyImage:
        copyImage(backgroundImage());
        break;
    case kClearImage:
        m_workingCopy->cardStyle.backgroundImage = String();
        showBackground();
        break;
    default:
        break;
    }
}

void AddEditMovieWindow::browseCover()
{
    StringList chosen;
    openImageFileDialog(m_dialog, chosen, false);
    if (!chosen.isEmpty())
        takeCoverFile(chosen.first()->value);
}

void AddEditMovieWindow::browseBackground()
{
    StringList chosen;
    openImageFileDialog(m_dialog, chosen, false);
    if (!chosen.isEmpty())
        takeBackgroundFile(chosen.first()->value);
}

void AddEditMovieWindow::searchImage(const String& suffix)
{
    const String title = m_title->text().trim();
    if (!title.isEmpty())
        CollectionModel::openImageSearch(title + suffix);
}

void AddEditMovieWindow::copyImage(const Image& image)
{
    if (image.isNull()) {
        playAlert();
        return;
    }
    UIApplication::instance()->clipboard()->setImage(image);
}

// ---- Mouse and drops ----

void AddEditMovieWindow::onCoverDoubleClick(UIEvent* event)
{
    if (static_cast<UIMouseEvent*>(event)->button() != 1)
        return;
    const Cover* cover = m_workingCopy->coverByKind(currentCoverKind());
    const String path = cover ? picturePath(cover->name) : String();
    if (isOpenablePicture(path))
        ShellLauncher::open(path);
    else
        browseCover();
}

void AddEditMovieWindow::onBackgroundDoubleClick(UIEvent* event)
{
    if (static_cast<UIMouseEvent*>(event)->button() != 1)
        return;
    const String path = picturePath(m_workingCopy->cardStyle.backgroundImage);
    if (isOpenablePicture(path))
        ShellLauncher::open(path);
    else
        browseBackground();
}

void AddEditMovieWindow::onPictureDrag(UIEvent* event)
{
    if (UIDragMoveEvent::mimeData().hasFilePathList())
        event->accept();
}

void AddEditMovieWindow::onCoverDrop(UIEvent*)
{
    const StringList paths = UIDropEvent::mimeData().filePathList();
    if (!paths.isEmpty() && MovieFormValues::isPictureFile(paths.first()->value))
        takeCoverFile(paths.first()->value);
}

void AddEditMovieWindow::onBackgroundDrop(UIEvent*)
{
    const StringList paths = UIDropEvent::mimeData().filePathList();
    if (!paths.isEmpty() && MovieFormValues::isPictureFile(paths.first()->value))
        takeBackgroundFile(paths.first()->value);
}
