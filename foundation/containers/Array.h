#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>

// A growable block of plain values (numbers, pointers, colours, rectangles).
// The first reservation takes exactly what was asked; later ones take
// min(2n, n + 100000) for a request of n, so appends stay cheap without
// doubling huge arrays. Elements are copied as bytes, so only trivially
// copyable types may be stored. Indexes are not checked.
template <typename T> class Array
{
    static_assert(std::is_trivially_copyable<T>::value, "Array holds plain values only");

public:
    static constexpr int kMaxCount = static_cast<int>(0x7FFFFFFF / sizeof(T));

    Array() = default;

    Array(const Array& other) { copyFrom(other); }

    Array(Array&& other) noexcept : m_data(other.m_data), m_count(other.m_count), m_capacity(other.m_capacity)
    {
        other.m_data = nullptr;
        other.m_count = 0;
        other.m_capacity = 0;
    }

    Array& operator=(const Array& other)
    {
        if (this != &other) {
            Array copy(other);
            swap(copy);
        }
        return *this;
    }

    Array& operator=(Array&& other) noexcept
    {
        if (this != &other) {
            destroy();
            swap(other);
        }
        return *this;
    }

    virtual ~Array() { destroy(); }

    int count() const { return m_count; }
    int capacity() const { return m_capacity; }
    bool isEmpty() const { return m_count == 0; }
    T* data() { return m_data; }
    const T* data() const { return m_data; }
    T& operator[](int index) { return m_data[index]; }
    const T& operator[](int index) const { return m_data[index]; }
    const T& at(int index) const { return m_data[index]; }

    // Makes room for n elements; never shrinks. False, with the array
    // unchanged, when n is beyond kMaxCount or the memory is not there.
    bool reserve(int n)
    {
        if (n <= m_capacity)
            return true;
        if (n > kMaxCount)
            return false;
        int64_t wanted = n;
        if (m_capacity > 0) {
            int64_t doubled = wanted * 2;
            int64_t stepped = wanted + 100000;
            wanted = doubled < stepped ? doubled : stepped;
            if (wanted > kMaxCount)
                wanted = kMaxCount;
        }
        T* block = static_cast<T*>(std::malloc(static_cast<size_t>(wanted) * sizeof(T)));
        if (!block)
            return false;
        if (m_count > 0)
            std::memcpy(static_cast<void*>(block), static_cast<const void*>(m_data), m_count * sizeof(T));
        std::free(m_data);
        m_data = block;
        m_capacity = static_cast<int>(wanted);
        return true;
    }

    // Stores value behind the last element; false when the array cannot grow.
    bool append(const T& value)
    {
        if (m_count >= kMaxCount || !reserve(m_count + 1))
            return false;
        m_data[m_count++] = value;
        return true;
    }

    bool contains(const T& value) const
    {
        for (int i = 0; i < m_count; ++i) {
            if (m_data[i] == value)
                return true;
        }
        return false;
    }

    // Frees the block; count and capacity become 0.
    void destroy()
    {
        std::free(m_data);
        m_data = nullptr;
        m_count = 0;
        m_capacity = 0;
    }

private:
    void copyFrom(const Array& other)
    {
        if (other.m_count < 1 || !reserve(other.m_count))
            return;
        std::memcpy(static_cast<void*>(m_data), static_cast<const void*>(other.m_data),
                    other.m_count * sizeof(T));
        m_count = other.m_count;
    }

    void swap(Array& other)
    {
        T* data = m_data;
        int count = m_count;
        int capacity = m_capacity;
        m_data = other.m_data;
        m_count = other.m_count;
        m_capacity = other.m_capacity;
        other.m_data = data;
        other.m_count = count;
        other.m_capacity = capacity;
    }

    T* m_data = nullptr;
    int m_count = 0;
    int m_capacity = 0;
};
