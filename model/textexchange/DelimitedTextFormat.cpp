#include "model/textexchange/DelimitedTextFormat.h"

namespace {

const char16_t kDelimiters[DelimitedTextFormat::kChoiceCount] = {u',', u';', u' '};
const char16_t kQualifiers[DelimitedTextFormat::kChoiceCount] = {u'"', u'\'', 0};

// The year as String::fromInt writes it, added without a text of its own:
// the export writes one per movie.
void appendDecimal(String& out, int32_t value)
{
    char16_t digits[12];
    int at = 12;
    int64_t rest = value < 0 ? -int64_t(value) : int64_t(value);
    do {
        digits[--at] = char16_t(u'0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    if (value < 0)
        digits[--at] = u'-';
    out.appendChars(digits + at, 12 - at);
}

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
    String result;
    appendField(result, value);
    return result;
}

void DelimitedTextFormat::appendField(String& out, const String& value) const
{
    if (!isQualified()) {
        out.append(value);
        return;
    }
    const char16_t q = qualifierAt(m_qualifier);
    out.appendChar(q);
    // Most titles hold no qualifier and go in whole.
    if (value.indexOfChar(q, 0, 1) < 0) {
        out.append(value);
    } else {
        for (int i = 0; i < value.length(); ++i) {
            if (value.at(i) == q)
                out.appendChar(q);
            out.appendChar(value.at(i));
        }
    }
    out.appendChar(q);
}

String DelimitedTextFormat::line(const String& title, int32_t year) const
{
    String result;
    appendLine(result, title, year);
    return result;
}

void DelimitedTextFormat::appendLine(String& out, const String& title, int32_t year) const
{
    appendField(out, title);
    out.appendChar(delimiter());
    // A year holds no qualifier to double.
    const char16_t q = isQualified() ? qualifierAt(m_qualifier) : 0;
    if (q)
        out.appendChar(q);
    appendDecimal(out, year);
    if (q)
        out.appendChar(q);
}
