#pragma once

#include <cstdint>

class String;

// An owned, growable block of bytes: file contents, narrow text for the
// platform and the network, digests and encoded data. It keeps no terminator;
// a caller that needs one appends a zero byte. Every block is zero-filled when
// it is allocated. Indices outside the bytes in use are ignored (or clamped)
// rather than trusted, because many of them are computed from outside data.
class ByteArray
{
public:
    ByteArray();
    // Empty, with a zero-filled block of capacity bytes.
    explicit ByteArray(int capacity);
    // A copy of count bytes; a count below 1 gives an empty ByteArray.
    ByteArray(const void* bytes, int count);
    ByteArray(const ByteArray& other);
    ByteArray(ByteArray&& other) noexcept;
    ~ByteArray();

    ByteArray& operator=(const ByteArray& other);
    ByteArray& operator=(ByteArray&& other) noexcept;

    static ByteArray fromChars(const void* bytes, int count);

    void release();
    // Grows the block to exactly n bytes; never shrinks.
    void reserve(int n);
    void resize(int n);
    void clear();
    void assign(const ByteArray& other);
    void assignChars(const void* bytes, int count);
    void append(const ByteArray& other);
    void appendByte(uint8_t value);
    // Appends the other's bytes and empties it (its block stays).
    void take(ByteArray& other);

    int size() const { return m_size; }
    int length() const { return m_size; }
    int capacity() const { return m_capacity; }
    bool isEmpty() const { return m_size == 0; }
    // The bytes, or null when there are none.
    uint8_t* data() { return m_size > 0 ? m_data : nullptr; }
    const uint8_t* data() const { return m_size > 0 ? m_data : nullptr; }
    // The block, even when no byte is in use.
    uint8_t* rawData() { return m_data; }
    const uint8_t* rawData() const { return m_data; }

    void setAt(int index, uint8_t value);
    void fill(uint8_t value);
    int indexOf(uint8_t value, int start = 0) const;
    int lastIndexOf(uint8_t value) const;
    bool containsByte(uint8_t value) const;
    int count(uint8_t value) const;
    void removeAt(int index);
    bool removeOne(uint8_t value);
    void removeFirst();
    void removeLast();
    // Drops frontCount bytes at the start and backCount bytes at the end.
    void chop(int frontCount, int backCount);
    ByteArray mid(int start, int count) const;

    // The size without trailing zero bytes.
    int trimmedLength() const;
    bool isAllZero() const;
    ByteArray trimZeros() const;
    ByteArray reversed() const;
    // Three-way comparison of the first count bytes with the given ones.
    int compareWith(const void* bytes, int count) const;

    // Two lower-case hexadecimal digits per byte; empty when there are none.
    String toHex() const;
    // Pairs of hexadecimal digits, every other character skipped; a last
    // digit without a partner is dropped. So "0a ff" and "0AFF" agree.
    static ByteArray fromHex(const String& text);
    // Base64 without line breaks; empty when there are no bytes.
    String toBase64() const;
    // The decoded bytes; empty when the text is not Base64.
    static ByteArray fromBase64(const String& text);

    // The size as a 32-bit little-endian word, then the LZRW1 form.
    ByteArray compressed() const;
    // The bytes of a compressed form, or an empty ByteArray when the form is
    // damaged or its size word does not match what it holds.
    ByteArray uncompressed() const;

    // ---- Whole files (defined in foundation/io/ByteArrayFiles.cpp) ----
    // The whole file; false (and empty) for a missing, empty or unreadable
    // file or one of 2 GiB or more.
    bool loadFromFile(const String& path);
    // Replaces the file through a temporary one; an empty ByteArray leaves an
    // empty file and reports false.
    bool saveToFile(const String& path) const;

private:
    void appendRaw(const uint8_t* bytes, int count);
    int grownCapacity(int newSize) const;

    uint8_t* m_data;
    int m_size;
    int m_capacity;
};

// -1, 0 or 1 by unsigned byte; the same pointer is equal to itself and a null
// pointer sorts before any other.
int compareBytes(const void* first, const void* second, int count);
// Index of the first occurrence of the needle in the haystack, or -1.
int findBytes(const void* haystack, int haystackSize, const void* needle, int needleSize);
// Reverses the order of the elements in place when byteSize is a whole,
// non-zero multiple of elementSize.
void reverseElements(void* buffer, int byteSize, int elementSize);
