#include "app/loans/MovieBox.h"

void MovieBox::fill(const std::vector<LoanRules::MovieChoice>& choices)
{
    m_isMeasured = false;
    clear();
    for (const LoanRules::MovieChoice& choice : choices) {
        UIComboBoxItem* item = addItem(choice.caption);
        item->setUserData(static_cast<uint64_t>(static_cast<uint32_t>(choice.movieId)));
    }
    // Already in order: the box keeps later items in order too.
    setSorted(true);
    setCurrentIndex(0);
    m_measured = UIComboBox::sizeHint();
    m_isMeasured = true;
}

Size MovieBox::sizeHint() const
{
    return m_isMeasured ? m_measured : UIComboBox::sizeHint();
}
