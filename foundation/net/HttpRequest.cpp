#include "foundation/net/HttpRequest.h"

#include "foundation/text/ByteArray.h"

namespace {

const char16_t kHexDigits[] = u"0123456789ABCDEF";

bool isLineBreakOrZero(char16_t unit)
{
    return unit == u'\r' || unit == u'\n' || unit == 0;
}

bool hasLineBreakOrZero(const String& text)
{
    for (int i = 0; i < text.length(); ++i) {
        if (isLineBreakOrZero(text.at(i)))
            return true;
    }
    return false;
}

} // namespace

HttpRequest::HttpRequest() : m_version(u"1.0"), m_path(u"/") {}

String HttpRequest::methodName() const
{
    return String(m_method == kGet ? u"GET" : u"POST");
}

void HttpRequest::addFormField(const String& name, const String& value)
{
    m_formFields.append(FormField{name, value});
}

String HttpRequest::formText() const
{
    String text;
    for (List<FormField>::Node* node = m_formFields.first(); node; node = node->next) {
        if (node != m_formFields.first())
            text += u'&';
        text += node->value.name;
        text += u'=';
        text += node->value.value;
    }
    return text;
}

int HttpRequest::formByteLength() const
{
    return formText().toUtf8().size();
}

String HttpRequest::toText() const
{
    bool hasForm = !m_formFields.isEmpty();
    String text = methodName();
    text += u' ';
    text += encodedPath();
    if (m_method == kGet && hasForm)
        text += formText();
    text += u" HTTP/";
    text += m_version;
    text += String::crlf();
    text += m_headers.toText();
    text += String::crlf();
    if (m_method != kGet && hasForm)
        text += formText();
    return text;
}

String HttpRequest::encodedPath() const
{
    if (m_path.isEmpty())
        return String(u"/");
    String path;
    path.reserve(m_path.length());
    for (int i = 0; i < m_path.length(); ++i) {
        char16_t unit = m_path.at(i);
        if (unit > u' ' || isLineBreakOrZero(unit)) {
            path += unit;
            continue;
        }
        path += u'%';
        path += kHexDigits[unit >> 4];
        path += kHexDigits[unit & 0xF];
    }
    return path;
}

bool HttpRequest::isSendable() const
{
    if (hasLineBreakOrZero(m_host) || hasLineBreakOrZero(m_path) || hasLineBreakOrZero(m_version))
        return false;
    for (const String& line : m_headers.lines()) {
        if (hasLineBreakOrZero(line))
            return false;
    }
    for (List<FormField>::Node* node = m_formFields.first(); node; node = node->next) {
        if (hasLineBreakOrZero(node->value.name) || hasLineBreakOrZero(node->value.value))
            return false;
    }
    return true;
}
