// Timings under Wine, medians of five runs:
//   a cover thumbnail made from a 2000 x 1500 JPEG and written as PNG;
//   the thumbnail purge that closing a collection of 100,000 movies runs,
//   with every cover's thumbnail name still to be worked out.
//   wine images_timing.exe
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/platform/SystemInfo.h"
#include "graphics/codecs/ImageCodec.h"
#include "model/purge/ImagePurge.h"
#include "model/records/Movie.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const int kRuns = 5;
const int kMovies = 100000;

double medianMs(const std::function<void()>& prepare, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        prepare();
        auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[kRuns / 2];
}

Image photo(int width, int height)
{
    Image image(width, height, true);
    for (int64_t i = 0; i < image.byteSize(); ++i)
        image.bits()[i] = (i & 3) == 3 ? 255 : uint8_t(((i / 4) % width) * 255 / width);
    return image;
}

void timeThumbnail(const String& folder)
{
    String images = folder + u"\\Images";
    if (!photo(2000, 1500).save(images + u"\\cover.jpg", true)) {
        std::printf("cannot write the JPEG\n");
        return;
    }
    Cover cover(String(u"cover.jpg"), images);
    double ms = medianMs([&] { File::remove(cover.thumbnailPath()); },
                         [&] { Cover(String(u"cover.jpg"), images).thumbnail(); });
    std::printf("thumbnail of a 2000 x 1500 JPEG, written as PNG: %.1f ms\n", ms);
}

void timePurge(const String& folder)
{
    String thumbnails = folder + u"\\Thumbnails";
    List<Movie*> movies;
    // Each run finds 1000 stray thumbnails and movies whose names are new.
    auto prepare = [&] {
        for (int i = 0; i < 1000; ++i)
            File::create(thumbnails + u"\\stray" + String::fromInt(i) + u".png");
        for (Movie* movie : movies)
            delete movie;
        movies.clear();
        for (int i = 0; i < kMovies; ++i) {
            Movie* movie = new Movie;
            movie->setCover(Cover(String(u"Movie ") + String::fromInt(i) + u" - poster.png"));
            movies.append(movie);
        }
    };
    double ms = medianMs(prepare, [&] { ImagePurge::purgeThumbnails(thumbnails, movies); });
    std::printf("thumbnail purge of %d movies (names not yet worked out): %.1f ms\n", kMovies, ms);
    for (Movie* movie : movies)
        delete movie;
}

} // namespace

int main()
{
    ImageCodec::registerAll();
    String folder = SystemInfo::specialFolder(SystemInfo::kTemporary) + u"\\reelstack-timing";
    Directory::create(folder + u"\\Images");
    Directory::create(folder + u"\\Thumbnails");
    std::printf("%d processors\n", SystemInfo::processorCount());
    timeThumbnail(folder);
    timePurge(folder);
    Directory::remove(folder);
    ImageCodec::unregisterAll();
    return 0;
}
