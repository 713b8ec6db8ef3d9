// Exercises the fuzzing machinery until the first real parser has a target of
// its own: a tiny length-prefixed reader must never claim more bytes than it was
// given, whatever the input.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// Reads records of [length byte][payload]; stops at a truncated record.
std::vector<std::vector<uint8_t>> readRecords(const uint8_t* data, size_t size)
{
    std::vector<std::vector<uint8_t>> records;
    size_t pos = 0;
    while (pos < size) {
        size_t length = data[pos++];
        if (length > size - pos)
            break;
        records.emplace_back(data + pos, data + pos + length);
        pos += length;
    }
    return records;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto records = readRecords(data, size);
    size_t total = 0;
    for (const auto& record : records)
        total += record.size() + 1;
    if (total > size)
        __builtin_trap();
    return 0;
}
