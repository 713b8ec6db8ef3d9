// The text import at 100,000 lines under Wine and Xvfb, medians: from the
// Import button to the main window's views showing the new movies (reading
// the file, adding every movie, the refill and the repaint). Each run adds
// into an empty collection of its own.
//   wine textimport_timing.exe [count]     (from the folder of reelstack.exe)
#include "app/textexchange/ImportFromTextWindow.h"
#include "bench/wine/MainWindowBench.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "model/collection/CollectionHeader.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"
#include "model/textexchange/DelimitedTextWriter.h"
#include "samples/SampleCollection.h"
#include "ui/widgets/items/UITable.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace mainwindowbench;

constexpr int kRuns = 5;

class ImportBench : public Bench
{
public:
    explicit ImportBench(int count) : m_count(count) {}

    String dataFolder;
    String textFile;

private:
    bool openEmpty(int run);
    double timeImport();
    void run() override;
    int m_count;
};

bool ImportBench::openEmpty(int run)
{
    CollectionModel& model = Application::model();
    if (!model.closeCollection())
        return false;
    CollectionFile creator(dataFolder);
    const String name = String(u"Run") + String::fromInt(run);
    if (!creator.create(name, String(u"timing"), String()))
        return false;
    if (!model.openCollection(creator.filePathFor(name)))
        return false;
    main->fillMovieList();
    return true;
}

double ImportBench::timeImport()
{
    ImportFromTextWindow window(Application::model());
    window.takeFile(textFile);
    const double ms = timeOf([&] {
        window.import();
        main->fillMovieList();
    });
    if (window.importedCount() != m_count || int(main->table()->rows().size()) != m_count)
        std::printf("  run imported %d movies and shows %d rows\n", window.importedCount(),
                    int(main->table()->rows().size()));
    return ms;
}

void ImportBench::run()
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        if (!openEmpty(run)) {
            std::printf("cannot open an empty collection\n");
            return;
        }
        times.push_back(timeImport());
        std::printf("  run %d: %.0f ms\n", run + 1, times.back());
        std::fflush(stdout);
    }
    const double ms = median(times);
    std::printf("import of %d lines until the views show them: median %.0f ms%s\n", m_count, ms,
                ms > 3000.0 ? "  (over 3 s)" : "");
}

// The lines of a generated collection, as the export writes them.
bool writeTextFile(int count, const String& path)
{
    CollectionHeader header;
    List<Movie*> movies;
    LoanerList loaners;
    SampleCollection(1).make(count, header, movies, loaners);
    const bool written =
        DelimitedTextWriter::text(movies, DelimitedTextFormat(0, 0)).saveToFile(path, 3, false);
    for (Movie* movie : movies)
        delete movie;
    return written;
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const String product(u"Reelstack text import timing");
    ImportBench bench(count);
    bench.dataFolder = freshDataFolder(product);
    bench.textFile = bench.dataFolder + u"\\import.txt";
    if (!writeTextFile(count, bench.textFile)) {
        std::printf("cannot write the text file\n");
        return 1;
    }
    std::printf("text import of %d lines:\n", count);
    return runProgram(product, bench.dataFolder, bench);
}
