#include "foundation/io/DataReader.h"
#include "foundation/io/DataWriter.h"
#include "foundation/io/MemoryStream.h"
#include "tests/support/MemorySink.h"
#include "tests/support/RecordingRenderDevice.h"
#include "ui/views/scene/SpritePlayer.h"
#include "ui/views/scene/SpriteSheet.h"

#include <gtest/gtest.h>

#include <tuple>

#include <limits>
#include <vector>

TEST(Sprites, FrameRectsCutTheGrid)
{
    testsupport::FakeTexture texture(256, 128);
    const std::tuple<int, float, int, bool, UvRect> rows[] = {
        {8, 64, 5, true, {0.25f, 0.5f, 0.25f, 0.5f}},
        {8, 64, 0, true, {0, 0, 0.25f, 0.5f}},
        {8, 64, 7, true, {0.75f, 0.5f, 0.25f, 0.5f}},
        {8, 64, 8, false, {}},
        {8, 64, -1, false, {}},
        {9, 64, 0, false, {}},
        {8, 0.5f, 0, false, {}},
        {8, std::numeric_limits<float>::quiet_NaN(), 0, false, {}}};
    for (const auto& [frames, frameSide, index, ok, want] : rows) {
        SpriteSheet sheet(u"walk", &texture, static_cast<uint8_t>(frames), frameSide, frameSide);
        UvRect rect{9, 9, 9, 9};
        EXPECT_EQ(sheet.frameRect(index, rect), ok) << frames << " frames, index " << index;
        if (ok) {
            EXPECT_FLOAT_EQ(rect.u, want.u) << index;
            EXPECT_FLOAT_EQ(rect.v, want.v) << index;
            EXPECT_FLOAT_EQ(rect.width, want.width) << index;
            EXPECT_FLOAT_EQ(rect.height, want.height) << index;
        }
    }
    SpriteSheet sheet(u"walk", nullptr, 8, 64, 64);
    UvRect rect;
    EXPECT_FALSE(sheet.frameRect(0, rect));
    sheet.addAnimation(u"Run", 0, 3, SpriteAnimation::kLoop);
    EXPECT_EQ(sheet.findAnimation(u"default"), &sheet.firstAnimation());
    EXPECT_NE(sheet.findAnimation(u"Run"), nullptr);
    EXPECT_EQ(sheet.findAnimation(u"run"), nullptr);
}

TEST(Sprites, PlayersStepByMode)
{
    testsupport::FakeTexture texture(256, 128);
    SpriteSheet sheet(u"walk", &texture, 8, 64, 64);
    const std::tuple<int, int, int, bool, std::vector<int>, bool> rows[] = {
        {1, 3, SpriteAnimation::kLoop, false, {2, 3, 1, 2}, false},
        {1, 3, SpriteAnimation::kBackAndForth, false, {2, 3, 2, 1, 2}, false},
        {1, 3, 0, false, {2, 3, 3, 3}, true},
        {3, 1, SpriteAnimation::kLoop, false, {2, 1, 3}, false},
        {2, 2, SpriteAnimation::kBackAndForth, false, {2, 2, 2}, false},
        {1, 3, SpriteAnimation::kLoop, true, {1, 1}, false}};
    for (const auto& [first, last, mode, paused, frames, finished] : rows) {
        const SpriteAnimation& animation =
            sheet.addAnimation(u"row", static_cast<uint8_t>(first), static_cast<uint8_t>(last), mode);
        SpritePlayer player(animation, 10);
        player.setPaused(paused);
        std::vector<int> seen;
        for (size_t i = 0; i < frames.size(); ++i) {
            player.tick(4);
            player.tick(6);
            seen.push_back(player.frame());
        }
        EXPECT_EQ(seen, frames) << first << ".." << last << " mode " << mode;
        EXPECT_EQ(player.isFinished(), finished) << first << ".." << last << " mode " << mode;
        UvRect expected;
        ASSERT_TRUE(sheet.frameRect(player.frame(), expected));
        EXPECT_EQ(player.rect().u, expected.u) << "the rectangle follows the frame";
    }
}

TEST(Sprites, FrameTimerStateRoundTripsAndRefusesDamage)
{
    FrameTimer timer(40);
    timer.start();
    timer.setSpeed(1.5f);
    timer.tick(20);
    timer.tick(10);
    EXPECT_TRUE(timer.hasFired());
    EXPECT_EQ(timer.elapsed(), 5);

    auto stateOf = [](int32_t period, float speed) {
        FrameTimer source(period);
        source.setSpeed(speed);
        source.start();
        source.setPaused(true);
        testsupport::MemorySink sink;
        DataWriter writer(&sink);
        writer.attach();
        EXPECT_TRUE(source.write(writer));
        return sink.bytes;
    };
    const std::tuple<std::vector<uint8_t>, bool, const char*> rows[] = {
        {stateOf(40, 2.5f), true, "sound"},
        {stateOf(-1, 1.0f), false, "negative period"},
        {stateOf(40, std::numeric_limits<float>::quiet_NaN()), false, "NaN speed"},
        {stateOf(40, std::numeric_limits<float>::infinity()), false, "infinite speed"},
        {std::vector<uint8_t>(14, 0), false, "short"}};
    for (const auto& [bytes, ok, what] : rows) {
        MemoryStream stream(bytes.data(), bytes.size(), false);
        DataReader reader(&stream);
        reader.attach();
        FrameTimer read(7);
        EXPECT_EQ(read.read(reader), ok) << what;
        EXPECT_EQ(read.period(), ok ? 40 : 7) << what;
        EXPECT_EQ(read.isPaused(), ok) << what;
        EXPECT_EQ(read.isRunning(), ok) << what;
        EXPECT_EQ(read.speed(), ok ? 2.5f : 1.0f) << what;
    }
}
