#include "model/records/LoanerList.h"

#include "foundation/text/CharClass.h"

namespace {

// Names are the same when they match unit by unit once each unit is
// upper-cased.
bool sameName(const String& a, const String& b)
{
    if (a.length() != b.length())
        return false;
    for (int i = 0; i < a.length(); ++i) {
        if (toUpperUnit(a.at(i)) != toUpperUnit(b.at(i)))
            return false;
    }
    return true;
}

} // namespace

bool LoanerList::remove(Node* node)
{
    for (Node* candidate = first(); candidate; candidate = candidate->next) {
        if (candidate == node) {
            erase(candidate);
            return true;
        }
    }
    return false;
}

bool LoanerList::containsName(const String& name) const
{
    for (const Loaner& loaner : *this) {
        if (sameName(loaner.name, name))
            return true;
    }
    return false;
}

int LoanerList::removeLoansOfMovie(int32_t movieId)
{
    int removed = 0;
    for (Loaner& loaner : *this) {
        LoanList::Node* node = loaner.loans.first();
        while (node) {
            if (node->value.movieId != movieId) {
                node = node->next;
                continue;
            }
            loaner.loans.erase(node);
            ++removed;
        }
    }
    return removed;
}

bool LoanerList::hasLoanOfMovie(int32_t movieId) const
{
    for (const Loaner& loaner : *this) {
        for (const Loan& loan : loaner.loans) {
            if (loan.movieId == movieId)
                return true;
        }
    }
    return false;
}
