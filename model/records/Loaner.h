#pragma once

#include "foundation/text/String.h"
#include "model/records/Loan.h"

// Someone the user lends movies to, with the loans made to that person.
struct Loaner
{
    bool hasOverdueLoan() const;

    String name;
    String email;
    String address;
    String phone;
    String comments;
    LoanList loans;
};
