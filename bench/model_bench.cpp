// The collection model on generated collections of 10,000 and 100,000
// movies (the generator behind "rsdb generate"): sorting, every value list
// of the filters and the statistics. The main window runs these whenever the
// user sorts, opens a filter or the statistics, so each must stay well below
// a noticeable pause.
#include <benchmark/benchmark.h>

#include "foundation/containers/StringList.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionHeader.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"
#include "samples/SampleCollection.h"

#include <map>
#include <memory>

namespace {

// One model per size, built once.
CollectionModel& collectionOf(int count)
{
    static std::map<int, std::unique_ptr<CollectionModel>> models;
    std::unique_ptr<CollectionModel>& model = models[count];
    if (model)
        return *model;
    model.reset(new CollectionModel(String(u"unused")));
    CollectionHeader header;
    List<Movie*> movies;
    SampleCollection(2024).make(count, header, movies, model->loaners());
    for (Movie* movie : movies)
        model->appendMovie(movie);
    return *model;
}

// The state a collection is in after it was opened: in the default order, by
// date added, which is not the order its movies lie in memory.
const CollectionModel& openedCollection(int count)
{
    CollectionModel& model = collectionOf(count);
    model.sortMovies(SortComparator::kByCreated, SortComparator::kAscending);
    return model;
}

// Each timed sort starts from the order of another key, unrelated to its
// own, as when the user switches from one sort to the next.
void sortBy(benchmark::State& state, int32_t mode, int32_t previousMode)
{
    CollectionModel& model = collectionOf(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        model.sortMovies(previousMode, 1);
        state.ResumeTiming();
        benchmark::DoNotOptimize(model.sortMovies(mode, 1));
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * state.range(0));
}

void BM_SortByTitle(benchmark::State& state)
{
    sortBy(state, SortComparator::kByTitle, SortComparator::kByCreated);
}

void BM_SortByYear(benchmark::State& state)
{
    sortBy(state, SortComparator::kByYear, SortComparator::kByTitle);
}

void BM_SortByCreated(benchmark::State& state)
{
    sortBy(state, SortComparator::kByCreated, SortComparator::kByTitle);
}

template <void (CollectionModel::*Collect)(StringList&) const> void BM_Collect(benchmark::State& state)
{
    const CollectionModel& model = openedCollection(int(state.range(0)));
    for (auto _ : state) {
        StringList values;
        (model.*Collect)(values);
        benchmark::DoNotOptimize(values.count());
    }
}

void BM_CollectActorsStartingWith(benchmark::State& state)
{
    const CollectionModel& model = openedCollection(int(state.range(0)));
    for (auto _ : state) {
        StringList values;
        model.collectActorsStartingWith(u'M', values);
        benchmark::DoNotOptimize(values.count());
    }
}

template <String (CollectionModel::*Statistic)() const> void BM_Most(benchmark::State& state)
{
    const CollectionModel& model = openedCollection(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize((model.*Statistic)().length());
}

void BM_AverageCompleteness(benchmark::State& state)
{
    const CollectionModel& model = openedCollection(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(model.averageCompleteness());
}

void BM_TotalRunningTime(benchmark::State& state)
{
    const CollectionModel& model = openedCollection(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(model.totalRunningTime());
}

// Everything the statistics window shows at once.
void BM_Statistics(benchmark::State& state)
{
    const CollectionModel& model = openedCollection(int(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.movieCount());
        benchmark::DoNotOptimize(model.totalRunningTime());
        benchmark::DoNotOptimize(model.averageCompleteness());
        String genre = model.mostFrequentGenre();
        String studio = model.mostFrequentStudio();
        benchmark::DoNotOptimize(genre.length() + studio.length());
    }
}

} // namespace

#define MODEL_SIZES ->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)

BENCHMARK(BM_SortByTitle) MODEL_SIZES;
BENCHMARK(BM_SortByYear) MODEL_SIZES;
BENCHMARK(BM_SortByCreated) MODEL_SIZES;
BENCHMARK_TEMPLATE(BM_Collect, &CollectionModel::collectGenres) MODEL_SIZES;
BENCHMARK_TEMPLATE(BM_Collect, &CollectionModel::collectCountries) MODEL_SIZES;
BENCHMARK_TEMPLATE(BM_Collect, &CollectionModel::collectStudios) MODEL_SIZES;
BENCHMARK_TEMPLATE(BM_Collect, &CollectionModel::collectActors) MODEL_SIZES;
BENCHMARK_TEMPLATE(BM_Collect, &CollectionModel::collectDirectors) MODEL_SIZES;
BENCHMARK_TEMPLATE(BM_Collect, &CollectionModel::collectTags) MODEL_SIZES;
BENCHMARK_TEMPLATE(BM_Collect, &CollectionModel::collectFormats) MODEL_SIZES;
BENCHMARK_TEMPLATE(BM_Collect, &CollectionModel::collectTitleInitials) MODEL_SIZES;
BENCHMARK_TEMPLATE(BM_Collect, &CollectionModel::collectActorInitials) MODEL_SIZES;
BENCHMARK(BM_CollectActorsStartingWith) MODEL_SIZES;
BENCHMARK_TEMPLATE(BM_Most, &CollectionModel::mostFrequentGenre) MODEL_SIZES;
BENCHMARK_TEMPLATE(BM_Most, &CollectionModel::mostFrequentStudio) MODEL_SIZES;
BENCHMARK(BM_AverageCompleteness) MODEL_SIZES;
BENCHMARK(BM_TotalRunningTime) MODEL_SIZES;
BENCHMARK(BM_Statistics) MODEL_SIZES;
