#include "model/records/Loaner.h"

bool Loaner::hasOverdueLoan() const
{
    for (const Loan& loan : loans) {
        if (loan.isOverdue())
            return true;
    }
    return false;
}
