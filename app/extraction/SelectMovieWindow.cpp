#include "app/extraction/SelectMovieWindow.h"

#include "app/window/DialogButtonRow.h"
#include "app/window/DialogTableView.h"
#include "app/window/StackedDialog.h"
#include "app/window/WindowGeometry.h"
#include "model/application/Application.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIHeaderSection.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"SelectMovieWindow";
const char16_t kGeometryName[] = u"SelectMovie";
constexpr int kEnterKey = 13;
constexpr int kSpaceKey = 32;
constexpr int kOkVariant = 3;

String tr(const char16_t* text)
{
    return Window::translate(text, kContext);
}

} // namespace

SelectMovieWindow::SelectMovieWindow(UIWidget* parent, const SearchResultList& results)
{
    for (const SearchResult& result : results)
        m_results.append(result);
    buildDialog(parent);
    m_dialog->shown.connectWithArg(this, &SelectMovieWindow::onShown);
    m_dialog->keyPressed.connectWithArg(this, &SelectMovieWindow::onKey);
    m_dialog->closeRequested.connectWithArg(this, &SelectMovieWindow::onClose);
    m_table->currentRowChanged.connectWithArg(this, &SelectMovieWindow::onCurrentRowChanged);
    m_table->mouseDoubleClicked.connectWithArg(this, &SelectMovieWindow::onDoubleClicked);
    m_ok->clicked.connect(this, &SelectMovieWindow::onOk);
    m_cancel->clicked.connect(this, &SelectMovieWindow::onCancel);
}

SelectMovieWindow::~SelectMovieWindow()
{
    delete m_dialog;
}

void SelectMovieWindow::buildDialog(UIWidget* parent)
{
    m_dialog = makeStackedDialog(
        parent, UINativeWindow::kResizable | UINativeWindow::kSystemMenu | UINativeWindow::kKeyPreview,
        tr(u"Select Movie"));
    m_dialog->applyMetricSpacing();
    m_dialog->setRowStretch(0, 100.0f);
    m_dialog->setMinimumSize(350, 300);

    auto* group = new UIGroup(m_dialog);
    group->setVerticalFlow(1);
    group->setRowStretch(0, 100.0f);
    m_view = makeDialogTableView(group);
    m_table = m_view->table();
    m_table->setFlag(UIWidget::kWantsDoubleClicks, true);
    UIHeader* header = m_table->header();
    header->addSection(tr(u"Title"), 200, true)->setSortType(1);
    header->addSection(tr(u"Year"), 50, true)->setSortType(2);
    header->setStretchLastSection(true);
    m_view->show();
    group->show();

    addButtonRow(m_dialog, tr(u"OK"), kOkVariant, tr(u"Cancel"), &m_ok, &m_cancel);
}

int SelectMovieWindow::exec()
{
    if (Application::instance())
        restoreWindowGeometry(m_dialog, String(kGeometryName), true, false);
    fillTable();
    m_table->selectRow(0);
    m_dialog->setResult(0);
    // Shown modally: returns when the dialog has closed.
    m_dialog->show();
    return m_selectedIndex;
}

void SelectMovieWindow::fillTable()
{
    m_table->clear();
    for (const SearchResult& result : m_results) {
        auto* row = new UITableRow();
        row->setTag(result.index);
        row->addTextCell(result.title);
        UITableCell* year = row->addTextCell(result.year == 0 ? String() : String::fromInt(result.year));
        year->setSortValue(double(result.year));
        m_table->addRow(row);
    }
}

void SelectMovieWindow::onShown(UIEvent*)
{
    m_table->setFocus();
}

void SelectMovieWindow::onCurrentRowChanged(int)
{
    const UITableRow* row = m_table->currentRowItem();
    m_selectedIndex = row ? row->tag() : -1;
}

void SelectMovieWindow::onDoubleClicked(UIEvent*)
{
    if (m_table->currentRowItem())
        m_dialog->accept();
}

void SelectMovieWindow::onKey(UIEvent* event)
{
    const int key = static_cast<UIKeyEvent*>(event)->key();
    if ((key == kEnterKey || key == kSpaceKey) && m_selectedIndex != -1)
        m_dialog->accept();
}

void SelectMovieWindow::onOk()
{
    m_dialog->accept();
}

void SelectMovieWindow::onCancel()
{
    m_selectedIndex = -1;
    m_dialog->reject();
}

void SelectMovieWindow::onClose(UIEvent*)
{
    if (m_dialog->result() != 1)
        m_selectedIndex = -1;
    if (Application::instance())
        saveWindowGeometry(m_dialog, String(kGeometryName), true, false);
}
