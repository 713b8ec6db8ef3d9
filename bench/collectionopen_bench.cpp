// Opening a collection as the program does at start: the file read into
// records and every movie placed in the collection's folders. Besides the
// time it counts the blocks allocated on the way, since each one costs far
// more on the Windows heap than here, and the resident peak the open adds.
//   REELSTACK_COLLECTION=path  opens that file (made by "rsdb generate")
//                              instead of a generated one, so that a
//                              profiler sees nothing but the open.
// The counting operator new below takes its blocks from malloc, as the
// library's does, so the library's delete frees them; the compiler cannot
// see that pairing.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <new>
#include <string>
#include <unistd.h>

#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "foundation/text/String.h"
#include "model/CollectionModel.h"
#include "samples/SampleCollection.h"

namespace {

std::atomic<uint64_t> g_allocations{0};

} // namespace

void* operator new(size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

void* operator new[](size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

namespace {

String ourPath(const std::string& native)
{
    return String::fromUtf8(native.c_str(), int(native.size())).replaceChar(u'/', u'\\', String::kCaseSensitive);
}

// A data folder holding one generated collection "Sample", removed at exit.
class DataFolder
{
public:
    explicit DataFolder(int count)
    {
        char pattern[] = "/tmp/collectionopen_bench_XXXXXX";
        const char* made = mkdtemp(pattern);
        m_native = made ? made : "";
        m_file = SampleCollection::write(count, 1, ourPath(m_native + "/Sample"));
    }
    ~DataFolder()
    {
        if (!m_native.empty())
            std::system(("rm -rf '" + m_native + "'").c_str());
    }
    String folder() const { return ourPath(m_native); }
    const String& file() const { return m_file; }

private:
    std::string m_native;
    String m_file;
};

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

void BM_OpenCollection(benchmark::State& state)
{
    const char* given = std::getenv("REELSTACK_COLLECTION");
    DataFolder* generated = given ? nullptr : new DataFolder(int(state.range(0)));
    String file = given ? ourPath(given) : generated->file();
    String data = given ? pathDirectory(pathDirectory(file)) : generated->folder();
    uint64_t allocations = 0;
    double peakMb = 0;
    int movies = 0;
    for (auto _ : state) {
        state.PauseTiming();
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        long before = statusKilobytes("VmRSS:");
        CollectionModel* model = new CollectionModel(data);
        uint64_t allocationsBefore = g_allocations.load();
        state.ResumeTiming();
        if (!model->openCollection(file))
            state.SkipWithError("the collection could not be opened");
        state.PauseTiming();
        allocations = g_allocations.load() - allocationsBefore;
        peakMb = double(statusKilobytes("VmHWM:") - before) * 1024 / 1e6;
        movies = model->movies().count();
        // Closing would save it: only the records go.
        delete model;
        state.ResumeTiming();
    }
    delete generated;
    state.counters["movies"] = movies;
    state.counters["allocations_per_movie"] = movies ? double(allocations) / movies : 0;
    state.counters["peak_MB"] = peakMb;
}
BENCHMARK(BM_OpenCollection)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
