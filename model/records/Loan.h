#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"
#include "foundation/time/Date.h"

#include <cstdint>

// One lending of a movie, which it names by id only.
struct Loan
{
    // Out (no return date) and past its due date: due today is not overdue yet.
    bool isOverdue() const;

    int32_t movieId = 0;
    Date lendDate;
    Date dueDate;
    // The null date while the movie is out.
    Date returnDate;
    String notes;
};

class LoanList : public List<Loan>
{
};
