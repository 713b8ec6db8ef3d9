#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"
#include "model/textexchange/DelimitedTextFormat.h"

#include <functional>

class Movie;

// The text of a delimited export: one line per movie in the list's order,
// lines joined by CR LF with none after the last (the file writer ends the
// file with one).
class DelimitedTextWriter
{
public:
    // The preview lists at most this many movies.
    static constexpr int kPreviewMovies = 5;

    // Told the share done, i × 100 / n before movie i, each time it changes.
    using Progress = std::function<void(int percent)>;

    // Every movie; empty for none.
    static String text(const List<Movie*>& movies, const DelimitedTextFormat& format,
                       const Progress& progress = Progress());
    // The first movies and then a line "..."; empty for no movies.
    static String preview(const List<Movie*>& movies, const DelimitedTextFormat& format);

private:
    static String lines(const List<Movie*>& movies, const DelimitedTextFormat& format, int limit,
                        const Progress& progress);
};
