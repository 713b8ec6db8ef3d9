#include "ui/widgets/spinbox/UISpinBox.h"

// Natively there are no monitors to ask.
int UISpinBox::monitorHeight() const
{
    return 0;
}
