// The delimited text export and import of a generated collection of 100,000
// movies: building the text and writing the file, and reading the file,
// working out its format and reading every line into records. The windows
// run these while the user waits for the dialog to close.
#include <benchmark/benchmark.h>

#include "foundation/io/File.h"
#include "model/collection/CollectionHeader.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"
#include "model/textexchange/DelimitedTextReader.h"
#include "model/textexchange/DelimitedTextWriter.h"
#include "samples/SampleCollection.h"

#include <cstdlib>
#include <map>
#include <string>

namespace {

// A scratch folder for the files, removed at exit.
class Scratch
{
public:
    Scratch()
    {
        char pattern[] = "/tmp/delimitedtext_bench_XXXXXX";
        const char* made = mkdtemp(pattern);
        m_native = made ? made : "";
    }
    ~Scratch()
    {
        if (!m_native.empty())
            std::system(("rm -rf '" + m_native + "'").c_str());
    }
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

const List<Movie*>& moviesOf(int count)
{
    static std::map<int, List<Movie*>> collections;
    List<Movie*>& movies = collections[count];
    if (movies.isEmpty()) {
        CollectionHeader header;
        LoanerList loaners;
        SampleCollection(2024).make(count, header, movies, loaners);
    }
    return movies;
}

const DelimitedTextFormat kFormat(0, 0);

void BM_ExportToText(benchmark::State& state)
{
    const List<Movie*>& movies = moviesOf(int(state.range(0)));
    const String path = scratch().path("export.txt");
    for (auto _ : state) {
        if (!DelimitedTextWriter::text(movies, kFormat, [](int) {}).saveToFile(path, 3, false))
            state.SkipWithError("the export could not be written");
    }
    state.counters["file_MB"] = double(File::size(path)) / 1e6;
    state.SetItemsProcessed(int64_t(state.iterations()) * state.range(0));
}

void BM_ImportFromText(benchmark::State& state)
{
    const int count = int(state.range(0));
    const String path = scratch().path("import" + std::to_string(count) + ".txt");
    DelimitedTextWriter::text(moviesOf(count), kFormat).saveToFile(path, 3, false);
    for (auto _ : state) {
        DelimitedTextReader reader(String::fromTextFile(path, 3));
        NewMovieRecordList records;
        if (reader.read(reader.detect(), records) != count)
            state.SkipWithError("not every line was read");
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * count);
}

} // namespace

BENCHMARK(BM_ExportToText)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportFromText)->Arg(100000)->Unit(benchmark::kMillisecond);
