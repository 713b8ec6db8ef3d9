#pragma once

#include "ui/widgets/items/UITableRow.h"

class Movie;
class MovieCells;

// A table row of one movie, tagged with its id. Its cells are made from
// the movie when first needed, so filling a table of a whole collection
// makes no cell texts at all.
class MovieTableRow : public UITableRow
{
public:
    MovieTableRow(const Movie& movie, MovieCells& cells);

    const Movie& movie() const { return m_movie; }
    // Drops the cells made so far; each is made again from the movie as it
    // is next needed.
    void remakeCells();

protected:
    UITableCell* makeCell(int column) override;

private:
    const Movie& m_movie;
    MovieCells& m_cells;
};
