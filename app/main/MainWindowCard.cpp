// The main window's movie card and its title.
#include "app/main/MainWindow.h"

#include "foundation/containers/StringList.h"
#include "model/CollectionModel.h"
#include "model/records/Movie.h"
#include "ui/views/web/UIWebView.h"
#include "ui/widgets/window/UIWindow.h"

namespace {

// The title, and the year in brackets when it is known.
String captionOf(const Movie& movie)
{
    if (movie.year == 0)
        return movie.title;
    return movie.title + String(u" (") + String::fromInt(movie.year) + String(u")");
}

} // namespace

void MainWindow::showCard()
{
    Movie* movie = currentMovie();
    if (movie)
        m_model.noteShown(movie);
    StringList parts;
    if (movie)
        parts.append(captionOf(*movie));
    String collection = m_model.collectionName();
    if (!collection.isEmpty())
        parts.append(collection);
    m_window->setWindowTitleParts(parts, true);
    m_webView->setHtml(m_model.cardRenderer().render(movie, m_model.viewSettings()));
}
