// The collection reader's block input hands out the very bytes of its source
// wherever the blocks happen to split them, and a collection whose values
// straddle and outgrow its blocks reads back whole.
#include <gtest/gtest.h>

#include "foundation/io/MemoryStream.h"
#include "model/collection/ChunkInput.h"
#include "tests/model/collection/CollectionCompare.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <cstring>
#include <vector>

using namespace collectiontest;

namespace {

// A source that hands out at most a few bytes per read, as a pipe or a
// network share may.
class TricklingStream : public MemoryStream
{
public:
    TricklingStream(const void* data, uint64_t size) : MemoryStream(data, size, true) {}
    int32_t read(void* buffer, uint32_t length) override
    {
        return MemoryStream::read(buffer, length < 5 ? length : 5);
    }
};

enum StepKind
{
    kTake,
    kPeek,
    kRead,
    kSeek
};

struct Step
{
    StepKind kind;
    uint32_t amount;
};

std::vector<uint8_t> patternBytes(int count)
{
    std::vector<uint8_t> bytes;
    for (int i = 0; i < count; ++i)
        bytes.push_back(uint8_t(i * 7 + 3));
    return bytes;
}

// Runs the steps and checks every answer against the source bytes.
void expectSteps(InputStream& source, uint32_t blockSize, const std::vector<Step>& steps,
                 const std::vector<uint8_t>& bytes)
{
    ChunkInput input(&source, blockSize);
    uint64_t at = 0;
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        SCOPED_TRACE(testing::Message() << "block " << blockSize << ", step " << i);
        bool fits = at + step.amount <= bytes.size();
        if (step.kind == kSeek) {
            ASSERT_TRUE(input.seek(step.amount));
            at = step.amount;
        } else if (step.kind == kRead) {
            std::vector<uint8_t> got(step.amount + 1);
            int32_t count = input.read(got.data(), step.amount);
            uint64_t expected = fits ? step.amount : bytes.size() - at;
            ASSERT_EQ(count, int32_t(expected));
            EXPECT_EQ(std::memcmp(got.data(), bytes.data() + at, size_t(expected)), 0);
            at += expected;
        } else {
            bool peeking = step.kind == kPeek;
            const uint8_t* got = peeking ? input.peek(step.amount) : input.take(step.amount);
            if (!fits || (peeking && step.amount > blockSize)) {
                EXPECT_EQ(got, nullptr);
                continue;
            }
            ASSERT_NE(got, nullptr);
            EXPECT_EQ(std::memcmp(got, bytes.data() + at, step.amount), 0);
            if (!peeking)
                at += step.amount;
        }
        EXPECT_EQ(input.position(), at);
        EXPECT_EQ(input.left(), bytes.size() - at);
    }
}

const std::vector<Step> kSteps = {
    {kTake, 4},  {kPeek, 4},  {kTake, 1},  {kTake, 9},   {kRead, 6},  {kPeek, 2},   {kTake, 40},
    {kSeek, 2},  {kTake, 3},  {kSeek, 150}, {kTake, 30}, {kSeek, 60}, {kRead, 100}, {kTake, 50},
    {kTake, 41}, {kPeek, 1},  {kTake, 1},  {kRead, 5},  {kTake, 1},   {kRead, 40}, {kTake, 1},
    {kRead, 3},  {kSeek, 199}, {kPeek, 1}, {kTake, 1},
};

} // namespace

TEST(ChunkInput, HandsOutTheSourceBytesWhereverTheBlocksSplitThem)
{
    const std::vector<uint8_t> bytes = patternBytes(200);
    for (uint32_t blockSize : {1u, 3u, 7u, 16u, 64u, ChunkInput::kDefaultBlockSize}) {
        MemoryStream whole(bytes.data(), bytes.size(), false);
        expectSteps(whole, blockSize, kSteps, bytes);
        TricklingStream trickling(bytes.data(), bytes.size());
        expectSteps(trickling, blockSize, kSteps, bytes);
    }
}

TEST(ChunkInput, ItsReaderReadsFromTheSamePlace)
{
    const std::vector<uint8_t> bytes = ints({11, 22, 33, 44});
    MemoryStream source(bytes.data(), bytes.size(), false);
    ChunkInput input(&source, 3);
    uint32_t word = 0;
    ASSERT_TRUE(input.takeUInt32(word));
    EXPECT_EQ(word, 11u);
    EXPECT_EQ(input.reader().readUInt32(), 22u);
    ASSERT_TRUE(input.takeUInt32(word));
    EXPECT_EQ(word, 33u);
    EXPECT_EQ(input.reader().readUInt32(), 44u);
    EXPECT_FALSE(input.takeUInt32(word));
    EXPECT_EQ(input.reader().remaining(), 0u);
}

// Texts longer than a read block, between ordinary movies, among them one
// that is not ASCII.
TEST(ChunkInput, ACollectionWithValuesLongerThanABlockReadsBackWhole)
{
    Workspace space;
    CollectionFile file(space.folder());
    Contents written;
    String at = space.open(file, u"Long", written);
    ASSERT_FALSE(at.isEmpty());
    const int blockUnits = int(ChunkInput::kDefaultBlockSize);
    written.add(String(u"Before")).plot = String(u'a', 1000);
    written.add(String(u"Long")).plot = String(u'b', blockUnits + 5);
    written.add(String(u"Longer")).notes = String(u'\u00e9', blockUnits);
    Movie& last = written.add(String(u"After"));
    last.cast.append(CastItem())->value.actor = String(u"Zo\u00eb");
    last.genres.append(String(u"Drama"));
    ASSERT_TRUE(file.write(written.movies, written.loaners));

    CollectionFile again(space.folder());
    Contents read;
    ASSERT_TRUE(again.read(at, read.movies, read.loaners));
    EXPECT_EQ(differenceOfMovies(read.movies, written.movies), "");
}
