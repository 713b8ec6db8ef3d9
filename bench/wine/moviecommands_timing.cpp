// The main window's movie commands at 100,000 made-up movies under Wine and
// Xvfb, medians, each from the input to the repainted window: a click on a
// row to the painted card of a movie with 50 cast and 100 episodes, an add
// (from the editor's OK: the movie appended, the list sorted again, the views
// refilled, the new movie selected and its card shown) and a remove (from
// the question's Yes).
//   wine moviecommands_timing.exe [count]     (from the folder of reelstack.exe)
#include "bench/wine/MainWindowBench.h"
#include "model/CollectionModel.h"
#include "model/NewMovieRecord.h"
#include "model/records/Movie.h"
#include "model/sorting/SortComparator.h"
#include "samples/SampleCollection.h"
#include "ui/widgets/items/UITable.h"

#include <cstdio>
#include <cstdlib>

namespace {

using namespace mainwindowbench;

// A series with a full cast: the heaviest card a user meets.
void makeHeavy(Movie& movie)
{
    movie.cast.clear();
    for (int i = 0; i < 50; ++i)
        movie.cast.append(CastItem{String(u"Actor ") + String::fromInt(i), String(u"Role ") + String::fromInt(i)});
    movie.episodes.clear();
    for (int i = 0; i < 100; ++i) {
        Episode episode;
        episode.season = 1 + i / 20;
        episode.number = 1 + i % 20;
        episode.title = String(u"Episode ") + String::fromInt(i + 1);
        episode.plot = String(u"What happens in this episode, told in a sentence or two.");
        movie.episodes.append(episode);
    }
}

class CommandsBench : public Bench
{
public:
    String collection;

private:
    void report(const char* what, double ms, double limit)
    {
        std::printf("  %-44s %8.1f ms  (limit %.0f ms)%s\n", what, ms, limit, ms > limit ? "  OVER" : "");
        std::fflush(stdout);
    }

    void run() override;
};

void CommandsBench::run()
{
    CollectionModel& model = Application::model();
    if (!model.openCollection(collection)) {
        std::printf("cannot open the generated collection\n");
        return;
    }
    std::printf("%d movies\n", model.movieCount());
    model.setAskForConfirmationWhenRemovingMovies(false);
    model.sortMovies(SortComparator::kByTitle, SortComparator::kAscending);
    main->setViewMode(0);
    main->fillMovieList();
    UITable* table = main->table();
    // Two heavy movies near the top, so both rows are on screen.
    const int rows[2] = {2, 5};
    for (int row : rows)
        makeHeavy(*model.movieById(table->row(row)->tag()));
    int next = 0;
    report("click on a row to the painted card", medianOf(21, [&] {
               table->selectRow(rows[next]);
           }, [&] { next = 1 - next; }), 100.0);

    int added = 0;
    Movie* last = nullptr;
    report("add, sorted by title, OK to repainted", medianOf(7, [&] {
               NewMovieRecord record;
               record.title = String(u"Added ") + String::fromInt(++added);
               record.year = 1990;
               last = model.addMovie(record);
               main->showAddedMovies(last);
           }), 300.0);
    // For comparison: what an add would cost with a whole sort, and the refill
    // every add pays.
    report("  a whole sort by title", medianOf(7, [&] {
               model.sortMovies(model.sortMode(), model.sortOrder());
           }), 300.0);
    report("  the refill of the views", medianOf(7, [&] { main->fillMovieList(); }), 300.0);
    model.sortMovies(SortComparator::kByCreated, SortComparator::kAscending);
    main->fillMovieList();
    report("add, sorted by date added", medianOf(7, [&] {
               NewMovieRecord record;
               record.title = String(u"Added ") + String::fromInt(++added);
               last = model.addMovie(record);
               main->showAddedMovies(last);
           }), 300.0);
    report("remove, from Yes to the repainted window", medianOf(7, [&] {
               main->removeMovie();
           }, [&] { table->selectRow(10); }), 300.0);
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const String product(u"Reelstack movie commands timing");
    const String dataFolder = freshDataFolder(product);
    CommandsBench bench;
    bench.collection = SampleCollection::write(count, 1, dataFolder + u"\\Generated");
    if (bench.collection.isEmpty()) {
        std::printf("cannot write the collection\n");
        return 1;
    }
    std::printf("movie commands at %d movies, medians (ms):\n", count);
    return runProgram(product, dataFolder, bench);
}
