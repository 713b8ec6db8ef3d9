#include "app/password/PasswordProtectionWindow.h"

#include "app/password/PasswordDialogParts.h"
#include "app/password/PasswordDigest.h"
#include "app/window/DialogLabel.h"
#include "graphics/image/ImageSet.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/decorative/UILine.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"PasswordProtectionWindow";

template <class W> W* spanningBoth(W* widget)
{
    widget->setColumnSpan(2);
    widget->show();
    return widget;
}

} // namespace

PasswordProtectionWindow::PasswordProtectionWindow(CollectionModel& model, Window* parent)
    : m_model(model), m_parent(parent)
{
    buildUi();
    connectSignals();
}

PasswordProtectionWindow::~PasswordProtectionWindow()
{
    delete m_dialog;
}

void PasswordProtectionWindow::buildUi()
{
    m_dialog = new UIDialog(UIApplication::instance()->mainWindow(), UINativeWindow::kSystemMenu);
    m_dialog->setWindowTitle(translate(u"Password Protection", kContext), true);
    m_dialog->setVerticalFlow(0);
    m_dialog->setColumnCount(2);
    m_dialog->setColumnStretch(1, 100.0f);
    m_dialog->applyMetricMargins();
    m_dialog->applyMetricSpacing();
    m_dialog->setMinimumWidth(350);

    m_currentLabel = addLabel(m_dialog, translate(u"Current Password", kContext));
    m_currentField = makePasswordField(m_dialog);
    m_currentLabel->hide();
    m_currentField->hide();

    m_newLabel = addLabel(m_dialog, translate(u"Password", kContext));
    auto* newBox = new UIBox(m_dialog);
    newBox->setVerticalFlow(0);
    newBox->setLayoutMargin(0);
    newBox->applyMetricSpacing();
    newBox->setColumnStretch(0, 100.0f);
    m_newField = makePasswordField(newBox);
    // The ids driven tests find the window by.
    m_dialog->setObjectId(String(u"passwordProtection"));
    m_currentField->setObjectId(String(u"currentPassword"));
    m_newField->setObjectId(String(u"newPassword"));
    m_hintButton = new UIButton(newBox);
    m_hintButton->setFlat(true);
    if (UITheme* theme = UIApplication::instance()->theme())
        m_hintButton->setIcon(ImageSet::ImageSetFromImage(theme->image(UITheme::kQuestionSmall)));
    m_hintButton->show();
    newBox->show();

    spanningBoth(new UIExpander(m_dialog));
    m_line = spanningBoth(new UILine(m_dialog));
    m_buttonBox = makePasswordButtonRow(m_dialog, translate(u"Set Password", kContext),
                                        translate(u"Cancel", kContext), &m_applyButton, &m_cancelButton);
}

void PasswordProtectionWindow::connectSignals()
{
    m_dialog->shown.connectWithArg(this, &PasswordProtectionWindow::focusField);
    m_applyButton->clicked.connect(this, &PasswordProtectionWindow::apply);
    m_cancelButton->clicked.connect(this, &PasswordProtectionWindow::cancel);
    m_hintButton->clicked.connect(this, &PasswordProtectionWindow::showHint);
}

void PasswordProtectionWindow::exec()
{
    m_storedForm = m_model.collectionFile().password();
    adaptToState();
    m_dialog->show();
}

void PasswordProtectionWindow::adaptToState()
{
    m_currentLabel->setVisible(isProtected());
    m_currentField->setVisible(isProtected());
    m_hintButton->setVisible(isProtected());
    m_newLabel->setText(isProtected() ? translate(u"New Password", kContext)
                                      : translate(u"Password", kContext));
    m_applyButton->setText(isProtected() ? translate(u"Change Password", kContext)
                                         : translate(u"Set Password", kContext));
}

void PasswordProtectionWindow::focusField(UIEvent*)
{
    (isProtected() ? m_currentField : m_newField)->setFocus();
}

void PasswordProtectionWindow::apply()
{
    if (isProtected() && !passwordMatches(m_currentField->text(), m_storedForm)) {
        showPasswordBalloon(m_dialog, m_currentField,
                            translate(u"Please enter correct Current password.", kContext));
        return;
    }
    String typed = m_newField->text();
    if (typed.isEmpty() && !isProtected()) {
        showPasswordBalloon(m_dialog, m_newField, translate(u"Please enter a password.", kContext));
        return;
    }
    // Empty here means a stored password is being removed.
    m_model.collectionFile().setPassword(passwordDigest(typed));
    m_dialog->accept();
}

void PasswordProtectionWindow::showHint()
{
    showPasswordBalloon(m_dialog, m_hintButton,
                        translate(u"To remove password protection leave the New Password blank.", kContext));
}

void PasswordProtectionWindow::cancel()
{
    m_dialog->reject();
}
