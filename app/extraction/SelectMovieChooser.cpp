#include "app/extraction/SelectMovieChooser.h"

#include "app/extraction/SelectMovieWindow.h"
#include "app/window/CursorOverride.h"

int SelectMovieChooser::choose(UIWidget* parent, const SearchResultList& results)
{
    CursorOverride normal(CursorOverride::kArrow);
    SelectMovieWindow window(parent, results);
    return window.exec();
}
