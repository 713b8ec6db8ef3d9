#include "app/barcode/BarCodeSearch.h"

#include "foundation/containers/StringList.h"
#include "foundation/net/HtmlEntities.h"
#include "foundation/net/HttpClient.h"
#include "foundation/net/UserAgent.h"
#include "model/NewMovieRecord.h"

#include <initializer_list>

namespace {

const char16_t kSearchPath[] = u"/s/ref=nb_sb_noss?url=search-alias%3Dmovies-tv&field-keywords=";
const char16_t kNoMatch[] = u"did not match";
const char16_t kTitleMarker[] = u"<a class=\"title\" ";
const char16_t kMarkerEnd[] = u"\">";
// Tested in this order: "HD DVD" names a DVD.
const char16_t* const kMedia[] = {u"Blu-ray", u"DVD", u"CD", u"VHS"};
constexpr int kFirefoxIdentity = 1;

// The body without the zero bytes a server may pad it with.
int contentLength(const ByteArray& body)
{
    int length = body.size();
    while (length > 0 && body.data()[length - 1] == 0)
        --length;
    return length;
}

} // namespace

String BarCodeSearch::digitsOf(const String& typed)
{
    const String trimmed = typed.trim();
    const int count = trimmed.length();
    if (count < kMinimumDigits || count > kMaximumDigits)
        return String();
    for (int i = 0; i < count; ++i) {
        // Only the digits a bar code prints: the search path takes them as
        // they are.
        const char16_t unit = trimmed.at(i);
        if (unit < u'0' || unit > u'9')
            return String();
    }
    return trimmed;
}

void BarCodeSearch::prepare(HttpClient& client, const String& host, const String& digits)
{
    HttpRequest& request = client.request();
    request.setMethod(HttpRequest::kGet);
    request.setHost(host);
    request.setPath(String(kSearchPath) + digits);
    request.setSendTimeout(kTimeoutSeconds);
    HttpHeaders& headers = request.headers();
    headers.setHeader(String(u"User-Agent: ") + userAgentString(kFirefoxIdentity));
    headers.setHeader(String(u"Accept-Language: en-us,en"));
    headers.setHeader(String(u"Host: ") + host);
    headers.setHeader(String(u"Referer: http://") + host + u"/");
    headers.setHeader(String(u"Connection: close"));
    HttpResponse& response = client.response();
    response.setReceiveTimeout(kTimeoutSeconds);
    response.setResultBuffer(nullptr);
    response.setResultBufferSize(kMaxAnswerBytes);
}

BarCodeSearch::Outcome BarCodeSearch::readAnswer(bool performed, const HttpResponse& response,
                                                 const String& digits, NewMovieRecord& record)
{
    if (!performed || response.headers().statusKind() != HttpHeaders::kStatusOk)
        return kFailed;
    const int length = contentLength(response.body());
    if (length == 0)
        return kFailed;
    return readPage(String::fromUtf8(response.body().data(), length), digits, record);
}

BarCodeSearch::Outcome BarCodeSearch::readPage(const String& page, const String& digits,
                                               NewMovieRecord& record)
{
    if (page.contains(String(kNoMatch), String::kCaseSensitive))
        return kNotFound;
    const String raw = rawTitleOf(page);
    const String title = titleOf(raw);
    if (title.isEmpty())
        return kNotFound;
    record = NewMovieRecord();
    record.title = title;
    record.format = mediumOf(raw);
    record.barCode = digits;
    return kFound;
}

BarCodeSearch::Outcome BarCodeSearch::search(const String& host, const String& digits, NewMovieRecord& record)
{
    HttpClient client;
    prepare(client, host, digits);
    const bool performed = client.perform();
    return readAnswer(performed, client.response(), digits, record);
}

String BarCodeSearch::rawTitleOf(const String& page)
{
    const int marker = page.find(String(kTitleMarker), 0, String::kCaseSensitive);
    if (marker < 0)
        return String();
    const int quote = page.find(String(kMarkerEnd), marker, String::kCaseSensitive);
    if (quote < 0)
        return String();
    const int start = quote + 2;
    if (start >= page.length())
        return String();
    const int end = page.indexOfChar(u'<', start, String::kCaseSensitive);
    return page.mid(start, (end < 0 ? page.length() : end) - start);
}

String BarCodeSearch::titleOf(const String& rawTitle)
{
    int end = rawTitle.length();
    for (char16_t opening : {u'(', u'['}) {
        const int at = rawTitle.indexOfChar(opening, 0, String::kCaseSensitive);
        if (at >= 0 && at < end)
            end = at;
    }
    return decodeHtmlEntities(rawTitle.mid(0, end).trim()).trim();
}

String BarCodeSearch::mediumOf(const String& rawTitle)
{
    const StringList bracketed = StringList::split(rawTitle, String(u"["), 0);
    if (bracketed.count() != 2)
        return String();
    const StringList parenthesised = StringList::split(bracketed.first()->value, String(u"("), 0);
    if (parenthesised.count() != 2)
        return String();
    const String& inside = parenthesised.last()->value;
    for (const char16_t* medium : kMedia) {
        if (inside.contains(String(medium), String::kCaseSensitive))
            return String(medium);
    }
    return String();
}
