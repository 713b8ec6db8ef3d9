#include "app/play/SelectLinkToPlayWindow.h"

#include "app/window/DialogTableView.h"
#include "app/window/StackedDialog.h"
#include "app/window/WindowGeometry.h"
#include "model/records/MovieLink.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIHeaderSection.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableRow.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"SelectLinkToPlayWindow";
const char16_t kGeometryName[] = u"SelectLinkToPlay";
const int kEnterKey = 13;
const int kSpaceKey = 32;
const int kAccepted = 1;
const int kTextSortType = 1;
const int kButtonAlignment = 48;
const int kPlayButtonVariant = 3;

UIButton* addButton(UIWidget* row, const String& text)
{
    auto* button = new UIButton(row);
    button->setText(text);
    button->setLayoutAlignment(kButtonAlignment);
    button->show();
    return button;
}

} // namespace

SelectLinkToPlayWindow::SelectLinkToPlayWindow(const List<const MovieLink*>& links) : m_links(links)
{
    buildUi();
    connectSignals();
}

SelectLinkToPlayWindow::~SelectLinkToPlayWindow()
{
    delete m_dialog;
    m_links.clear();
}

void SelectLinkToPlayWindow::buildUi()
{
    m_dialog = makeStackedDialog(UIApplication::instance()->mainWindow(),
                                 UINativeWindow::kSystemMenu | UINativeWindow::kResizable |
                                     UINativeWindow::kKeyPreview,
                                 translate(u"Select Link", kContext));
    m_dialog->applyMetricSpacing();
    m_dialog->setMinimumWidth(350);
    m_dialog->setMinimumHeight(200);
    // The table takes the height the buttons leave.
    m_dialog->setRowStretch(0, 100.0f);
    auto* group = new UIGroup(m_dialog);
    group->setVerticalFlow(1);
    group->setRowStretch(0, 100.0f);
    group->setSizePolicy(UISizePolicy::kExpanding, UISizePolicy::kExpanding);
    m_view = makeDialogTableView(group);
    m_table = m_view->table();
    m_table->setClearOnEmptyClick(false);
    UIHeader* header = m_table->header();
    header->addSection(translate(u"Description", kContext), 200, true)->setSortType(kTextSortType);
    header->addSection(translate(u"URL", kContext), 50, true)->setSortType(kTextSortType);
    header->setStretchLastSection(true);
    m_view->show();
    group->show();
    auto* row = new UIBox(m_dialog);
    row->setVerticalFlow(0);
    row->applyMetricSpacing();
    (new UIExpander(row))->show();
    m_playButton = addButton(row, translate(u"Play", kContext));
    m_playButton->setColorVariant(kPlayButtonVariant);
    m_cancelButton = addButton(row, translate(u"Cancel", kContext));
    row->show();
}

void SelectLinkToPlayWindow::connectSignals()
{
    m_dialog->closeRequested.connectWithArg(this, &SelectLinkToPlayWindow::closed);
    m_dialog->keyPressed.connectWithArg(this, &SelectLinkToPlayWindow::keyPressed);
    m_table->currentRowChanged.connectWithArg(this, &SelectLinkToPlayWindow::currentRowChanged);
    m_playButton->clicked.connect(this, &SelectLinkToPlayWindow::play);
    m_cancelButton->clicked.connect(this, &SelectLinkToPlayWindow::cancel);
}

int SelectLinkToPlayWindow::exec()
{
    restoreWindowGeometry(m_dialog, String(kGeometryName), true, false);
    fillTable();
    m_dialog->show();
    return m_chosen;
}

// Each row carries its link's position, so a sort by a header keeps what a
// row stands for.
void SelectLinkToPlayWindow::fillTable()
{
    m_table->clear();
    int position = 0;
    for (const MovieLink* link : m_links) {
        auto* row = new UITableRow();
        row->setUserData(uint64_t(position++));
        row->addTextCell(link->description);
        row->addTextCell(link->url);
        m_table->addRow(row);
    }
    if (m_table->rowCount() == 0)
        return;
    m_table->setCurrentRow(0, true);
    m_table->selectRow(0);
    currentRowChanged(0);
}

void SelectLinkToPlayWindow::currentRowChanged(int row)
{
    UITableRow* current = m_table->currentRowItem();
    m_chosen = row != -1 && current ? int(current->userData()) : -1;
}

void SelectLinkToPlayWindow::keyPressed(UIEvent* event)
{
    int key = static_cast<UIKeyEvent*>(event)->key();
    if ((key == kEnterKey || key == kSpaceKey) && m_chosen != -1)
        m_dialog->accept();
}

void SelectLinkToPlayWindow::play()
{
    m_dialog->accept();
}

void SelectLinkToPlayWindow::cancel()
{
    m_chosen = -1;
    m_dialog->reject();
}

void SelectLinkToPlayWindow::closed(UIEvent*)
{
    if (m_dialog->result() != kAccepted)
        m_chosen = -1;
    saveWindowGeometry(m_dialog, String(kGeometryName), true, false);
}
