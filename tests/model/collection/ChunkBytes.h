#pragma once

// Builds collection-file bytes by hand, straight from the format's tables,
// so that the tests can compare what the program writes against bytes that
// the program did not produce.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace collectiontest {

using Bytes = std::vector<uint8_t>;

inline void appendWord(Bytes& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

inline Bytes int32Bytes(int32_t value)
{
    Bytes out;
    appendWord(out, uint32_t(value));
    return out;
}

inline Bytes floatBytes(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    return int32Bytes(int32_t(bits));
}

inline Bytes textBytes(const std::string& utf8)
{
    return Bytes(utf8.begin(), utf8.end());
}

inline Bytes intsBytes(std::initializer_list<int32_t> values)
{
    Bytes out;
    for (int32_t value : values)
        appendWord(out, uint32_t(value));
    return out;
}

// One value: tag, size, data.
inline Bytes value(const char* tag, const Bytes& data)
{
    Bytes out(tag, tag + 4);
    appendWord(out, uint32_t(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

// One node: tag, its children, then its values.
inline Bytes node(const char* tag, const std::vector<Bytes>& children, const std::vector<Bytes>& values)
{
    Bytes out(tag, tag + 4);
    appendWord(out, uint32_t(children.size()));
    for (const Bytes& child : children)
        out.insert(out.end(), child.begin(), child.end());
    appendWord(out, uint32_t(values.size()));
    for (const Bytes& item : values)
        out.insert(out.end(), item.begin(), item.end());
    return out;
}

inline Bytes file(const Bytes& root)
{
    Bytes out{'R', 'S', 'D', 'B'};
    out.insert(out.end(), root.begin(), root.end());
    return out;
}

inline bool contains(const Bytes& haystack, const Bytes& needle)
{
    if (needle.size() > haystack.size())
        return false;
    for (size_t i = 0; i + needle.size() <= haystack.size(); ++i) {
        if (std::memcmp(haystack.data() + i, needle.data(), needle.size()) == 0)
            return true;
    }
    return false;
}

} // namespace collectiontest
