#include "model/records/Loan.h"

bool Loan::isOverdue() const
{
    if (!returnDate.isNull())
        return false;
    return Date::todayLocal().isAfter(dueDate);
}
