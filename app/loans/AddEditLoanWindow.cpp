#include "app/loans/AddEditLoanWindow.h"

#include "app/loans/LoanDialogParts.h"
#include "app/loans/LoanRules.h"
#include "app/loans/MovieBox.h"
#include "app/window/DialogLabel.h"
#include "app/window/DialogRun.h"
#include "graphics/image/ImageSet.h"
#include "model/CollectionModel.h"
#include "model/images/ImageResource.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/calendar/UIDateDialog.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/combo/UIComboBoxItem.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"AddEditLoanWindow";
const char16_t kGeometry[] = u"AddEditLoan";
const int kCalendarButton = 0;
const int kEraserButton = 1;

ImageSet icon(const char16_t* name)
{
    return ImageSet::ImageSetFromImage(loadImageResource(String(name)));
}

} // namespace

AddEditLoanWindow::AddEditLoanWindow(CollectionModel& model, UIWidget* parent, Loaner& loaner, Loan* loan)
    : m_model(model), m_parent(parent), m_loaner(loaner), m_loan(loan), m_editing(loan != nullptr)
{
    buildUi();
    m_dateBars[kLendDate]->tabClicked.connectWithArg(this, &AddEditLoanWindow::onLoanDateButton);
    m_dateBars[kDueDate]->tabClicked.connectWithArg(this, &AddEditLoanWindow::onDueDateButton);
    m_dateBars[kReturnDate]->tabClicked.connectWithArg(this, &AddEditLoanWindow::onReturnDateButtons);
    m_movieBox->currentIndexChanged.connectWithArg(this, &AddEditLoanWindow::onMovieChosen);
    m_ok->clicked.connect(this, &AddEditLoanWindow::onOk);
    m_cancel->clicked.connect(this, &AddEditLoanWindow::cancel);
}

AddEditLoanWindow::~AddEditLoanWindow()
{
    delete m_dialog;
}

void AddEditLoanWindow::buildUi()
{
    UIGroup* group = nullptr;
    m_dialog = makeLoanDialog(m_parent, translate(m_editing ? u"Edit Loan" : u"Add Loan", kContext), &group);
    addLabel(group, translate(u"Movie", kContext));
    m_movieBox = new MovieBox(group);
    m_movieBox->setMaxVisibleItems(20);
    m_movieBox->show();
    buildDateRow(group, kLendDate, u"Loan Date");
    buildDateRow(group, kDueDate, u"Due Date");
    buildDateRow(group, kReturnDate, u"Return Date");
    addLabel(group, translate(u"Notes", kContext));
    m_notes = new UILineEdit(group);
    m_notes->show();
    addLoanButtonRow(m_dialog, kContext, &m_ok, &m_cancel);
}

void AddEditLoanWindow::buildDateRow(UIGroup* group, int row, const char16_t* label)
{
    addLabel(group, translate(label, kContext));
    auto* box = new UIBox(group);
    box->setVerticalFlow(0);
    box->setLayoutMargin(0);
    box->applyMetricSpacing();
    m_dateLabels[row] = new UILabel(box);
    m_dateLabels[row]->setMinimumWidth(70);
    m_dateLabels[row]->show();
    UITabBar* bar = new UITabBar(box);
    bar->setTabStyle(UITabBar::kIconOnly);
    bar->setExclusive(false);
    bar->addTab(icon(u"calendar"), String());
    if (row == kReturnDate)
        bar->addTab(icon(u"eraser"), String());
    bar->setAllTabsSelectable(false);
    bar->show();
    m_dateBars[row] = bar;
    (new UIExpander(box))->show();
    box->show();
}

void AddEditLoanWindow::fillMovies()
{
    m_filling = true;
    m_movieBox->fill(LoanRules::sortedMovieChoices(m_model.movies()));
    m_filling = false;
}

void AddEditLoanWindow::load()
{
    fillMovies();
    if (m_editing) {
        m_filling = true;
        // A damaged file may name a movie the box does not hold: then no
        // item is current and OK keeps the loan's own movie.
        m_movieBox->setCurrentIndex(-1);
        m_movieBox->setCurrentUserData(static_cast<uint64_t>(static_cast<uint32_t>(m_loan->movieId)));
        m_filling = false;
        m_dates[kLendDate] = m_loan->lendDate;
        m_dates[kDueDate] = m_loan->dueDate;
        m_dates[kReturnDate] = m_loan->returnDate;
        m_notes->setText(m_loan->notes);
    } else {
        m_dates[kLendDate] = Date::todayLocal();
        m_dates[kDueDate] = LoanRules::dueDateFor(m_dates[kLendDate], m_model.loaners().defaultLoanPeriod());
        m_dates[kReturnDate] = Date();
    }
    updateDateLabels();
}

bool AddEditLoanWindow::exec()
{
    return runDialogInItsPlace(m_dialog, String(kGeometry), false, [this] { load(); });
}

void AddEditLoanWindow::updateDateLabels()
{
    for (int row = kLendDate; row <= kReturnDate; ++row)
        m_dateLabels[row]->setText(LoanRules::dateText(m_dates[row], translate(u"n/a", kContext)));
}

void AddEditLoanWindow::setDate(int row, const Date& date)
{
    m_dates[row] = date;
    updateDateLabels();
}

void AddEditLoanWindow::chooseDate(int row)
{
    UIDateDialog chooser(m_dialog);
    chooser.setDate(m_dates[row].isNull() ? Date::todayLocal() : m_dates[row]);
    if (chooser.exec())
        setDate(row, chooser.selectedDate());
}

void AddEditLoanWindow::onLoanDateButton(int index)
{
    if (index == kCalendarButton)
        chooseDate(kLendDate);
}

void AddEditLoanWindow::onDueDateButton(int index)
{
    if (index == kCalendarButton)
        chooseDate(kDueDate);
}

void AddEditLoanWindow::onReturnDateButtons(int index)
{
    if (index == kCalendarButton)
        chooseDate(kReturnDate);
    else if (index == kEraserButton)
        setDate(kReturnDate, Date());
}

void AddEditLoanWindow::onMovieChosen(int index)
{
    if (!m_filling && index >= 0)
        m_moviePicked = true;
}

int32_t AddEditLoanWindow::chosenMovieId() const
{
    if (m_editing && !m_moviePicked)
        return m_loan->movieId;
    const UIComboBoxItem* item = m_movieBox->currentItem();
    return item ? static_cast<int32_t>(static_cast<uint32_t>(item->userData())) : 0;
}

bool AddEditLoanWindow::store()
{
    LoanRules::LoanInput input;
    input.hasMovies = m_movieBox->count() > 0;
    input.movieId = chosenMovieId();
    input.lendDate = m_dates[kLendDate];
    input.dueDate = m_dates[kDueDate];
    input.returnDate = m_dates[kReturnDate];
    if (LoanRules::checkLoan(m_loaner, m_loan, input) != LoanRules::kLoanAccepted)
        return false;
    Loan values{input.movieId, input.lendDate, input.dueDate, input.returnDate, m_notes->text().trim()};
    if (m_editing)
        *m_loan = values;
    else
        m_loaner.loans.append(values);
    return true;
}

void AddEditLoanWindow::onOk()
{
    if (store())
        m_dialog->accept();
    else
        beepRefusal();
}

void AddEditLoanWindow::cancel()
{
    m_dialog->reject();
}
