// Opening a made-up collection under Wine as the program does at start: the
// file read into records and every movie placed in the collection's folders.
// Medians of 5 opens, the blocks allocated per movie, the process's peak
// working set, and what one small block costs the heap here, to tell the
// allocations' share from the rest.
//   wine collectionopen_timing.exe [movies]     (10000 by default)
#include "bench/wine/Median.h"
#include "foundation/text/String.h"
#include "foundation/time/DateTime.h"
#include "model/CollectionModel.h"
#include "samples/SampleCollection.h"

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>
#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <vector>

// The counting operator new below takes its blocks from malloc, as the
// library's does, so the library's delete frees them.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {

std::atomic<uint64_t> g_allocations{0};

double nowMs()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// Nanoseconds for one new and delete of a block the size of a short name,
// with a million of them alive at once as a collection keeps them.
double smallBlockNs()
{
    const int count = 1000000;
    std::vector<char16_t*> blocks(count);
    double start = nowMs();
    for (int i = 0; i < count; ++i)
        blocks[i] = new char16_t[12 + i % 8];
    for (int i = 0; i < count; ++i)
        delete[] blocks[i];
    return (nowMs() - start) * 1e6 / count;
}

// Microseconds for turning one UTC time of the file into local time.
double localTimeUs()
{
    const int count = 20000;
    DateTime utc(2015, 6, 1, 12, 30, 0, 0);
    double start = nowMs();
    int valid = 0;
    for (int i = 0; i < count; ++i)
        valid += utc.toLocal().isValid() ? 1 : 0;
    return valid == count ? (nowMs() - start) * 1000.0 / count : -1.0;
}

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

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
    if (std::getenv("LFH")) {
        ULONG lfh = 2;
        BOOL a = HeapSetInformation((HANDLE)_get_heap_handle(), HeapCompatibilityInformation, &lfh, sizeof lfh);
        BOOL b = HeapSetInformation(GetProcessHeap(), HeapCompatibilityInformation, &lfh, sizeof lfh);
        std::printf("lfh %d %d heap %p process %p\n", a, b, (void*)_get_heap_handle(), (void*)GetProcessHeap());
    }
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const String data = String(reinterpret_cast<const char16_t*>(temp)) + u"collectionopen_timing";
    const std::filesystem::path native(std::u16string(data.data(), data.length()));
    std::error_code ignored;
    std::filesystem::remove_all(native, ignored);
    std::filesystem::create_directories(native, ignored);
    const String file = SampleCollection::write(count, 1, data + u"\\Sample");
    if (file.isEmpty()) {
        std::printf("cannot write the collection\n");
        return 1;
    }
    std::vector<double> times;
    uint64_t allocations = 0;
    for (int run = 0; run < 5; ++run) {
        CollectionModel* model = new CollectionModel(data);
        uint64_t before = g_allocations.load();
        double start = nowMs();
        bool opened = model->openCollection(file);
        times.push_back(nowMs() - start);
        allocations = g_allocations.load() - before;
        if (!opened || model->movies().count() != count) {
            std::printf("run %d: the collection was not opened whole\n", run);
            return 1;
        }
        // Deleting it does not save it.
        delete model;
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    std::filesystem::remove_all(native, ignored);
    std::printf("opening a collection of %d movies, median of 5 opens: %.1f ms (%.1f us a movie)\n", count,
                median(times), median(times) * 1000.0 / count);
    std::printf("  blocks allocated per movie: %.1f\n", double(allocations) / count);
    std::printf("  one small block allocated and freed: %.0f ns\n", smallBlockNs());
    std::printf("  one time turned to local time: %.2f us\n", localTimeUs());
    std::printf("  peak working set: %.1f MiB\n", double(memory.PeakWorkingSetSize) / (1024.0 * 1024.0));
    return 0;
}
