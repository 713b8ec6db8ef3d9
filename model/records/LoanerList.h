#pragma once

#include "foundation/containers/List.h"
#include "model/records/Loaner.h"

#include <cstdint>

// The loaners of a collection, with the loan period the loan editor proposes.
class LoanerList : public List<Loaner>
{
public:
    static constexpr int32_t kDefaultLoanPeriod = 14;

    int32_t defaultLoanPeriod() const { return m_defaultLoanPeriod; }
    void setDefaultLoanPeriod(int32_t days) { m_defaultLoanPeriod = days; }

    // Removes the loaner in this node with its loans; a node of another list
    // (or null) changes nothing and gives false.
    bool remove(Node* node);
    // Names compare ignoring letter case.
    bool containsName(const String& name) const;
    // Every loan of the movie, returned or not, from every loaner; the number
    // removed.
    int removeLoansOfMovie(int32_t movieId);
    bool hasLoanOfMovie(int32_t movieId) const;

private:
    int32_t m_defaultLoanPeriod = kDefaultLoanPeriod;
};
