#include "ui/widgets/filedialog/UIFileDialog.h"

// The native build has no system dialogs: nothing is ever chosen.
bool UIFileDialog::runFileDialog()
{
    return false;
}

bool UIFileDialog::runFolderBrowser()
{
    return false;
}
