#pragma once

#include "app/loans/MovieBox.h"
#include "app/window/Window.h"
#include "foundation/time/Date.h"

#include <cstdint>

class CollectionModel;
class UIButton;
class UIDialog;
class UIGroup;
class UILabel;
class UILineEdit;
class UITabBar;
class UIWidget;
struct Loan;
struct Loaner;

// Adds a loan to a loaner or edits one of their loans: the movie, the loan,
// due and return dates (set through a calendar) and notes. OK stores only
// what the loan rules allow; a refusal beeps and keeps the input.
class AddEditLoanWindow : public Window
{
public:
    enum DateRow
    {
        kLendDate = 0,
        kDueDate = 1,
        kReturnDate = 2
    };

    // loan: one of the loaner's loans to edit, or null to add one.
    AddEditLoanWindow(CollectionModel& model, UIWidget* parent, Loaner& loaner, Loan* loan);
    ~AddEditLoanWindow() override;
    AddEditLoanWindow(const AddEditLoanWindow&) = delete;
    AddEditLoanWindow& operator=(const AddEditLoanWindow&) = delete;

    // Fills the movie box and the dates, then runs the dialog; true when
    // the user confirmed and the loan was stored.
    bool exec();
    // Fills the controls as exec does, without showing the dialog.
    void load();
    bool store();
    void onOk();
    void cancel();
    void onLoanDateButton(int index);
    void onDueDateButton(int index);
    // 0 the calendar, 1 the eraser.
    void onReturnDateButtons(int index);
    void onMovieChosen(int index);

    const Date& date(int row) const { return m_dates[row]; }
    void setDate(int row, const Date& date);

    UIDialog* dialog() const { return m_dialog; }
    UIComboBox* movieBox() const { return m_movieBox; }
    UILabel* dateLabel(int row) const { return m_dateLabels[row]; }
    UITabBar* dateBar(int row) const { return m_dateBars[row]; }
    UILineEdit* notesField() const { return m_notes; }
    UIButton* okButton() const { return m_ok; }
    UIButton* cancelButton() const { return m_cancel; }

private:
    void buildUi();
    void buildDateRow(UIGroup* group, int row, const char16_t* label);
    void fillMovies();
    void updateDateLabels();
    void chooseDate(int row);
    // The movie OK lends: the one the user picked, else the edited loan's own.
    int32_t chosenMovieId() const;

    CollectionModel& m_model;
    UIWidget* m_parent = nullptr;
    Loaner& m_loaner;
    Loan* m_loan = nullptr;
    bool m_editing = false;
    bool m_moviePicked = false;
    bool m_filling = false;
    Date m_dates[3];
    UIDialog* m_dialog = nullptr;
    MovieBox* m_movieBox = nullptr;
    UILabel* m_dateLabels[3] = {nullptr, nullptr, nullptr};
    UITabBar* m_dateBars[3] = {nullptr, nullptr, nullptr};
    UILineEdit* m_notes = nullptr;
    UIButton* m_ok = nullptr;
    UIButton* m_cancel = nullptr;
};
