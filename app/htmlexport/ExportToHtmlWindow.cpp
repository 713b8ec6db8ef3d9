#include "app/htmlexport/ExportToHtmlWindow.h"

#include "app/window/StackedDialog.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/decorative/UILine.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/range/UIProgress.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"ExportToHtmlWindow";
const int kFirstButtonVariant = 3;

} // namespace

ExportToHtmlWindow::ExportToHtmlWindow()
{
    buildUi();
    m_okButton->clicked.connect(this, &ExportToHtmlWindow::accept);
    m_cancelButton->clicked.connect(this, &ExportToHtmlWindow::reject);
}

ExportToHtmlWindow::~ExportToHtmlWindow()
{
    delete m_dialog;
}

void ExportToHtmlWindow::buildUi()
{
    m_dialog = makeStackedDialog(UIApplication::instance()->mainWindow(),
                                 UINativeWindow::kResizable | UINativeWindow::kMinimizeBox |
                                     UINativeWindow::kMaximizeBox | UINativeWindow::kSystemMenu |
                                     UINativeWindow::kKeyPreview,
                                 translate(u"Export To HTML", kContext));
    // The name driven tests find it by.
    m_dialog->setObjectId(String(u"exportToHtml"));
    m_dialog->setLayoutSpacing(4);
    m_dialog->setRowStretch(0, 100.0f);
    m_dialog->setMinimumSize(400, 250);

    m_group = new UIGroup(m_dialog);
    m_group->show();
    m_progress = new UIProgress(m_dialog);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->show();
    m_line = new UILine(m_dialog);
    m_line->show();

    m_buttonBox = new UIBox(m_dialog);
    m_buttonBox->setVerticalFlow(0);
    m_buttonBox->applyMetricSpacing();
    m_buttonBox->setTopMargin(10);
    (new UIExpander(m_buttonBox))->show();
    m_okButton = new UIButton(m_buttonBox);
    m_okButton->setText(translate(u"Ok", kContext));
    m_okButton->setColorVariant(kFirstButtonVariant);
    m_okButton->show();
    m_cancelButton = new UIButton(m_buttonBox);
    m_cancelButton->setText(translate(u"Cancel", kContext));
    m_cancelButton->show();
    m_buttonBox->show();
}

void ExportToHtmlWindow::exec()
{
    m_dialog->show();
}

void ExportToHtmlWindow::accept()
{
    m_dialog->accept();
}

void ExportToHtmlWindow::reject()
{
    m_dialog->reject();
}
