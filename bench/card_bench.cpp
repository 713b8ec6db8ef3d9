// Speed of what the main window asks on every selection and paint: a cover's
// thumbnail (pix, the native codec) and the movie card of a long series.
#include "foundation/core/AppCore.h"
#include "foundation/data/PakArchive.h"
#include "foundation/io/Directory.h"
#include "foundation/io/PosixPath.h"
#include "graphics/codecs/ImageCodec.h"
#include "model/card/CardRenderer.h"
#include "model/config/ViewSettings.h"
#include "model/records/Movie.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include <unistd.h>

namespace {

// A fresh folder for one benchmark below the system's temporary folder.
String scratchFolder(const char* name)
{
    String folder =
        fromNativePath(std::string("/tmp/reelstack-bench-") + name + "-" + std::to_string(getpid()));
    Directory::create(folder + u"\\Images");
    return folder;
}

void coverThumbnail(benchmark::State& state)
{
    ImageCodec::registerAll();
    String folder = scratchFolder("thumbnail");
    Image picture(1000, 1500, true);
    for (int64_t i = 0; i < picture.byteSize(); ++i)
        picture.bits()[i] = uint8_t((i * 2654435761u) >> 13);
    picture.save(folder + u"\\Images\\cover.pix", true);
    for (auto _ : state) {
        Cover cover(String(u"cover.pix"), folder + u"\\Images");
        benchmark::DoNotOptimize(cover.thumbnail().bits());
    }
    Directory::remove(folder);
    ImageCodec::unregisterAll();
}

Movie longSeries()
{
    Movie movie;
    movie.title = String(u"The Long Series <Complete>");
    movie.plot = String(u"Many seasons of a story that goes on & on.");
    movie.myRating = 8;
    for (int i = 0; i < 50; ++i)
        movie.cast.append(
            CastItem{String::fromInt(i) + u" Actor Name", String(u"Character ") + String::fromInt(i)});
    for (int i = 0; i < 100; ++i) {
        Episode episode;
        episode.season = 1 + i / 10;
        episode.number = 1 + i % 10;
        episode.title = String(u"Episode title ") + String::fromInt(i);
        episode.plot = String(u"What happens in this episode, in a sentence or two.");
        episode.file = String(u"D:\\Series\\e.mkv");
        movie.episodes.append(episode);
    }
    return movie;
}

void movieCard(benchmark::State& state)
{
    AppCore core(String(u"Reelstack"), String(u"1.2.0"));
    std::string source = __FILE__;
    source = source.substr(0, source.rfind("/bench/")) + "/assets/data";
    String folder = scratchFolder("card");
    PakArchive().packFolder(fromNativePath(source), folder + u"\\data.pak");
    core.setAppDirectory(folder);
    core.openPak(folder + u"\\data.pak");
    CardRenderer renderer;
    ViewSettings view;
    view.movieCardFontSize = 13;
    Movie movie = longSeries();
    for (auto _ : state)
        benchmark::DoNotOptimize(renderer.render(&movie, view).length());
    Directory::remove(folder);
}

} // namespace

BENCHMARK(coverThumbnail)->Unit(benchmark::kMillisecond);
BENCHMARK(movieCard)->Unit(benchmark::kMillisecond);
