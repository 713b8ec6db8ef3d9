#include "model/textexchange/DelimitedTextFormat.h"

namespace {

const char16_t kDelimiters[DelimitedTextFormat::kChoiceCount] = {u',', u';', u' '};
const char16_t kQualifiers[DelimitedTextFormat::kChoiceCount] = {u'"', u'\'', 0};

bool isChoice(int index)
{
    return index >= 0 && index < DelimitedTextFormat::kChoiceCount;
}

} // namespace

DelimitedTextFormat::DelimitedTextFormat(int delimiterIndex, int qualifierIndex)
{
    if (!isChoice(delimiterIndex) || !isChoice(qualifierIndex))
        return;
    m_delimiter = delimiterIndex;
    m_qualifier = qualifierIndex;
}

char16_t DelimitedTextFormat::delimiterAt(int index)
{
    return isChoice(index) ? kDelimiters[index] : 0;
}

char16_t DelimitedTextFormat::qualifierAt(int index)
{
    return isChoice(index) ? kQualifiers[index] : 0;
}

char16_t DelimitedTextFormat::delimiter() const
{
    return delimiterAt(m_delimiter);
}

String DelimitedTextFormat::qualifier() const
{
    return isQualified() ? String(qualifierAt(m_qualifier), 1) : String();
}

String DelimitedTextFormat::separator() const
{
    String result = qualifier();
    result.appendChar(delimiter());
    result.append(qualifier());
    return result;
}

String DelimitedTextFormat::field(const String& value) const
{
    if (!isQualified())
        return value;
    const char16_t q = qualifierAt(m_qualifier);
    String result;
    result.reserve(value.length() + 2);
    result.appendChar(q);
    for (int i = 0; i < value.length(); ++i) {
        if (value.at(i) == q)
            result.appendChar(q);
        result.appendChar(value.at(i));
    }
    result.appendChar(q);
    return result;
}

String DelimitedTextFormat::line(const String& title, int32_t year) const
{
    String result = field(title);
    result.appendChar(delimiter());
    result.append(field(String::fromInt(year)));
    return result;
}
