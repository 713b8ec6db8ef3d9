#include "model/card/PlaceholderFiller.h"

namespace {

bool isNameUnit(char16_t unit)
{
    return (unit >= u'A' && unit <= u'Z') || (unit >= u'0' && unit <= u'9') || unit == u'_';
}

} // namespace

void PlaceholderFiller::set(const char16_t* name, const String& value)
{
    m_values.emplace_back(String(name), value);
}

const String* PlaceholderFiller::valueOf(const char16_t* name, int length) const
{
    for (const auto& entry : m_values) {
        const String& key = entry.first;
        if (key.length() != length)
            continue;
        bool same = true;
        for (int i = 0; i < length && same; ++i)
            same = key.at(i) == name[i];
        if (same)
            return &entry.second;
    }
    return nullptr;
}

String PlaceholderFiller::fill(const String& text) const
{
    if (text.isEmpty())
        return text;
    String out;
    out.reserve(text.length());
    const char16_t* units = text.data();
    int length = text.length();
    int copied = 0;
    for (int open = 0; open < length; ++open) {
        if (units[open] != u'{')
            continue;
        int close = open + 1;
        while (close < length && isNameUnit(units[close]))
            ++close;
        if (close >= length || units[close] != u'}')
            continue;
        const String* value = valueOf(units + open + 1, close - open - 1);
        if (!value)
            continue;
        out.appendChars(units + copied, open - copied);
        out.append(*value);
        copied = close + 1;
        open = close;
    }
    out.appendChars(units + copied, length - copied);
    return out;
}
