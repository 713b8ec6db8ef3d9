#include "foundation/text/Utf8.h"

namespace {

const char16_t kReplacement = 0xFFFD;
// A unit takes at most three bytes; longer texts would overflow the count.
const int kMaxEncodableUnits = 0x7FFFFFFF / 3;

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

class ByteSink
{
public:
    explicit ByteSink(uint8_t* out) : m_out(out) {}
    void put(uint32_t value)
    {
        if (m_out != nullptr)
            m_out[m_count] = static_cast<uint8_t>(value);
        ++m_count;
    }
    int count() const { return m_count; }

private:
    uint8_t* m_out;
    int m_count = 0;
};

class UnitSink
{
public:
    explicit UnitSink(char16_t* out) : m_out(out) {}
    void put(uint32_t codePoint)
    {
        if (codePoint < 0x10000) {
            putUnit(static_cast<char16_t>(codePoint));
            return;
        }
        codePoint -= 0x10000;
        putUnit(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
        putUnit(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
    }
    int count() const { return m_count; }

private:
    void putUnit(char16_t unit)
    {
        if (m_out != nullptr)
            m_out[m_count] = unit;
        ++m_count;
    }

    char16_t* m_out;
    int m_count = 0;
};

void putCodePoint(ByteSink& sink, uint32_t codePoint)
{
    if (codePoint < 0x80) {
        sink.put(codePoint);
    } else if (codePoint < 0x800) {
        sink.put(0xC0 | codePoint >> 6);
        sink.put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        sink.put(0xE0 | codePoint >> 12);
        sink.put(0x80 | (codePoint >> 6 & 0x3F));
        sink.put(0x80 | (codePoint & 0x3F));
    } else {
        sink.put(0xF0 | codePoint >> 18);
        sink.put(0x80 | (codePoint >> 12 & 0x3F));
        sink.put(0x80 | (codePoint >> 6 & 0x3F));
        sink.put(0x80 | (codePoint & 0x3F));
    }
}

// How a lead byte continues: the number of continuation bytes and the range
// allowed for the first of them (which rules out overlong forms, surrogates
// and values above U+10FFFF). A count of 0 marks a byte that cannot lead.
struct LeadByte
{
    int continuations;
    uint8_t low;
    uint8_t high;
};

LeadByte leadByte(uint8_t byte)
{
    if (byte >= 0xC2 && byte <= 0xDF)
        return {1, 0x80, 0xBF};
    if (byte == 0xE0)
        return {2, 0xA0, 0xBF};
    if (byte == 0xED)
        return {2, 0x80, 0x9F};
    if (byte >= 0xE1 && byte <= 0xEF)
        return {2, 0x80, 0xBF};
    if (byte == 0xF0)
        return {3, 0x90, 0xBF};
    if (byte >= 0xF1 && byte <= 0xF3)
        return {3, 0x80, 0xBF};
    if (byte == 0xF4)
        return {3, 0x80, 0x8F};
    return {0, 0, 0};
}

} // namespace

int Utf8::encode(const char16_t* text, int count, uint8_t* out)
{
    ByteSink sink(out);
    if (text == nullptr || count > kMaxEncodableUnits)
        return 0;
    for (int i = 0; i < count; ++i) {
        char16_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < count && isLowSurrogate(text[i + 1])) {
            uint32_t codePoint = 0x10000 + ((unit - 0xD800u) << 10) + (text[i + 1] - 0xDC00u);
            putCodePoint(sink, codePoint);
            ++i;
            continue;
        }
        if (isHighSurrogate(unit) || isLowSurrogate(unit))
            unit = kReplacement;
        putCodePoint(sink, unit);
    }
    return sink.count();
}

int Utf8::decode(const uint8_t* bytes, int count, char16_t* out)
{
    UnitSink sink(out);
    if (bytes == nullptr)
        return 0;
    int i = 0;
    while (i < count) {
        uint8_t byte = bytes[i++];
        if (byte < 0x80) {
            sink.put(byte);
            continue;
        }
        LeadByte lead = leadByte(byte);
        uint32_t codePoint = byte & (0x3F >> lead.continuations);
        int taken = 0;
        while (taken < lead.continuations && i < count) {
            uint8_t next = bytes[i];
            uint8_t low = taken == 0 ? lead.low : 0x80;
            uint8_t high = taken == 0 ? lead.high : 0xBF;
            if (next < low || next > high)
                break;
            codePoint = codePoint << 6 | (next & 0x3F);
            ++taken;
            ++i;
        }
        if (lead.continuations == 0 || taken < lead.continuations)
            codePoint = kReplacement;
        sink.put(codePoint);
    }
    return sink.count();
}
