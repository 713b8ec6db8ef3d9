#pragma once

#include "ui/widgets/combo/UIComboBox.h"

// The loan editor's choice of one movie of the collection. It takes the
// width the dialog gives it instead of the width of its widest title: a
// collection of 100,000 movies would otherwise be measured title by title
// at every layout, and one long title would widen the dialog past the
// screen.
class MovieBox : public UIComboBox
{
public:
    explicit MovieBox(UIWidget* parent) : UIComboBox(parent) {}

    Size sizeHint() const override;
};
