#include "app/views/MovieTableRow.h"

#include "app/views/MovieCells.h"
#include "model/records/Movie.h"

MovieTableRow::MovieTableRow(const Movie& movie, MovieCells& cells) : m_movie(movie), m_cells(cells)
{
    setTag(movie.id);
    setDeferredCellCount(MovieCells::kColumnCount);
}

void MovieTableRow::remakeCells()
{
    forgetDeferredCells();
}

UITableCell* MovieTableRow::makeCell(int column)
{
    return m_cells.makeCell(m_movie, column);
}
