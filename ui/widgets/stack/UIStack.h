#pragma once

#include "foundation/containers/List.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"

class UIStackPage;

// A fixed number of pages, made with the stack, of which at most one shows.
// Its size hint covers every page, shown or not, so switching pages never
// changes the layout around it.
class UIStack : public UIWidget
{
public:
    UIStack(int pageCount, UIWidget* parent);

    static UIStyleNames styleNames();

    // -1 hides every page; an index outside -1 .. count - 1 changes nothing.
    void setCurrentIndex(int index);
    int currentIndex() const { return m_currentIndex; }
    // The first page for an index below 1; null past the end.
    UIStackPage* page(int index) const;
    int pageCount() const { return m_pages.count(); }

    Size sizeHint() const override;

private:
    List<UIStackPage*> m_pages;
    int m_currentIndex = -1;
};
