#pragma once

// A block of UTF-16 units from the C allocator, for system calls that fill a
// caller's buffer; freed with the object. Null when the count is below 1 or
// the memory is not there.
class WideBuffer
{
public:
    explicit WideBuffer(int count);
    ~WideBuffer();
    WideBuffer(const WideBuffer&) = delete;
    WideBuffer& operator=(const WideBuffer&) = delete;

    bool isNull() const { return m_units == nullptr; }
    char16_t* data() const { return m_units; }
    int count() const { return m_count; }

private:
    char16_t* m_units = nullptr;
    int m_count = 0;
};
