#include "foundation/net/HttpResponse.h"

#include "foundation/containers/StringList.h"

namespace {

const char kHeaderEnd[] = "\r\n\r\n";
const int kHeaderEndLength = 4;
const char kCharsetMarker[] = "text/html; charset=";
const int kCharsetMarkerLength = 19;
const int kShortestAnswer = 5;

} // namespace

void HttpResponse::clear()
{
    m_headers.clear();
    m_body.clear();
}

String HttpResponse::charset() const
{
    int size = m_body.size();
    const uint8_t* bytes = m_body.data();
    int marker = findBytes(bytes, size, kCharsetMarker, kCharsetMarkerLength);
    if (marker < 0)
        return String();
    int start = marker + kCharsetMarkerLength;
    int end = m_body.indexOf('"', start);
    if (end < 0)
        return String();
    return String::fromUtf8(bytes + start, end - start).toLower();
}

bool HttpResponse::parse(const uint8_t* bytes, int length)
{
    if (bytes == nullptr || length < kShortestAnswer)
        return false;
    int headerEnd = findBytes(bytes, length, kHeaderEnd, kHeaderEndLength);
    if (headerEnd < 0)
        return false;
    int bodyStart = headerEnd + kHeaderEndLength;

    String block = String::fromNarrow(bytes, bodyStart).trim();
    StringList parts = StringList::split(block, String::crlf(), String::kSkipEmpty);
    HttpHeaders headers;
    if (!parts.isEmpty()) {
        headers.appendLine(parts.first()->value);
        List<String>::Node* statusLine = parts.first();
        parts.erase(statusLine);
        headers.setHeaders(parts);
    }
    m_headers = headers;
    m_body.assignChars(bytes + bodyStart, length - bodyStart);
    return true;
}
