#include "app/window/DialogRun.h"

#include "app/window/WindowGeometry.h"
#include "ui/widgets/window/UIDialog.h"

bool runDialogInItsPlace(UIDialog* dialog, const String& name, bool keepSize, const std::function<void()>& prepare)
{
    if (!dialog)
        return false;
    restoreWindowGeometry(dialog, name, true, keepSize);
    if (prepare)
        prepare();
    dialog->setResult(0);
    // Modal: returns once the dialog has closed.
    dialog->show();
    saveWindowGeometry(dialog, name, true, keepSize);
    return dialog->result() == 1;
}
