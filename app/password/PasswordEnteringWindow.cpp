#include "app/password/PasswordEnteringWindow.h"

#include "app/password/PasswordDialogParts.h"
#include "app/password/PasswordDigest.h"
#include "app/window/StackedDialog.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UILine.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"PasswordEnteringWindow";

} // namespace

PasswordEnteringWindow::PasswordEnteringWindow(const String& collectionName, const String& storedForm)
    : m_collectionName(collectionName), m_storedForm(storedForm)
{
    buildUi();
    connectSignals();
}

PasswordEnteringWindow::~PasswordEnteringWindow()
{
    delete m_dialog;
}

void PasswordEnteringWindow::buildUi()
{
    m_dialog = makeStackedDialog(UIApplication::instance()->mainWindow(),
                                 UINativeWindow::kSystemMenu | UINativeWindow::kKeyPreview, m_collectionName);
    m_dialog->applyMetricSpacing();
    m_dialog->setMinimumWidth(300);
    m_promptLabel = new UILabel(m_dialog);
    m_promptLabel->setText(
        translate(u"Please enter password to access the collection (^).", kContext).arg(m_collectionName));
    m_promptLabel->show();
    m_passwordField = makePasswordField(m_dialog);
    // The ids driven tests find the window by.
    m_dialog->setObjectId(String(u"passwordPrompt"));
    m_passwordField->setObjectId(String(u"password"));
    m_line = new UILine(m_dialog);
    m_line->show();
    m_buttonBox = makePasswordButtonRow(m_dialog, translate(u"OK", kContext), translate(u"Cancel", kContext),
                                        &m_okButton, &m_cancelButton);
}

void PasswordEnteringWindow::connectSignals()
{
    m_dialog->shown.connectWithArg(this, &PasswordEnteringWindow::focusPassword);
    m_dialog->keyPressed.connectWithArg(this, &PasswordEnteringWindow::keyPressed);
    m_okButton->clicked.connect(this, &PasswordEnteringWindow::checkPassword);
    m_cancelButton->clicked.connect(this, &PasswordEnteringWindow::cancel);
}

bool PasswordEnteringWindow::exec()
{
    if (m_storedForm.isEmpty())
        return true;
    m_dialog->show();
    return m_accepted;
}

void PasswordEnteringWindow::focusPassword(UIEvent*)
{
    m_passwordField->setFocus();
}

void PasswordEnteringWindow::keyPressed(UIEvent* event)
{
    if (static_cast<UIKeyEvent*>(event)->key() == kEnterKey)
        checkPassword();
}

void PasswordEnteringWindow::checkPassword()
{
    if (!passwordMatches(m_passwordField->text(), m_storedForm)) {
        showPasswordBalloon(
            m_dialog, m_passwordField,
            translate(u"The password you have typed is incorrect. Retype the password.", kContext));
        return;
    }
    m_accepted = true;
    m_dialog->accept();
}

void PasswordEnteringWindow::cancel()
{
    m_dialog->reject();
}
