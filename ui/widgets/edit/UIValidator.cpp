#include "ui/widgets/edit/UIValidator.h"

int UIValidator::validate(String&, int&) const
{
    return kAcceptable;
}
