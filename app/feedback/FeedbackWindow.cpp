#include "app/feedback/FeedbackWindow.h"

#include "app/feedback/FeedbackMessage.h"
#include "app/window/DialogLabel.h"
#include "app/window/FieldBalloon.h"
#include "app/window/StackedDialog.h"
#include "foundation/core/AppCore.h"
#include "foundation/net/FormPost.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/decorative/UILine.h"
#include "ui/widgets/decorative/UISpacer.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/messagebox/UIMessageBox.h"
#include "ui/widgets/text/UITextDocument.h"
#include "ui/widgets/text/UITextEdit.h"
#include "ui/widgets/text/UITextEditView.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"FeedbackWindow";
const int kFirstButtonVariant = 3;
const int kWaitCursor = 3;

} // namespace

FeedbackWindow::FeedbackWindow(Window* parent) : m_parent(parent)
{
    buildUi();
    m_sendButton->clicked.connect(this, &FeedbackWindow::send);
    m_cancelButton->clicked.connect(this, &FeedbackWindow::cancel);
}

FeedbackWindow::~FeedbackWindow()
{
    delete m_dialog;
}

void FeedbackWindow::buildUi()
{
    m_dialog = makeStackedDialog(UIApplication::instance()->mainWindow(),
                                 UINativeWindow::kMinimizeBox | UINativeWindow::kMaximizeBox |
                                     UINativeWindow::kSystemMenu | UINativeWindow::kResizable |
                                     UINativeWindow::kKeyPreview,
                                 translate(u"Feedback", kContext));
    // The name driven tests find it by.
    m_dialog->setObjectId(String(u"feedback"));
    m_dialog->setLayoutSpacing(4);
    m_dialog->setMinimumSize(453, 280);

    m_emailLabel = addLabel(m_dialog, translate(u"Your email address (optional)", kContext));
    m_emailField = new UILineEdit(m_dialog);
    m_emailField->setMaxLength(0);
    m_emailField->show();
    (new UISpacer(2, m_dialog))->show();
    m_messageLabel = addLabel(m_dialog, translate(u"Feedback", kContext));
    m_messageView = new UITextEditView(m_dialog);
    messageEditor()->document()->setFontSize(14.0f);
    m_messageView->setSizePolicy(2, 3);
    m_messageView->show();
    (new UISpacer(2, m_dialog))->show();
    m_line = new UILine(m_dialog);
    m_line->show();
    buildButtonRow();
}

void FeedbackWindow::buildButtonRow()
{
    m_buttonBox = new UIBox(m_dialog);
    m_buttonBox->setVerticalFlow(0);
    m_buttonBox->applyMetricSpacing();
    m_buttonBox->setTopMargin(10);
    (new UIExpander(m_buttonBox))->show();
    m_sendButton = new UIButton(m_buttonBox);
    m_sendButton->setText(translate(u"Send", kContext));
    m_sendButton->setColorVariant(kFirstButtonVariant);
    m_sendButton->show();
    m_cancelButton = new UIButton(m_buttonBox);
    m_cancelButton->setText(translate(u"Cancel", kContext));
    m_cancelButton->show();
    m_buttonBox->show();
}

UITextEdit* FeedbackWindow::messageEditor() const
{
    return m_messageView->textEdit();
}

void FeedbackWindow::exec()
{
    m_dialog->show();
}

String FeedbackWindow::serviceHost()
{
    AppCore* core = AppCore::instance();
    return core ? core->companyHost() : String();
}

String FeedbackWindow::userAgent()
{
    AppCore* core = AppCore::instance();
    return core ? core->agentIdentity(false) : String();
}

void FeedbackWindow::send()
{
    const String encoded =
        FeedbackMessage::encode(FeedbackMessage::compose(m_emailField->text(), messageEditor()->text()));
    if (encoded.isEmpty()) {
        showFieldBalloon(m_dialog, m_messageView, translate(u"Please fill the required fields.", kContext),
                         kBalloonInformationIcon);
        return;
    }
    UIApplication::instance()->setOverrideCursor(kWaitCursor);
    const int outcome = FeedbackMessage::send(encoded, serviceHost(), userAgent());
    UIApplication::instance()->restoreOverrideCursor();
    if (outcome == FormPost::kAccepted) {
        UIMessageBox::information(
            m_dialog, String(), translate(u"Your feedback has been sent successfully. Thank you.", kContext),
            String(), UIMessageBox::kOk, 0);
        m_dialog->accept();
        return;
    }
    const String reason = outcome == FormPost::kFailed
                              ? translate(u"Please check your connection and try again.", kContext)
                              : translate(u"An error occurred, please try again later.", kContext);
    UIMessageBox::warning(m_dialog, String(), translate(u"Can not send feedback.", kContext), reason,
                          UIMessageBox::kOk, 0);
}

void FeedbackWindow::cancel()
{
    m_dialog->reject();
}
