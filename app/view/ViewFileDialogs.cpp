#include "app/view/ViewFileDialogs.h"

#include "app/window/Window.h"
#include "foundation/platform/SystemInfo.h"
#include "model/CollectionModel.h"
#include "model/application/Application.h"
#include "ui/widgets/filedialog/UIFileDialog.h"

namespace {

const int kDesktopFolder = 11;
const int kOpenFlags = UIFileDialog::kKeepShortcutsFlag | UIFileDialog::kEnabledFlag | UIFileDialog::kFilesFlag;
const char16_t kDialogsContext[] = u"Common/Dialogs";

// Without a model (a window run on its own) the dialog starts on the desktop
// and remembers nothing.
void runOpenDialog(CollectionModel* model, UIWidget* owner, StringList& result, bool multiSelection,
                   const char16_t* filterName, const char16_t* pattern, const char16_t* extension)
{
    result.clear();
    UIFileDialog dialog(owner);
    String start = model ? model->recentBrowsedFolder() : String();
    dialog.setPath(start.isEmpty() ? SystemInfo::specialFolder(kDesktopFolder) : start);
    dialog.setAcceptMode(UIFileDialog::kOpenMode);
    dialog.setFlags(kOpenFlags);
    dialog.setMultiSelection(multiSelection);
    dialog.addFilter(Window::translate(filterName, kDialogsContext), String(pattern), String(extension));
    if (!dialog.exec())
        return;
    result = dialog.selectedFiles();
    if (model)
        model->setRecentBrowsedFolder(dialog.path());
}

} // namespace

void openImageFileDialog(CollectionModel& model, UIWidget* owner, StringList& result, bool multiSelection)
{
    runOpenDialog(&model, owner, result, multiSelection, u"Images", u"*.jpg|*.jpeg|*.png|*.bmp", u"");
}

void openAnyFileDialog(CollectionModel& model, UIWidget* owner, StringList& result, bool multiSelection)
{
    runOpenDialog(&model, owner, result, multiSelection, u"All Files", u"*.*", u"*.*");
}

void openImageFileDialog(UIWidget* owner, StringList& result, bool multiSelection)
{
    CollectionModel* model = Application::instance() ? &Application::model() : nullptr;
    runOpenDialog(model, owner, result, multiSelection, u"Images", u"*.jpg|*.jpeg|*.png|*.bmp", u"");
}

void openAnyFileDialog(UIWidget* owner, StringList& result, bool multiSelection)
{
    CollectionModel* model = Application::instance() ? &Application::model() : nullptr;
    runOpenDialog(model, owner, result, multiSelection, u"All Files", u"*.*", u"*.*");
}
