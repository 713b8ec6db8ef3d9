#include "model/textexchange/DelimitedTextWriter.h"

#include "model/records/Movie.h"

String DelimitedTextWriter::text(const List<Movie*>& movies, const DelimitedTextFormat& format,
                                 const Progress& progress)
{
    return lines(movies, format, movies.count(), progress);
}

String DelimitedTextWriter::preview(const List<Movie*>& movies, const DelimitedTextFormat& format)
{
    String result = lines(movies, format, kPreviewMovies, Progress());
    if (result.isEmpty())
        return result;
    result.append(String::crlf());
    result.appendCString(u"...");
    return result;
}

String DelimitedTextWriter::lines(const List<Movie*>& movies, const DelimitedTextFormat& format, int limit,
                                  const Progress& progress)
{
    const int64_t count = movies.count();
    String result;
    int shown = -1;
    int index = 0;
    for (List<Movie*>::Node* node = movies.first(); node && index < limit; node = node->next, ++index) {
        const int percent = int(index * 100 / count);
        if (progress && percent != shown) {
            shown = percent;
            progress(percent);
        }
        if (index > 0)
            result.append(String::crlf());
        format.appendLine(result, node->value->title, node->value->year);
    }
    return result;
}
