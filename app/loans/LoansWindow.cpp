#include "app/loans/LoansWindow.h"

#include "app/loans/AddEditLoanWindow.h"
#include "app/loans/AddEditLoanerWindow.h"
#include "app/loans/LoanRules.h"
#include "app/window/DialogRun.h"
#include "app/window/DialogTableView.h"
#include "app/window/Shown.h"
#include "app/window/StackedDialog.h"
#include "graphics/image/ImageSet.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/Pen.h"
#include "model/CollectionModel.h"
#include "model/images/ImageResource.h"
#include "model/records/LoanerList.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/decorative/UILine.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/items/UIHeader.h"
#include "ui/widgets/items/UIHeaderSection.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableCell.h"
#include "ui/widgets/items/UITableRow.h"
#include "ui/widgets/items/UITableView.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"LoansWindow";
const uint32_t kLeftButton = 1;
const int kByText = 1;
const int kByNumber = 2;

struct ColumnSpec
{
    const char16_t* title;
    int width;
    int sortType;
};

const ColumnSpec kLoanerColumns[5] = {{u"Name", 100, kByText},
                                      {u"Address", 100, kByText},
                                      {u"E-Mail", 100, kByText},
                                      {u"Phone", 100, kByText},
                                      {u"Comments", 100, kByText}};
const ColumnSpec kLoanColumns[5] = {{u"Movie", 150, kByText},
                                    {u"Loan Date", 100, kByNumber},
                                    {u"Due Date", 100, kByNumber},
                                    {u"Return Date", 100, kByNumber},
                                    {u"Notes", 100, kByText}};

const char16_t* const kLoanerIcons[3] = {u"user--plus", u"user--pencil", u"user--minus"};
const char16_t* const kLoanerTips[3] = {u"Add Loaner...", u"Edit Loaner...", u"Remove Loaner"};
const char16_t* const kLoanIcons[3] = {u"loan-plus", u"loan-pencil", u"loan-minus"};
const char16_t* const kLoanTips[3] = {u"Add Loan...", u"Edit Loan...", u"Remove Loan"};

String tr(const char16_t* text)
{
    return Window::translate(text, kContext);
}

Pen overduePen()
{
    return Pen(Color(233, 0, 0));
}

void addDateCell(UITableRow* row, const Date& date)
{
    UITableCell* cell = row->addTextCell(LoanRules::dateText(date, tr(u"n/a")));
    cell->setSortValue(LoanRules::dateSortValue(date));
}

bool isLeftDoubleClick(UIEvent* event)
{
    return static_cast<UIMouseEvent*>(event)->button() == kLeftButton;
}

} // namespace

LoansWindow::LoansWindow(CollectionModel& model, UIWidget* parent) : m_model(model), m_parent(parent)
{
    buildUi();
    connectSignals();
}

LoansWindow::~LoansWindow()
{
    delete m_dialog;
}

void LoansWindow::buildUi()
{
    m_dialog = makeStackedDialog(m_parent,
                                 UINativeWindow::kResizable | UINativeWindow::kMinimizeBox |
                                     UINativeWindow::kMaximizeBox | UINativeWindow::kSystemMenu |
                                     UINativeWindow::kKeyPreview,
                                 tr(u"Loans"));
    m_dialog->applyMetricSpacing();
    m_dialog->setRowStretch(0, 100.0f);
    m_dialog->setMinimumSize(640, 400);
    // The id driven tests find the window by.
    m_dialog->setObjectId(String(u"loans"));

    auto* tables = shown(new UIGroup(m_dialog));
    tables->setVerticalFlow(1);
    tables->setSizePolicy(UISizePolicy::kExpanding, UISizePolicy::kExpanding);
    tables->setRowStretch(1, 70.0f);
    tables->setRowStretch(3, 30.0f);
    m_loanerBar = buildBar(tables, kLoanerIcons, kLoanerTips);
    m_loanerView = buildTable(tables, false);
    m_loanerTable = m_loanerView->table();
    m_loanerView->setMinimumWidth(300);
    m_loanBar = buildBar(tables, kLoanIcons, kLoanTips);
    m_loanBar->setTabEnabled(kAdd, false);
    m_loanView = buildTable(tables, true);
    m_loanTable = m_loanView->table();

    shown(new UILine(m_dialog));
    auto* buttons = shown(new UIBox(m_dialog));
    buttons->setVerticalFlow(0);
    buttons->applyMetricSpacing();
    buttons->setTopMargin(10);
    shown(new UIExpander(buttons));
    m_closeButton = shown(new UIButton(buttons));
    m_closeButton->setText(tr(u"Close"));
    m_closeButton->setColorVariant(3);
}

UITabBar* LoansWindow::buildBar(UIWidget* parent, const char16_t* const icons[3],
                                const char16_t* const tips[3])
{
    auto* bar = shown(new UITabBar(parent));
    bar->setLayoutAlignment(0x11);
    bar->setTabStyle(UITabBar::kIconOnly);
    bar->setExclusive(false);
    for (int i = 0; i < 3; ++i) {
        bar->addTab(ImageSet::ImageSetFromImage(loadImageResource(String(icons[i]))), String());
        bar->setTabToolTip(i, tr(tips[i]));
        bar->setTabEnabled(i, i == kAdd);
    }
    bar->setAllTabsSelectable(false);
    return bar;
}

UITableView* LoansWindow::buildTable(UIWidget* parent, bool loans)
{
    auto* view = shown(makeDialogTableView(parent));
    UITable* table = view->table();
    table->setFlag(UIWidget::kWantsDoubleClicks, true);
    UIHeader* header = table->header();
    for (const ColumnSpec& column : loans ? kLoanColumns : kLoanerColumns)
        header->addSection(tr(column.title), column.width, true)->setSortType(column.sortType);
    header->setStretchLastSection(true);
    return view;
}

void LoansWindow::connectSignals()
{
    m_loanerBar->tabClicked.connectWithArg(this, &LoansWindow::onLoanerAction);
    m_loanBar->tabClicked.connectWithArg(this, &LoansWindow::onLoanAction);
    m_loanerTable->currentRowChanged.connectWithArg(this, &LoansWindow::onLoanerRowChanged);
    m_loanTable->currentRowChanged.connectWithArg(this, &LoansWindow::onLoanRowChanged);
    m_loanerTable->mouseDoubleClicked.connectWithArg(this, &LoansWindow::onLoanerDoubleClicked);
    m_loanTable->mouseDoubleClicked.connectWithArg(this, &LoansWindow::onLoanDoubleClicked);
    m_closeButton->clicked.connect(this, &LoansWindow::close);
}

void LoansWindow::exec()
{
    runDialogInItsPlace(m_dialog, String(u"Loans"), true, [this] {
        m_loanView->setEnabled(false);
        fillLoaners();
        fillLoans();
    });
}

UITableRow* LoansWindow::loanerRow(Loaner& loaner, int tag) const
{
    auto* row = new UITableRow();
    row->setTag(tag);
    UITableCell* name = row->addTextCell(loaner.name);
    if (loaner.hasOverdueLoan())
        name->setPen(overduePen());
    row->addTextCell(loaner.address);
    row->addTextCell(loaner.email);
    row->addTextCell(loaner.phone);
    row->addTextCell(loaner.comments);
    return row;
}

UITableRow* LoansWindow::loanRow(const Loan& loan, int tag) const
{
    auto* row = new UITableRow();
    row->setTag(tag);
    // A damaged file may name a movie the collection does not hold.
    const Movie* movie = m_model.movieById(loan.movieId);
    UITableCell* title = row->addTextCell(movie ? LoanRules::movieCaption(*movie) : tr(u"(movie missing)"));
    if (loan.isOverdue())
        title->setPen(overduePen());
    addDateCell(row, loan.lendDate);
    addDateCell(row, loan.dueDate);
    addDateCell(row, loan.returnDate);
    row->addTextCell(loan.notes);
    return row;
}

void LoansWindow::fillLoaners()
{
    m_loanerTable->clear();
    m_shownLoaners.clear();
    for (Loaner& loaner : m_model.loaners()) {
        m_loanerTable->addRow(loanerRow(loaner, int(m_shownLoaners.size())));
        m_shownLoaners.push_back(&loaner);
    }
    m_loanTable->clear();
    m_shownLoans.clear();
}

void LoansWindow::fillLoans()
{
    m_loanTable->clear();
    m_shownLoans.clear();
    Loaner* loaner = currentLoaner();
    if (!loaner)
        return;
    for (Loan& loan : loaner->loans) {
        m_loanTable->addRow(loanRow(loan, int(m_shownLoans.size())));
        m_shownLoans.push_back(&loan);
    }
}

void LoansWindow::refresh()
{
    fillLoaners();
    fillLoans();
    m_loanerTable->update();
    m_loanTable->update();
}

Loaner* LoansWindow::currentLoaner() const
{
    UITableRow* row = m_loanerTable->currentRowItem();
    if (!row || row->tag() < 0 || row->tag() >= int(m_shownLoaners.size()))
        return nullptr;
    return m_shownLoaners[row->tag()];
}

Loan* LoansWindow::currentLoan() const
{
    UITableRow* row = m_loanTable->currentRowItem();
    if (!row || row->tag() < 0 || row->tag() >= int(m_shownLoans.size()))
        return nullptr;
    return m_shownLoans[row->tag()];
}

void LoansWindow::onLoanerRowChanged(int row)
{
    const bool selected = row != -1;
    m_loanerBar->setTabEnabled(kEdit, selected);
    m_loanerBar->setTabEnabled(kRemove, selected);
    const bool lendable = selected && m_model.movieCount() > 0;
    m_loanBar->setTabEnabled(kAdd, lendable);
    fillLoans();
    m_loanView->setEnabled(lendable);
}

void LoansWindow::onLoanRowChanged(int row)
{
    m_loanBar->setTabEnabled(kEdit, row != -1);
    m_loanBar->setTabEnabled(kRemove, row != -1);
}

void LoansWindow::onLoanerAction(int index)
{
    Loaner* loaner = currentLoaner();
    switch (index) {
    case kAdd:
        AddEditLoanerWindow(m_model, m_dialog, nullptr).exec();
        refresh();
        break;
    case kEdit:
        if (loaner && AddEditLoanerWindow(m_model, m_dialog, loaner).exec())
            refresh();
        break;
    case kRemove:
        if (!loaner)
            break;
        for (LoanerList::Node* node = m_model.loaners().first(); node; node = node->next) {
            if (&node->value == loaner) {
                m_model.loaners().remove(node);
                break;
            }
        }
        refresh();
        break;
    default:
        break;
    }
}

void LoansWindow::onLoanAction(int index)
{
    Loaner* loaner = currentLoaner();
    if (!loaner)
        return;
    switch (index) {
    case kAdd:
        if (m_model.movieCount() == 0)
            break;
        AddEditLoanWindow(m_model, m_dialog, *loaner, nullptr).exec();
        refresh();
        break;
    case kEdit:
        if (Loan* loan = currentLoan()) {
            if (AddEditLoanWindow(m_model, m_dialog, *loaner, loan).exec())
                refresh();
        }
        break;
    case kRemove:
        removeCurrentLoan();
        break;
    default:
        break;
    }
}

void LoansWindow::removeCurrentLoan()
{
    Loaner* loaner = currentLoaner();
    Loan* loan = currentLoan();
    if (!loaner || !loan)
        return;
    for (LoanList::Node* node = loaner->loans.first(); node; node = node->next) {
        if (&node->value == loan) {
            loaner->loans.erase(node);
            break;
        }
    }
    refresh();
}

void LoansWindow::onLoanerDoubleClicked(UIEvent* event)
{
    if (isLeftDoubleClick(event) && currentLoaner())
        onLoanerAction(kEdit);
}

void LoansWindow::onLoanDoubleClicked(UIEvent* event)
{
    if (isLeftDoubleClick(event) && currentLoan())
        onLoanAction(kEdit);
}

void LoansWindow::close()
{
    m_dialog->reject();
}
