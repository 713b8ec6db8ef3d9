// The main window's movie card, its title, and what a click on the card
// plays or opens.
#include "app/main/MainWindow.h"

#include "app/main/CardPlay.h"
#include "app/play/SelectLinkToPlayWindow.h"
#include "foundation/containers/StringList.h"
#include "model/CollectionModel.h"
#include "model/records/Movie.h"
#include "model/records/MovieLink.h"
#include "model/shell/ShellLauncher.h"
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

void MainWindow::connectCardClicks()
{
    m_webView->elementClicked.connectStrings(this, &MainWindow::playLink);
    m_webView->linkClicked.connectStrings(this, &MainWindow::openLink);
}

// The card's anchors are the shown movie's links: the one clicked opens as
// the link list of the movie editor opens it, by its own type, so an online
// link never runs a file and a local one never goes to the browser. An href
// that names none of the movie's links opens nothing, whatever it says.
void MainWindow::openLink(const String& href, const String&)
{
    const Movie* movie = currentMovie();
    const MovieLink* link = movie ? CardPlay::linkForHref(*movie, href) : nullptr;
    if (link)
        MovieLink::open(link->url, link->type);
}

void MainWindow::playLink(const String&, const String& id)
{
    Movie* movie = currentMovie();
    if (!movie)
        return;
    if (id.startsWith(String(CardPlay::kPlayEpisodePrefix), String::kCaseSensitive)) {
        playFile(CardPlay::episodeFile(*movie, id));
        return;
    }
    if (String::equals(id, String(CardPlay::kPlayId)))
        playMovieLinks(*movie);
}

void MainWindow::playMovieLinks(const Movie& movie)
{
    List<const MovieLink*> links = CardPlay::playableLinks(movie);
    if (links.isEmpty())
        return;
    const MovieLink* chosen = links.first()->value;
    if (links.count() > 1) {
        SelectLinkToPlayWindow window(links);
        List<const MovieLink*>::Node* node = nullptr;
        int index = window.exec();
        if (index >= 0)
            node = links.nodeAt(index);
        if (!node)
            return;
        chosen = node->value;
    }
    if (chosen->type != MovieLink::kOnline) {
        playFile(chosen->url);
        return;
    }
    MovieLink::open(chosen->url, chosen->type);
}

// A local link or an episode plays only as an existing file, never as a
// folder, whether it is written as a path or as a "file:" address.
void MainWindow::playFile(const String& url)
{
    const String file = CardPlay::fileToPlay(url);
    if (!file.isEmpty())
        ShellLauncher::start(file);
}
