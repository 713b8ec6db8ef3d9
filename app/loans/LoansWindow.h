#pragma once

#include "app/window/Window.h"

#include <vector>

class CollectionModel;
class UIButton;
class UIDialog;
class UIEvent;
class UITabBar;
class UITable;
class UITableRow;
class UITableView;
class UIWidget;
struct Loan;
struct Loaner;

// The people the user lends movies to and the loans of the one selected.
// Changes go straight into the collection's loaner list; overdue loans and
// the loaners who hold them are drawn red.
class LoansWindow : public Window
{
public:
    enum Action
    {
        kAdd = 0,
        kEdit = 1,
        kRemove = 2
    };

    LoansWindow(CollectionModel& model, UIWidget* parent);
    ~LoansWindow() override;
    LoansWindow(const LoansWindow&) = delete;
    LoansWindow& operator=(const LoansWindow&) = delete;

    // Restores the geometry, fills both tables and runs the dialog until it
    // closes.
    void exec();

    // Fills both tables again from the model; no loaner is current after.
    void refresh();
    void onLoanerAction(int index);
    void onLoanAction(int index);
    void onLoanerRowChanged(int row);
    void onLoanRowChanged(int row);
    void onLoanerDoubleClicked(UIEvent* event);
    void onLoanDoubleClicked(UIEvent* event);
    void close();

    UIDialog* dialog() const { return m_dialog; }
    UITabBar* loanerBar() const { return m_loanerBar; }
    UITabBar* loanBar() const { return m_loanBar; }
    UITable* loanerTable() const { return m_loanerTable; }
    UITable* loanTable() const { return m_loanTable; }
    UIButton* closeButton() const { return m_closeButton; }

private:
    void buildUi();
    void connectSignals();
    UITabBar* buildBar(UIWidget* parent, const char16_t* const icons[3], const char16_t* const tips[3]);
    UITableView* buildTable(UIWidget* parent, bool loans);
    void fillLoaners();
    void fillLoans();
    UITableRow* loanerRow(Loaner& loaner, int tag) const;
    UITableRow* loanRow(const Loan& loan, int tag) const;
    Loaner* currentLoaner() const;
    Loan* currentLoan() const;
    void removeCurrentLoan();

    CollectionModel& m_model;
    UIWidget* m_parent = nullptr;
    UIDialog* m_dialog = nullptr;
    UITabBar* m_loanerBar = nullptr;
    UITableView* m_loanerView = nullptr;
    UITable* m_loanerTable = nullptr;
    UITabBar* m_loanBar = nullptr;
    UITableView* m_loanView = nullptr;
    UITable* m_loanTable = nullptr;
    UIButton* m_closeButton = nullptr;
    // A row's tag is its record's position here; rows only refer to records.
    std::vector<Loaner*> m_shownLoaners;
    std::vector<Loan*> m_shownLoans;
};
