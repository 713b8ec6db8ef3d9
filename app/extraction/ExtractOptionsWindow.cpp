#include "app/extraction/ExtractOptionsWindow.h"

#include "app/window/DialogLabel.h"
#include "app/window/DialogTableView.h"
#include "app/window/FieldGroup.h"
#include "app/window/StackedDialog.h"
#include "app/window/WindowGeometry.h"
#include "model/CollectionModel.h"
#include "model/application/Application.h"
#include "model/extractors/MovieExtractor.h"
#include "model/images/ImageResource.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/combo/UIComboBoxItem.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIHeaderSection.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"ExtractOptionsWindow";
const char16_t kGeometryName[] = u"ExtractOptions";
constexpr int kAlertSound = 1;
constexpr uint32_t kLeftButton = 1;
constexpr int kOkVariant = 3;

// The field groups in the order the rows show them; row i is bit 1 << i.
const char16_t* const kGroupNames[ExtractOptionsWindow::kGroupCount] = {
    u"Original Title", u"Genre",       u"Studio", u"Country", u"Language", u"Year",
    u"IMDb Rating",    u"MPAA Rating", u"Poster", u"Cast",    u"Crew",     u"Episodes",
    u"Running Time",   u"Color",       u"Plot",   u"Links"};

String tr(const char16_t* text)
{
    return Window::translate(text, kContext);
}

} // namespace

ExtractOptionsWindow::ExtractOptionsWindow(CollectionModel& model, UIWidget* parent, uint32_t mask)
    : m_model(model), m_parent(parent), m_initialMask(mask), m_chosenExtractor(model.extractorIndex()),
      m_checkedImage(loadImageResource(String(u"check_on"))),
      m_uncheckedImage(loadImageResource(String(u"check_off")))
{
    buildDialog();
    m_resources->currentIndexChanged.connectWithArg(this, &ExtractOptionsWindow::onResourceChanged);
    m_table->mousePressed.connectWithArg(this, &ExtractOptionsWindow::onTablePressed);
    m_allBox->clicked.connect(this, &ExtractOptionsWindow::onAllBoxClicked);
    m_table->header()->resized.connectWithArg(this, &ExtractOptionsWindow::onHeaderResized);
    m_ok->clicked.connect(this, &ExtractOptionsWindow::onOk);
    m_dialog->closeRequested.connectWithArg(this, &ExtractOptionsWindow::onClose);
}

ExtractOptionsWindow::~ExtractOptionsWindow()
{
    delete m_dialog;
}

void ExtractOptionsWindow::buildDialog()
{
    m_dialog = makeStackedDialog(m_parent,
                                 UINativeWindow::kResizable | UINativeWindow::kMinimizeBox |
                                     UINativeWindow::kMaximizeBox | UINativeWindow::kSystemMenu |
                                     UINativeWindow::kKeyPreview,
                                 tr(u"Extract Options"));
    m_dialog->applyMetricSpacing();
    m_dialog->setRowStretch(1, 100.0f);
    m_dialog->setMinimumSize(250, 335);

    UIGroup* resourceGroup = makeFieldGroup(m_dialog);
    addLabel(resourceGroup, tr(u"Resource"));
    m_resources = new UIComboBox(resourceGroup);
    m_resources->show();
    resourceGroup->show();

    auto* tableGroup = new UIGroup(m_dialog);
    tableGroup->setVerticalFlow(1);
    tableGroup->setRowStretch(0, 100.0f);
    buildTable(tableGroup);
    tableGroup->show();

    m_ok = new UIButton(m_dialog);
    m_ok->setText(tr(u"OK"));
    m_ok->setColorVariant(kOkVariant);
    m_ok->setLayoutAlignment(Rect::kAlignHCenter);
    m_ok->show();
}

void ExtractOptionsWindow::buildTable(UIWidget* parent)
{
    m_view = makeDialogTableView(parent);
    m_table = m_view->table();
    UIHeader* header = m_table->header();
    header->addSection(String(), 20, false)->setSortType(2);
    header->addSection(String(), 50, true)->setSortType(1);
    header->setStretchLastSection(true);
    m_allBox = new UICheck(header);
    m_allBox->setToolTip(tr(u"Check / Uncheck All"));
    m_allBox->setLayoutAlignment(Rect::kAlignLeft | Rect::kAlignVCenter);
    m_allBox->show();
    m_view->show();
}

void ExtractOptionsWindow::exec()
{
    fillResources();
    fillRows();
    if (Application::instance())
        restoreWindowGeometry(m_dialog, String(kGeometryName), true, true);
    m_dialog->relayout();
    placeAllBox();
    updateAllBox();
    m_dialog->setResult(0);
    // Shown modally: returns when the dialog has closed.
    m_dialog->show();
    m_model.setExtractorIndex(m_chosenExtractor);
    if (m_resultMask != 0)
        m_model.setExtractOptions(m_resultMask);
}

void ExtractOptionsWindow::fillResources()
{
    m_resources->clear();
    for (const MovieExtractor* extractor : m_model.extractors()) {
        const String& code = extractor->languageCode();
        UIComboBoxItem* item =
            m_resources->addIconItem(extractor->displayName(), loadImageResource(String(u"flag-") + code));
        item->UIItem::setText(code);
    }
    m_resources->setCurrentIndex(m_model.extractorIndex());
    // Filling moved the current item; the model's choice stands until the
    // user picks another.
    m_chosenExtractor = m_model.extractorIndex();
}

void ExtractOptionsWindow::fillRows()
{
    m_table->clear();
    for (int i = 0; i < kGroupCount; ++i) {
        const uint32_t bit = uint32_t(1) << i;
        auto* row = new UITableRow();
        row->setUserData(uint64_t(bit));
        UITableCell* check = row->addImageCell(Image());
        check->setAlignment(Rect::kAlignHCenter | Rect::kAlignVCenter);
        row->addTextCell(tr(kGroupNames[i]));
        m_table->addRow(row);
        setRowChecked(row, (m_initialMask & bit) != 0);
    }
}

uint32_t ExtractOptionsWindow::rowBit(const UITableRow* row)
{
    return uint32_t(row->userData());
}

bool ExtractOptionsWindow::isRowChecked(const UITableRow* row)
{
    const UITableCell* check = row->cell(0);
    return check && check->userData() == 1;
}

void ExtractOptionsWindow::setRowChecked(UITableRow* row, bool on)
{
    UITableCell* check = row->cell(0);
    check->setImage(on ? m_checkedImage : m_uncheckedImage);
    check->setUserData(on ? 1 : 0);
    check->setSortValue(on ? 1.0 : 0.0);
}

void ExtractOptionsWindow::updateAllBox()
{
    int checked = 0;
    for (const UITableRow* row : m_table->rows())
        checked += isRowChecked(row) ? 1 : 0;
    int state = UICheck::kPartial;
    if (checked == 0)
        state = UICheck::kUnchecked;
    else if (checked == m_table->rowCount())
        state = UICheck::kChecked;
    m_allBox->setCheckState(state);
}

// The header lays out no children of its own: the box is put over the
// first column's section by hand, and again whenever the header changes size.
void ExtractOptionsWindow::placeAllBox()
{
    UIHeader* header = m_table->header();
    header->layoutSections();
    const Rect over = header->section(0)->rect();
    m_allBox->setGeometry(over.x, over.y, over.width, over.height);
}

void ExtractOptionsWindow::onHeaderResized(UIEvent*)
{
    placeAllBox();
}

void ExtractOptionsWindow::onResourceChanged(int index)
{
    if (index != -1)
        m_chosenExtractor = index;
}

void ExtractOptionsWindow::onTablePressed(UIEvent* event)
{
    auto* mouse = static_cast<UIMouseEvent*>(event);
    if (mouse->button() != kLeftButton)
        return;
    UITableRow* row = m_table->rowAt(mouse->position(), nullptr);
    if (!row)
        return;
    setRowChecked(row, !isRowChecked(row));
    m_table->update();
    updateAllBox();
}

// Only the user's click reaches here; the partial state it leaves changes
// nothing.
void ExtractOptionsWindow::onAllBoxClicked()
{
    const int state = m_allBox->checkState();
    if (state == UICheck::kPartial)
        return;
    for (UITableRow* row : m_table->rows())
        setRowChecked(row, state == UICheck::kChecked);
    m_table->update();
}

void ExtractOptionsWindow::onOk()
{
    uint32_t mask = 0;
    for (const UITableRow* row : m_table->rows()) {
        if (isRowChecked(row))
            mask |= rowBit(row);
    }
    if (mask == 0) {
        UIApplication::instance()->playSound(kAlertSound);
        return;
    }
    m_resultMask = mask;
    m_dialog->accept();
}

void ExtractOptionsWindow::onClose(UIEvent*)
{
    if (Application::instance())
        saveWindowGeometry(m_dialog, String(kGeometryName), true, true);
}
