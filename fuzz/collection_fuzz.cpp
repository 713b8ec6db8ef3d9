// Arbitrary bytes opened as a collection file. Opening must never crash or
// run away with memory; a file that opens must save, open again to the very
// same records, and save again to the very same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <unistd.h>
#include <vector>

#include "model/collection/CollectionFile.h"
#include "tests/model/collection/CollectionCompare.h"

namespace {

std::string g_folder;

String ourPath(const std::string& native)
{
    return String::fromUtf8(native.c_str()).replaceChar(u'/', u'\\', String::kCaseSensitive);
}

std::vector<uint8_t> fileBytes(const std::string& path)
{
    std::vector<uint8_t> bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return bytes;
    int c;
    while ((c = std::fgetc(file)) != EOF)
        bytes.push_back(uint8_t(c));
    std::fclose(file);
    return bytes;
}

struct Contents
{
    ~Contents()
    {
        for (Movie* movie : movies)
            delete movie;
    }
    List<Movie*> movies;
    LoanerList loaners;
};

void removeFolder()
{
    std::remove((g_folder + "/input.rsdb").c_str());
    rmdir(g_folder.c_str());
}

void fail(const std::string& what)
{
    std::fprintf(stderr, "collection_fuzz: %s\n", what.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Local times in a zone without daylight saving convert both ways
    // without ambiguity, so the records must come back exactly.
    setenv("TZ", "UTC", 1);
    tzset();
    char pattern[] = "/tmp/collection_fuzz_XXXXXX";
    if (!mkdtemp(pattern))
        std::abort();
    g_folder = pattern;
    std::atexit(removeFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    std::string native = g_folder + "/input.rsdb";
    FILE* out = std::fopen(native.c_str(), "wb");
    if (!out || std::fwrite(data, 1, size, out) != size)
        std::abort();
    std::fclose(out);
    String path = ourPath(native);

    CollectionFile file(ourPath(g_folder));
    Contents first;
    if (!file.read(path, first.movies, first.loaners))
        return 0;
    if (!file.write(first.movies, first.loaners))
        fail("a collection that opened could not be saved");
    std::vector<uint8_t> saved = fileBytes(native);

    CollectionFile again(ourPath(g_folder));
    Contents second;
    if (!again.read(path, second.movies, second.loaners))
        fail("a saved collection did not open");
    std::string difference = collectiontest::differenceOf(file.header(), again.header());
    if (difference.empty())
        difference = collectiontest::differenceOfMovies(first.movies, second.movies);
    if (difference.empty())
        difference = collectiontest::differenceOfLists(first.loaners, second.loaners, "loaners");
    if (!difference.empty())
        fail("changed by a save and an open: " + difference);

    if (!again.write(second.movies, second.loaners) || fileBytes(native) != saved)
        fail("a second save wrote other bytes");
    return 0;
}
