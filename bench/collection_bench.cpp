// Saving and opening collections of 10,000 and 100,000 movies. A collection is
// written whenever it is closed and read whenever it is opened, so both must
// stay well under half a second for 10,000 movies and five seconds for
// 100,000, and opening must not need more than three times the file's size in
// memory.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <map>
#include <string>
#include <unistd.h>

#include "foundation/io/File.h"
#include "foundation/text/String.h"
#include "model/collection/CollectionFile.h"
#include "model/collection/CollectionHeader.h"
#include "model/collection/CollectionWriter.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"
#include "samples/SampleCollection.h"

namespace {

const uint32_t kSeed = 1;

// A scratch folder for the generated files, removed at exit.
class Scratch
{
public:
    Scratch()
    {
        char pattern[] = "/tmp/collection_bench_XXXXXX";
        const char* made = mkdtemp(pattern);
        m_native = made ? made : "";
    }
    ~Scratch()
    {
        if (!m_native.empty())
            std::system(("rm -rf '" + m_native + "'").c_str());
    }
    // Our path form of a file or folder inside it.
    String path(const std::string& name) const
    {
        return String::fromUtf8((m_native + "/" + name).c_str())
            .replaceChar(u'/', u'\\', String::kCaseSensitive);
    }

private:
    std::string m_native;
};

Scratch& scratch()
{
    static Scratch instance;
    return instance;
}

void deleteMovies(List<Movie*>& movies)
{
    for (Movie* movie : movies)
        delete movie;
    movies.clear();
}

// The collection file of count movies, generated once per count.
String collectionFile(int count)
{
    static std::map<int, String> files;
    auto found = files.find(count);
    if (found != files.end())
        return found->second;
    String path = SampleCollection::write(count, kSeed, scratch().path("Sample" + std::to_string(count)));
    files[count] = path;
    return path;
}

struct InMemory
{
    CollectionHeader header;
    List<Movie*> movies;
    LoanerList loaners;
    ~InMemory() { deleteMovies(movies); }
};

void BM_WriteCollection(benchmark::State& state)
{
    int count = int(state.range(0));
    InMemory collection;
    SampleCollection(kSeed).make(count, collection.header, collection.movies, collection.loaners);
    String path = scratch().path("Write" + std::to_string(count) + ".rsdb");
    for (auto _ : state) {
        if (!CollectionWriter::write(path, collection.header, collection.movies, collection.loaners))
            state.SkipWithError("the collection could not be written");
    }
    state.counters["file_MB"] = double(File::size(path)) / 1e6;
    state.SetBytesProcessed(state.iterations() * File::size(path));
}
BENCHMARK(BM_WriteCollection)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ReadCollection(benchmark::State& state)
{
    String path = collectionFile(int(state.range(0)));
    for (auto _ : state) {
        CollectionFile file{String()};
        List<Movie*> movies;
        LoanerList loaners;
        if (!file.read(path, movies, loaners))
            state.SkipWithError("the collection could not be read");
        state.PauseTiming();
        deleteMovies(movies);
        state.ResumeTiming();
    }
    state.counters["file_MB"] = double(File::size(path)) / 1e6;
    state.SetBytesProcessed(state.iterations() * File::size(path));
}
BENCHMARK(BM_ReadCollection)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

// Kilobytes of a "Vm..." line of /proc/self/status.
long statusKilobytes(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::atol(line.c_str() + std::string(key).size());
    }
    return -1;
}

// The resident memory that opening a collection adds at its peak, against
// the file's size. The peak mark is reset right before the read, so only the
// read and the collection it builds count.
void BM_ReadCollectionPeakMemory(benchmark::State& state)
{
    String path = collectionFile(int(state.range(0)));
    double ratio = 0;
    double peakMb = 0;
    for (auto _ : state) {
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        long before = statusKilobytes("VmRSS:");
        CollectionFile file{String()};
        List<Movie*> movies;
        LoanerList loaners;
        if (!file.read(path, movies, loaners))
            state.SkipWithError("the collection could not be read");
        long peak = statusKilobytes("VmHWM:");
        deleteMovies(movies);
        peakMb = double(peak - before) * 1024 / 1e6;
        ratio = double(peak - before) * 1024 / double(File::size(path));
    }
    state.counters["file_MB"] = double(File::size(path)) / 1e6;
    state.counters["peak_MB"] = peakMb;
    state.counters["peak_per_file_byte"] = ratio;
}
BENCHMARK(BM_ReadCollectionPeakMemory)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

// What saving needs on top of the collection it saves: one movie's tree and
// the write buffer, whatever the collection's size.
void BM_WriteCollectionExtraMemory(benchmark::State& state)
{
    int count = int(state.range(0));
    InMemory collection;
    SampleCollection(kSeed).make(count, collection.header, collection.movies, collection.loaners);
    String path = scratch().path("Extra" + std::to_string(count) + ".rsdb");
    double extraMb = 0;
    for (auto _ : state) {
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        long before = statusKilobytes("VmRSS:");
        if (!CollectionWriter::write(path, collection.header, collection.movies, collection.loaners))
            state.SkipWithError("the collection could not be written");
        extraMb = double(statusKilobytes("VmHWM:") - before) * 1024 / 1e6;
    }
    state.counters["file_MB"] = double(File::size(path)) / 1e6;
    state.counters["extra_MB"] = extraMb;
}
BENCHMARK(BM_WriteCollectionExtraMemory)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void BM_PeekPassword(benchmark::State& state)
{
    String path = collectionFile(int(state.range(0)));
    CollectionFile file{String()};
    for (auto _ : state)
        benchmark::DoNotOptimize(file.peekPassword(path));
}
BENCHMARK(BM_PeekPassword)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
