#include "app/textexchange/ExportToTextWindow.h"

#include "app/textexchange/TextExchangeParts.h"
#include "app/window/DialogLabel.h"
#include "foundation/io/File.h"
#include "model/CollectionModel.h"
#include "model/shell/ShellLauncher.h"
#include "model/textexchange/DelimitedTextWriter.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/filedialog/UIFileDialog.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/messagebox/UIMessageBox.h"
#include "ui/widgets/range/UIProgress.h"
#include "ui/widgets/text/UITextEdit.h"
#include "ui/widgets/text/UITextEditView.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"ExportToTextWindow";
const int kPreviewMinimumHeight = 100;
const int kTextEncodingUtf8 = 3;

} // namespace

ExportToTextWindow::ExportToTextWindow(CollectionModel& model) : m_model(model)
{
    buildUi();
    connectSignals();
}

ExportToTextWindow::~ExportToTextWindow()
{
    delete m_dialog;
}

void ExportToTextWindow::buildUi()
{
    m_dialog = makeTextExchangeDialog(u"Export to Text File", kContext);
    buildOptions();
    m_progress = new UIProgress(m_dialog);
    m_progress->setRange(0, 100);
    m_progress->show();
    buildButtons();
}

void ExportToTextWindow::buildOptions()
{
    m_optionsGroup = addTwoColumnGroup(m_dialog);
    addLabel(m_optionsGroup, translate(u"Delimiter", kContext));
    m_delimiterBox = addDelimiterBox(m_optionsGroup, kContext);
    addLabel(m_optionsGroup, translate(u"Qualifier", kContext));
    m_qualifierBox = addQualifierBox(m_optionsGroup, kContext);

    m_previewGroup = new UIGroup(m_optionsGroup);
    m_previewGroup->setTitle(translate(u"Preview", kContext));
    m_previewGroup->setVerticalFlow(1);
    m_previewGroup->setColumnSpan(2);
    m_previewGroup->show();
    m_previewView = new UITextEditView(m_previewGroup);
    m_previewView->textEdit()->setReadOnly(true);
    m_previewView->setMinimumHeight(kPreviewMinimumHeight);
    m_previewView->show();

    m_locateCheck = new UICheck(m_optionsGroup);
    m_locateCheck->setText(translate(u"Locate file after export.", kContext));
    m_locateCheck->setColumnSpan(2);
    m_locateCheck->show();
    m_openCheck = new UICheck(m_optionsGroup);
    m_openCheck->setText(translate(u"Open file after export.", kContext));
    m_openCheck->setColumnSpan(2);
    m_openCheck->show();
}

void ExportToTextWindow::buildButtons()
{
    addTextExchangeButtons(m_dialog, translate(u"Export", kContext), kContext, &m_exportButton,
                           &m_cancelButton);
}

void ExportToTextWindow::connectSignals()
{
    m_delimiterBox->currentIndexChanged.connect(this, &ExportToTextWindow::onDelimiterChanged);
    m_qualifierBox->currentIndexChanged.connect(this, &ExportToTextWindow::onQualifierChanged);
    m_exportButton->clicked.connect(this, &ExportToTextWindow::exportToFile);
    m_cancelButton->clicked.connect(this, &ExportToTextWindow::cancel);
}

void ExportToTextWindow::exec()
{
    updatePreview();
    m_dialog->setResult(0);
    m_dialog->show();
}

DelimitedTextFormat ExportToTextWindow::chosenFormat() const
{
    return DelimitedTextFormat(m_delimiterBox->currentIndex(), m_qualifierBox->currentIndex());
}

String ExportToTextWindow::buildText(bool preview) const
{
    if (preview)
        return DelimitedTextWriter::preview(m_model.movies(), chosenFormat());
    // Each new share paints the bar at once, so the user sees a long export
    // move on.
    return DelimitedTextWriter::text(m_model.movies(), chosenFormat(),
                                     [this](int percent) { m_progress->setValue(percent); });
}

void ExportToTextWindow::updatePreview()
{
    m_previewView->textEdit()->setText(buildText(true));
}

void ExportToTextWindow::onDelimiterChanged()
{
    updatePreview();
}

void ExportToTextWindow::onQualifierChanged()
{
    updatePreview();
}

void ExportToTextWindow::exportToFile()
{
    UIFileDialog fileDialog(m_dialog);
    prepareTextFileDialog(fileDialog, UIFileDialog::kSaveMode);
    fileDialog.setFileName(m_model.collectionName());
    if (!fileDialog.exec() || fileDialog.selectedFiles().isEmpty())
        return;
    const String path = fileDialog.selectedFiles().first()->value;
    if (!path.isEmpty())
        exportTo(path);
}

bool ExportToTextWindow::exportTo(const String& path)
{
    // The file is written beside its old self and put in its place only when
    // whole, so a failure leaves any old file as it was.
    if ((File::exists(path) && File::isLocked(path)) ||
        !buildText(false).saveToFile(path, kTextEncodingUtf8, false)) {
        showWriteFailure(path);
        return false;
    }
    if (m_locateCheck->isChecked())
        ShellLauncher::reveal(path);
    if (m_openCheck->isChecked())
        ShellLauncher::start(path);
    m_dialog->accept();
    return true;
}

void ExportToTextWindow::showWriteFailure(const String& path)
{
    UIMessageBox::warning(
        m_dialog, String(), translate(u"The file ^ could not be written.", kContext).arg(path),
        translate(u"Another program may hold it open, or the folder may not allow changes.", kContext),
        UIMessageBox::kOk, 0);
}

void ExportToTextWindow::cancel()
{
    m_dialog->reject();
}
