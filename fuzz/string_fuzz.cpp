// Text operations on arbitrary UTF-16 with arbitrary indexes, as the web-page
// extractors feed them: nothing may read or write outside a text, and the
// results must keep their promises (split then join restores the text,
// replacing a needle by itself changes nothing, found indexes really match).
#include <cstddef>
#include <cstdint>

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"

namespace {

class Input
{
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    int32_t int32()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= uint32_t(byte()) << (8 * i);
        return static_cast<int32_t>(value);
    }

    String units(size_t count)
    {
        String text;
        for (size_t i = 0; i < count && m_pos + 1 < m_size; ++i) {
            text.appendChar(static_cast<char16_t>(m_data[m_pos] | m_data[m_pos + 1] << 8));
            m_pos += 2;
        }
        return text;
    }

    size_t remainingUnits() const { return (m_size - m_pos) / 2; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void checkIndexedEdits(const String& text, const String& needle, int32_t a, int32_t b)
{
    check(text.mid(a, b).length() <= text.length());
    check(text.midFrom(a).length() <= text.length());
    String removed(text);
    removed.remove(a, b);
    check(removed.length() <= text.length());
    String replaced(text);
    replaced.replaceRange(a, b, needle);
    check(replaced.length() <= text.length() + needle.length());
    String inserted(text);
    inserted.insert(a, needle);
    check(inserted.length() == text.length() + needle.length());
    int unitIndex = text.indexOfChar(needle.isEmpty() ? u'a' : needle.first(), a, b & 1);
    check(unitIndex >= -1 && unitIndex < text.length());
}

void checkSearch(const String& text, const String& needle, int32_t start)
{
    int found = text.find(needle, start, 1);
    check(found == -1 || (found >= 0 && found + needle.length() <= text.length()));
    if (found >= 0)
        check(String::equals(text.mid(found, needle.length()), needle));
    int foundNoCase = text.find(needle, start, 0);
    check(foundNoCase == -1 || (foundNoCase >= 0 && foundNoCase + needle.length() <= text.length()));
    Array<int> all = text.findAll(needle, 0, 0);
    for (int i = 1; i < all.count(); ++i)
        check(all[i] >= all[i - 1] + needle.length());
    check(String::equals(text.replace(needle, needle, 1), text));
}

void checkSplitJoin(const String& text, const String& separator, int flags)
{
    StringList parts = String::split(text, separator, 0);
    if (!separator.isEmpty())
        check(String::equals(String::join(parts, separator, 0), text));
    StringList flagged = String::split(text, separator, flags & 3);
    check(flagged.count() <= parts.count() || parts.count() == 0);
    String::join(flagged, separator, flags & 3);
    int before = flagged.count();
    int removed = flagged.removeDuplicates();
    check(flagged.count() == before - removed);
    flagged.sort(flags & 4 ? 1 : 0);
    check(flagged.count() == before - removed);
}

void checkWholeText(const String& text, const String& other)
{
    check(text.trim().length() <= text.length());
    check(text.collapseWhitespace().length() <= text.length());
    check(text.toLower().length() == text.length());
    check(text.toUpper().length() == text.length());
    check(String::equalsIgnoreCase(text, text.toUpper()) == String::equalsIgnoreCase(text.toUpper(), text));
    int versions = String::compareVersions(text, other);
    check(versions >= -2 && versions <= 1);
    text.hexToInt64();
    text.hash64();
    text.arg(other);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input input(data, size);
    int32_t a = input.int32();
    int32_t b = input.int32();
    int flags = input.byte();
    String needle = input.units(input.byte() % 8);
    String text = input.units(input.remainingUnits());

    checkIndexedEdits(text, needle, a, b);
    checkSearch(text, needle, a);
    checkSplitJoin(text, needle, flags);
    checkWholeText(text, needle);
    return 0;
}
