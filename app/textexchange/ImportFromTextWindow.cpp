#include "app/textexchange/ImportFromTextWindow.h"

#include "app/textexchange/TextExchangeParts.h"
#include "app/window/DialogLabel.h"
#include "foundation/io/File.h"
#include "graphics/image/ImageSet.h"
#include "model/CollectionModel.h"
#include "model/images/ImageResource.h"
#include "model/textexchange/DelimitedTextReader.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/filedialog/UIFileDialog.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/messagebox/UIMessageBox.h"
#include "ui/widgets/range/UIProgress.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"ImportFromTextWindow";
const char16_t kNoFormat[] = u"...";
const int kTextEncodingUtf8 = 3;

} // namespace

ImportFromTextWindow::ImportFromTextWindow(CollectionModel& model) : m_model(model)
{
    buildUi();
    connectSignals();
}

ImportFromTextWindow::~ImportFromTextWindow()
{
    delete m_dialog;
}

void ImportFromTextWindow::buildUi()
{
    m_dialog = makeTextExchangeDialog(u"Import from Text File", kContext);
    UIGroup* mainGroup = addTwoColumnGroup(m_dialog);
    addLabel(mainGroup, translate(u"File", kContext));
    buildFileRow(mainGroup);
    buildFormatGroup(mainGroup);
    m_progress = new UIProgress(m_dialog);
    m_progress->setRange(0, 100);
    m_progress->show();
    addTextExchangeButtons(m_dialog, translate(u"Import", kContext), kContext, &m_importButton,
                           &m_cancelButton);
    m_importButton->setEnabled(false);
}

void ImportFromTextWindow::buildFileRow(UIGroup* group)
{
    auto* row = new UIBox(group);
    row->setVerticalFlow(0);
    row->setColumnStretch(0, 100.0f);
    row->setLayoutMargin(0);
    row->applyMetricSpacing();
    m_pathField = new UILineEdit(row);
    m_pathField->setReadOnly(true);
    m_pathField->show();
    m_browseButton = new UIButton(row);
    m_browseButton->setIcon(ImageSet::ImageSetFromImage(loadImageResource(String(u"search-local"))));
    m_browseButton->setMinimumSize(20, 22);
    m_browseButton->show();
    row->show();
}

void ImportFromTextWindow::buildFormatGroup(UIGroup* group)
{
    UIGroup* format = addTwoColumnGroup(group);
    format->setTitle(translate(u"Data Format", kContext));
    format->setColumnSpan(2);
    addLabel(format, translate(u"Delimiter", kContext));
    m_delimiterBox = addDelimiterBox(format, kContext);
    m_delimiterBox->setEnabled(false);
    addLabel(format, translate(u"Qualifier", kContext));
    m_qualifierBox = addQualifierBox(format, kContext);
    m_qualifierBox->setEnabled(false);
    addLabel(format, translate(u"Preview", kContext));
    m_formatLabel = addLabel(format, String(kNoFormat));
}

void ImportFromTextWindow::connectSignals()
{
    m_browseButton->clicked.connect(this, &ImportFromTextWindow::chooseFile);
    m_importButton->clicked.connect(this, &ImportFromTextWindow::import);
    m_cancelButton->clicked.connect(this, &ImportFromTextWindow::cancel);
}

int32_t ImportFromTextWindow::exec()
{
    m_dialog->setResult(0);
    m_dialog->show();
    return m_dialog->result() == 1 ? m_imported : 0;
}

void ImportFromTextWindow::chooseFile()
{
    UIFileDialog fileDialog(m_dialog);
    prepareTextFileDialog(fileDialog, UIFileDialog::kOpenMode);
    if (!fileDialog.exec() || fileDialog.selectedFiles().isEmpty())
        return;
    takeFile(fileDialog.selectedFiles().first()->value);
}

void ImportFromTextWindow::takeFile(const String& path)
{
    m_pathField->setText(path);
    const int count = detectFormat();
    if (count < 1) {
        m_formatLabel->setText(String(kNoFormat));
        m_importButton->setText(translate(u"Import", kContext));
        m_importButton->setEnabled(false);
        return;
    }
    updateDataFormat();
    m_importButton->setText(translate(u"Import (^ Movies)", kContext).arg(String::fromInt(count)));
    m_importButton->setEnabled(true);
}

String ImportFromTextWindow::readChosenFile() const
{
    const String path = m_pathField->text().trim();
    if (path.isEmpty() || !File::exists(path) || File::isLocked(path))
        return String();
    return String::fromTextFile(path, kTextEncodingUtf8);
}

int ImportFromTextWindow::detectFormat()
{
    const DelimitedTextReader reader(readChosenFile());
    const DelimitedTextFormat format = reader.detect();
    if (!format.isValid())
        return 0;
    m_delimiterBox->setCurrentIndex(format.delimiterIndex());
    m_qualifierBox->setCurrentIndex(format.qualifierIndex());
    return reader.countReadable(format);
}

void ImportFromTextWindow::updateDataFormat()
{
    const DelimitedTextFormat format(m_delimiterBox->currentIndex(), m_qualifierBox->currentIndex());
    const String q = format.qualifier();
    String sample = q + translate(u"Title", kContext) + q;
    sample.appendChar(format.delimiter());
    sample.append(q + translate(u"Year", kContext) + q);
    m_formatLabel->setText(sample);
}

void ImportFromTextWindow::import()
{
    DelimitedTextReader reader(readChosenFile());
    if (reader.lineCount() == 0)
        return;
    const DelimitedTextFormat format(m_delimiterBox->currentIndex(), m_qualifierBox->currentIndex());
    addMovies(reader, format);
    if (reader.skippedCount() > 0)
        reportSkipped(reader);
    m_dialog->accept();
}

void ImportFromTextWindow::addMovies(DelimitedTextReader& reader, const DelimitedTextFormat& format)
{
    NewMovieRecordList records;
    reader.read(format, records);
    m_imported = 0;
    const int64_t total = records.count();
    int64_t index = 0;
    for (const NewMovieRecord& record : records) {
        // The bar is painted at once on each new share.
        m_progress->setValue(int(index++ * 100 / total));
        if (m_model.addMovie(record))
            ++m_imported;
    }
}

void ImportFromTextWindow::reportSkipped(const DelimitedTextReader& reader)
{
    const bool one = reader.skippedCount() == 1;
    const String text = translate(one ? u"^ line was skipped: it gives no title or no year."
                                      : u"^ lines were skipped: they give no title or no year.",
                                  kContext)
                            .arg(String::fromInt(reader.skippedCount()));
    const String where = translate(one ? u"It is line ^." : u"The first is line ^.", kContext)
                             .arg(String::fromInt(reader.firstSkippedLine()));
    UIMessageBox::information(m_dialog, String(), text, where, UIMessageBox::kOk, 0);
}

void ImportFromTextWindow::cancel()
{
    m_dialog->reject();
}
