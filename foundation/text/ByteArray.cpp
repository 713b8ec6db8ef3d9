#include "foundation/text/ByteArray.h"

#include "foundation/io/LittleEndian.h"
#include "foundation/platform/Base64.h"
#include "foundation/text/CharClass.h"
#include "foundation/text/HexText.h"
#include "foundation/text/Lzrw1.h"
#include "foundation/text/String.h"

#include <climits>
#include <cstring>
#include <new>
#include <utility>

namespace {

// Appends grow the block geometrically so that a loop of appends stays
// linear; the step is capped so that a large buffer does not double at once.
const int kMaxGrowthStep = 0x100000;
const int kCompressionHeadroom = 512;

uint8_t* allocateZeroed(int n)
{
    return new uint8_t[static_cast<size_t>(n)]();
}

} // namespace

ByteArray::ByteArray() : m_data(nullptr), m_size(0), m_capacity(0) {}

ByteArray::ByteArray(int capacity) : ByteArray()
{
    reserve(capacity);
}

ByteArray::ByteArray(const void* bytes, int count) : ByteArray()
{
    appendRaw(static_cast<const uint8_t*>(bytes), count);
}

ByteArray::ByteArray(const ByteArray& other) : ByteArray()
{
    appendRaw(other.m_data, other.m_size);
}

ByteArray::ByteArray(ByteArray&& other) noexcept
    : m_data(other.m_data), m_size(other.m_size), m_capacity(other.m_capacity)
{
    other.m_data = nullptr;
    other.m_size = 0;
    other.m_capacity = 0;
}

ByteArray::~ByteArray()
{
    delete[] m_data;
}

ByteArray& ByteArray::operator=(const ByteArray& other)
{
    assign(other);
    return *this;
}

ByteArray& ByteArray::operator=(ByteArray&& other) noexcept
{
    if (this == &other)
        return *this;
    delete[] m_data;
    m_data = std::exchange(other.m_data, nullptr);
    m_size = std::exchange(other.m_size, 0);
    m_capacity = std::exchange(other.m_capacity, 0);
    return *this;
}

ByteArray ByteArray::fromChars(const void* bytes, int count)
{
    return ByteArray(bytes, count);
}

void ByteArray::release()
{
    delete[] m_data;
    m_data = nullptr;
    m_size = 0;
    m_capacity = 0;
}

void ByteArray::reserve(int n)
{
    if (n <= m_capacity)
        return;
    uint8_t* block = allocateZeroed(n);
    if (m_size > 0)
        std::memcpy(block, m_data, static_cast<size_t>(m_size));
    delete[] m_data;
    m_data = block;
    m_capacity = n;
}

void ByteArray::resize(int n)
{
    if (n < 0)
        n = 0;
    if (n <= m_size) {
        m_size = n;
        return;
    }
    // A new block arrives zero-filled (a large image's block is not cleared
    // twice); bytes exposed again after a shrink must lose their old contents.
    if (n > m_capacity)
        reserve(n);
    else
        std::memset(m_data + m_size, 0, static_cast<size_t>(n - m_size));
    m_size = n;
}

void ByteArray::clear()
{
    m_size = 0;
}

void ByteArray::assign(const ByteArray& other)
{
    if (this == &other)
        return;
    assignChars(other.m_data, other.m_size);
}

void ByteArray::assignChars(const void* bytes, int count)
{
    if (bytes == nullptr || count < 1) {
        m_size = 0;
        return;
    }
    const uint8_t* source = static_cast<const uint8_t*>(bytes);
    if (count > m_capacity) {
        // The source may lie inside the old block: fill the new one first.
        uint8_t* block = allocateZeroed(count);
        std::memcpy(block, source, static_cast<size_t>(count));
        delete[] m_data;
        m_data = block;
        m_capacity = count;
    } else {
        std::memmove(m_data, source, static_cast<size_t>(count));
    }
    m_size = count;
}

void ByteArray::append(const ByteArray& other)
{
    appendRaw(other.m_data, other.m_size);
}

void ByteArray::appendByte(uint8_t value)
{
    appendRaw(&value, 1);
}

void ByteArray::take(ByteArray& other)
{
    if (this == &other)
        return;
    appendRaw(other.m_data, other.m_size);
    other.m_size = 0;
}

int ByteArray::grownCapacity(int newSize) const
{
    if (m_capacity == 0)
        return newSize;
    long long doubled = 2LL * m_capacity;
    long long capped = static_cast<long long>(m_capacity) + kMaxGrowthStep;
    long long wanted = doubled < capped ? doubled : capped;
    if (wanted < newSize)
        wanted = newSize;
    return wanted > INT_MAX ? INT_MAX : static_cast<int>(wanted);
}

void ByteArray::appendRaw(const uint8_t* bytes, int count)
{
    if (bytes == nullptr || count < 1)
        return;
    if (count > INT_MAX - m_size)
        throw std::bad_alloc();
    int newSize = m_size + count;
    if (newSize <= m_capacity) {
        std::memmove(m_data + m_size, bytes, static_cast<size_t>(count));
        m_size = newSize;
        return;
    }
    // The source may be this ByteArray's own block: fill the new block
    // before the old one is freed.
    int capacity = grownCapacity(newSize);
    uint8_t* block = allocateZeroed(capacity);
    if (m_size > 0)
        std::memcpy(block, m_data, static_cast<size_t>(m_size));
    std::memcpy(block + m_size, bytes, static_cast<size_t>(count));
    delete[] m_data;
    m_data = block;
    m_size = newSize;
    m_capacity = capacity;
}

void ByteArray::setAt(int index, uint8_t value)
{
    if (index < 0 || index >= m_size)
        return;
    m_data[index] = value;
}

void ByteArray::fill(uint8_t value)
{
    if (m_size > 0)
        std::memset(m_data, value, static_cast<size_t>(m_size));
}

int ByteArray::indexOf(uint8_t value, int start) const
{
    if (start < 0)
        start = 0;
    for (int i = start; i < m_size; ++i) {
        if (m_data[i] == value)
            return i;
    }
    return -1;
}

int ByteArray::lastIndexOf(uint8_t value) const
{
    for (int i = m_size - 1; i >= 0; --i) {
        if (m_data[i] == value)
            return i;
    }
    return -1;
}

bool ByteArray::containsByte(uint8_t value) const
{
    return indexOf(value, 0) >= 0;
}

int ByteArray::count(uint8_t value) const
{
    int found = 0;
    for (int i = 0; i < m_size; ++i) {
        if (m_data[i] == value)
            ++found;
    }
    return found;
}

void ByteArray::removeAt(int index)
{
    if (index < 0 || index >= m_size)
        return;
    std::memmove(m_data + index, m_data + index + 1, static_cast<size_t>(m_size - index - 1));
    --m_size;
}

bool ByteArray::removeOne(uint8_t value)
{
    int index = indexOf(value, 0);
    if (index < 0)
        return false;
    removeAt(index);
    return true;
}

void ByteArray::removeFirst()
{
    removeAt(0);
}

void ByteArray::removeLast()
{
    removeAt(m_size - 1);
}

void ByteArray::chop(int frontCount, int backCount)
{
    if (frontCount < 0)
        frontCount = 0;
    if (backCount < 0)
        backCount = 0;
    if (static_cast<long long>(frontCount) + backCount >= m_size) {
        m_size = 0;
        return;
    }
    int kept = m_size - frontCount - backCount;
    if (frontCount > 0)
        std::memmove(m_data, m_data + frontCount, static_cast<size_t>(kept));
    m_size = kept;
}

ByteArray ByteArray::mid(int start, int count) const
{
    if (count < 1 || start >= m_size)
        return ByteArray();
    if (start < 0)
        start = 0;
    if (count > m_size - start)
        count = m_size - start;
    return ByteArray(m_data + start, count);
}

int ByteArray::trimmedLength() const
{
    int n = m_size;
    while (n > 0 && m_data[n - 1] == 0)
        --n;
    return n;
}

bool ByteArray::isAllZero() const
{
    return m_size > 0 && trimmedLength() == 0;
}

ByteArray ByteArray::trimZeros() const
{
    int end = trimmedLength();
    int start = 0;
    while (start < end && m_data[start] == 0)
        ++start;
    return ByteArray(m_data + start, end - start);
}

ByteArray ByteArray::reversed() const
{
    ByteArray copy(*this);
    reverseElements(copy.m_data, copy.m_size, 1);
    return copy;
}

int ByteArray::compareWith(const void* bytes, int count) const
{
    if (count < 1)
        return 0;
    if (m_size == 0)
        return compareBytes(nullptr, bytes, count);
    if (m_size < count) {
        // Never read past the bytes in use: a shorter ByteArray that matches
        // as far as it goes sorts first.
        int result = compareBytes(m_data, bytes, m_size);
        return result != 0 ? result : -1;
    }
    return compareBytes(m_data, bytes, count);
}

String ByteArray::toHex() const
{
    return bytesToHexStyled(m_data, m_size, 0);
}

ByteArray ByteArray::fromHex(const String& text)
{
    ByteArray result;
    int digits = 0;
    int high = 0;
    for (int i = 0; i < text.length(); ++i) {
        int value = hexDigitValue(text.at(i));
        if (value < 0)
            continue;
        if (digits++ % 2 == 0) {
            high = value;
            continue;
        }
        result.appendByte(static_cast<uint8_t>(high << 4 | value));
    }
    // The result keeps a block of exactly its size.
    return ByteArray(result.m_data, result.m_size);
}

String ByteArray::toBase64() const
{
    String text;
    if (!base64Encode(m_data, m_size, text))
        return String();
    return text;
}

ByteArray ByteArray::fromBase64(const String& text)
{
    ByteArray bytes;
    if (!base64Decode(text.data(), text.length(), bytes))
        return ByteArray();
    return bytes;
}

ByteArray ByteArray::compressed() const
{
    // The compressor's work buffer and the stored form add a few hundred
    // bytes, which must still fit the size field.
    if (m_size > INT_MAX - kCompressionHeadroom)
        return ByteArray();
    ByteArray result(m_size + 8);
    uint32_t size = static_cast<uint32_t>(m_size);
    for (int shift = 0; shift < 32; shift += 8)
        result.appendByte(static_cast<uint8_t>(size >> shift));
    ByteArray body = Lzrw1::compress(m_data, m_size);
    result.append(body);
    return result;
}

ByteArray ByteArray::uncompressed() const
{
    if (m_size < 8)
        return ByteArray();
    uint32_t size = fromLittleEndian<uint32_t>(m_data);
    if (size > static_cast<uint32_t>(INT_MAX))
        return ByteArray();
    ByteArray result;
    if (!Lzrw1::decompress(m_data + 4, m_size - 4, static_cast<int>(size), result))
        return ByteArray();
    return result;
}

int compareBytes(const void* first, const void* second, int count)
{
    if (first == second)
        return 0;
    if (first == nullptr)
        return -1;
    if (second == nullptr)
        return 1;
    if (count < 1)
        return 0;
    int result = std::memcmp(first, second, static_cast<size_t>(count));
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

int findBytes(const void* haystack, int haystackSize, const void* needle, int needleSize)
{
    if (haystack == nullptr || needle == nullptr || haystackSize < 1 || needleSize < 1)
        return -1;
    if (needleSize > haystackSize)
        return -1;
    const uint8_t* hay = static_cast<const uint8_t*>(haystack);
    const uint8_t* pin = static_cast<const uint8_t*>(needle);
    for (int i = 0; i <= haystackSize - needleSize; ++i) {
        if (hay[i] == pin[0] && std::memcmp(hay + i, pin, static_cast<size_t>(needleSize)) == 0)
            return i;
    }
    return -1;
}

void reverseElements(void* buffer, int byteSize, int elementSize)
{
    if (buffer == nullptr || byteSize < 1 || elementSize < 1 || byteSize % elementSize != 0)
        return;
    uint8_t* bytes = static_cast<uint8_t*>(buffer);
    int front = 0;
    int back = byteSize - elementSize;
    while (front < back) {
        for (int i = 0; i < elementSize; ++i)
            std::swap(bytes[front + i], bytes[back + i]);
        front += elementSize;
        back -= elementSize;
    }
}
