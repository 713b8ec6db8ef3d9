#include "foundation/text/Lzrw1.h"

#include <utility>
#include <vector>

namespace {

const int kFlagBytes = 4;
const uint8_t kFlagCompressed = 0;
const uint8_t kFlagCopied = 1;
const int kMaxOffset = 4095;
const int kMinMatch = 3;
const int kMaxMatch = 16;
const int kHashSize = 4096;
const int kItemsPerGroup = 16;
// A copy item of two bytes yields at most 16, so no valid input expands by
// more than this factor.
const int kMaxExpansion = kMaxMatch / 2;

int hashAt(const uint8_t* p)
{
    uint32_t mixed = ((static_cast<uint32_t>(p[0]) << 4 ^ p[1]) << 4) ^ p[2];
    return static_cast<int>((mixed * 40543u) >> 4) & (kHashSize - 1);
}

void appendFlag(ByteArray& out, uint8_t flag)
{
    out.appendByte(flag);
    for (int i = 1; i < kFlagBytes; ++i)
        out.appendByte(0);
}

ByteArray storedCopy(const uint8_t* input, int size)
{
    ByteArray out(size + kFlagBytes);
    appendFlag(out, kFlagCopied);
    out.append(ByteArray(input, size));
    return out;
}

int matchLength(const uint8_t* input, int candidate, int position)
{
    int length = 0;
    while (length < kMaxMatch && input[candidate + length] == input[position + length])
        ++length;
    return length;
}

class GroupWriter
{
public:
    explicit GroupWriter(ByteArray& out) : m_out(out) { startGroup(); }

    void literal(uint8_t value)
    {
        m_out.appendByte(value);
        nextItem();
    }

    void copy(int offset, int length)
    {
        m_out.appendByte(static_cast<uint8_t>(((offset & 0xF00) >> 4) | (length - 1)));
        m_out.appendByte(static_cast<uint8_t>(offset & 0xFF));
        m_control = static_cast<uint16_t>(m_control | (1u << m_items));
        nextItem();
    }

    void finish()
    {
        if (m_items == 0) {
            // A control word without items is dropped.
            m_out.resize(m_controlAt);
            return;
        }
        storeControl();
    }

private:
    void startGroup()
    {
        m_controlAt = m_out.size();
        m_out.appendByte(0);
        m_out.appendByte(0);
        m_control = 0;
        m_items = 0;
    }

    void storeControl()
    {
        m_out.setAt(m_controlAt, static_cast<uint8_t>(m_control & 0xFF));
        m_out.setAt(m_controlAt + 1, static_cast<uint8_t>(m_control >> 8));
    }

    void nextItem()
    {
        if (++m_items < kItemsPerGroup)
            return;
        storeControl();
        startGroup();
    }

    ByteArray& m_out;
    int m_controlAt = 0;
    uint16_t m_control = 0;
    int m_items = 0;
};

} // namespace

ByteArray Lzrw1::compress(const uint8_t* input, int size)
{
    if (input == nullptr || size < 0)
        size = 0;
    ByteArray out(size + 259);
    appendFlag(out, kFlagCompressed);
    GroupWriter writer(out);
    std::vector<int> table(kHashSize, -1);
    int position = 0;
    while (position < size) {
        if (out.size() > size)
            return storedCopy(input, size);
        // Near the end there is no room for a full-length match.
        if (size - position <= kMaxMatch) {
            writer.literal(input[position++]);
            continue;
        }
        int index = hashAt(input + position);
        int candidate = table[index];
        table[index] = position;
        int offset = position - candidate;
        int length = 0;
        if (candidate >= 0 && offset <= kMaxOffset)
            length = matchLength(input, candidate, position);
        if (length < kMinMatch) {
            writer.literal(input[position++]);
            continue;
        }
        writer.copy(offset, length);
        position += length;
    }
    writer.finish();
    if (out.size() >= size + kFlagBytes)
        return storedCopy(input, size);
    return out;
}

bool Lzrw1::decompress(const uint8_t* input, int size, int expectedSize, ByteArray& output)
{
    if (input == nullptr || size < kFlagBytes || expectedSize < 0)
        return false;
    if (input[1] != 0 || input[2] != 0 || input[3] != 0)
        return false;
    int payload = size - kFlagBytes;
    const uint8_t* items = input + kFlagBytes;
    if (input[0] == kFlagCopied) {
        if (payload != expectedSize)
            return false;
        output = ByteArray(items, payload);
        return true;
    }
    if (input[0] != kFlagCompressed)
        return false;
    // The size word is outside data: allocate only what the items can fill.
    if (static_cast<long long>(expectedSize) > static_cast<long long>(payload) * kMaxExpansion)
        return false;

    ByteArray result(expectedSize);
    int position = 0;
    while (position < payload) {
        if (payload - position < 2)
            return false;
        unsigned control = items[position] | items[position + 1] << 8;
        position += 2;
        for (int item = 0; item < kItemsPerGroup && position < payload; ++item) {
            bool isCopy = (control >> item & 1u) != 0;
            if (!isCopy) {
                if (result.size() >= expectedSize)
                    return false;
                result.appendByte(items[position++]);
                continue;
            }
            if (payload - position < 2)
                return false;
            int offset = (items[position] & 0xF0) << 4 | items[position + 1];
            int length = (items[position] & 0x0F) + 1;
            position += 2;
            int produced = result.size();
            if (offset == 0 || offset > produced || length > expectedSize - produced)
                return false;
            // The capacity was reserved up front, so the block never moves.
            for (int i = 0; i < length; ++i)
                result.appendByte(result.rawData()[produced - offset + i]);
        }
    }
    if (result.size() != expectedSize)
        return false;
    output = std::move(result);
    return true;
}
