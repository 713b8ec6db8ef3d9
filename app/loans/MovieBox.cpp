#include "app/loans/MovieBox.h"

Size MovieBox::sizeHint() const
{
    return Size(style().minimumWidth, style().minimumHeight);
}
