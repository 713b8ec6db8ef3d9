#include "app/view/ViewFileDialogs.h"

#include "app/window/Window.h"
#include "foundation/platform/SystemInfo.h"
#include "model/CollectionModel.h"
#include "model/application/Application.h"
#include "ui/widgets/filedialog/UIFileDialog.h"

namespace {

// The shell's folder index of the user's desktop.
constexpr int kDesktopFolder = 11;
// Open an existing file, with the system's explorer look.
constexpr int kOpenFlags = 19;

void runOpenDialog(UIWidget* owner, StringList& result, bool multiSelection, const String& filterName,
                   const String& pattern, const String& extension)
{
    result.clear();
    CollectionModel* model = Application::instance() ? &Application::model() : nullptr;
    String start = model ? model->recentBrowsedFolder() : String();
    if (start.isEmpty())
        start = SystemInfo::specialFolder(kDesktopFolder);
    UIFileDialog dialog(owner);
    dialog.setPath(start);
    dialog.setAcceptMode(0);
    dialog.setFlags(kOpenFlags);
    dialog.setMultiSelection(multiSelection);
    dialog.addFilter(filterName, pattern, extension);
    if (!dialog.exec())
        return;
    result = dialog.selectedFiles();
    if (model)
        model->setRecentBrowsedFolder(dialog.path());
}

} // namespace

void openImageFileDialog(UIWidget* owner, StringList& result, bool multiSelection)
{
    runOpenDialog(owner, result, multiSelection, Window::translate(u"Images", u"Common/Dialogs"),
                  String(u"*.jpg|*.jpeg|*.png|*.bmp"), String());
}

void openAnyFileDialog(UIWidget* owner, StringList& result, bool multiSelection)
{
    runOpenDialog(owner, result, multiSelection, Window::translate(u"All Files", u"Common/Dialogs"),
                  String(u"*.*"), String(u"*.*"));
}
