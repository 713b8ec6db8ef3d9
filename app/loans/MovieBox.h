#pragma once

#include "app/loans/LoanRules.h"
#include "ui/widgets/combo/UIComboBox.h"

#include <vector>

// The loan editor's choice of one movie of the collection. It is as wide as
// its widest title (within the skin's limits), measured once when it is
// filled: a collection of 100,000 movies would otherwise be measured title
// by title at every layout of the dialog.
class MovieBox : public UIComboBox
{
public:
    explicit MovieBox(UIWidget* parent) : UIComboBox(parent) {}

    // Replaces the items by the choices, already in the box's order, each
    // carrying its movie id; the first becomes current.
    void fill(const std::vector<LoanRules::MovieChoice>& choices);

    Size sizeHint() const override;

private:
    Size m_measured;
    bool m_isMeasured = false;
};
