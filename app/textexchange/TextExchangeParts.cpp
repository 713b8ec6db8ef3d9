#include "app/textexchange/TextExchangeParts.h"

#include "app/window/DialogButtonRow.h"
#include "app/window/DialogLabel.h"
#include "app/window/FieldGroup.h"
#include "app/window/StackedDialog.h"
#include "app/window/Window.h"
#include "foundation/platform/SystemInfo.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/filedialog/UIFileDialog.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const int kDialogSpacing = 4;
const int kMinimumWidth = 450;
const int kButtonRowTopMargin = 10;
const int kFirstButtonVariant = 3;
const int kDesktopFolder = 11;
const int kFileDialogFlags =
    UIFileDialog::kKeepShortcutsFlag | UIFileDialog::kEnabledFlag | UIFileDialog::kFilesFlag;

UIComboBox* addBox(UIWidget* parent, std::initializer_list<const char16_t*> items, const char16_t* context)
{
    auto* box = new UIComboBox(parent);
    for (const char16_t* item : items)
        box->addItem(Window::translate(item, context));
    box->setCurrentIndex(0);
    box->show();
    return box;
}

} // namespace

UIDialog* makeTextExchangeDialog(const char16_t* title, const char16_t* context)
{
    auto* dialog = makeStackedDialog(UIApplication::instance()->mainWindow(),
                                     UINativeWindow::kSystemMenu | UINativeWindow::kKeyPreview,
                                     Window::translate(title, context));
    dialog->setLayoutSpacing(kDialogSpacing);
    dialog->setRowStretch(0, 100.0f);
    dialog->setMinimumWidth(kMinimumWidth);
    return dialog;
}

UIGroup* addTwoColumnGroup(UIWidget* parent)
{
    UIGroup* group = makeFieldGroup(parent);
    group->show();
    return group;
}

UIComboBox* addDelimiterBox(UIWidget* parent, const char16_t* context)
{
    return addBox(parent, {u"Comma (,)", u"Semicolon (;)", u"Space ( )"}, context);
}

UIComboBox* addQualifierBox(UIWidget* parent, const char16_t* context)
{
    return addBox(parent, {u"Double Quote (\")", u"Single Quote (')", u"None"}, context);
}

void addTextExchangeButtons(UIDialog* dialog, const String& firstText, const char16_t* context,
                            UIButton** first, UIButton** cancel)
{
    ButtonRowPlacement placement;
    placement.topMargin = kButtonRowTopMargin;
    addButtonRow(dialog, firstText, kFirstButtonVariant, Window::translate(u"Cancel", context), first, cancel,
                 placement);
}

void prepareTextFileDialog(UIFileDialog& dialog, int acceptMode)
{
    dialog.setAcceptMode(acceptMode);
    dialog.setFlags(kFileDialogFlags);
    dialog.setMultiSelection(false);
    dialog.setPath(SystemInfo::specialFolder(kDesktopFolder));
    dialog.addFilter(Window::translate(u"TXT Files", u"Common/Dialogs"), String(u"*.txt"), String(u"txt"));
}
