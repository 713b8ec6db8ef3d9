// The page reader of MovieExtractor: one page fetched and decoded, the stretch
// between two markers turned into text runs, and the queries the site rules
// ask of those runs.
#include "model/extractors/MovieExtractor.h"

#include "foundation/net/HttpClient.h"
#include "foundation/net/UserAgent.h"
#include "foundation/text/CharClass.h"
#include "foundation/text/CodePage.h"

namespace {

const int kCaseSensitive = 1;
const int kAttributeWindow = 256;

bool startsAt(const String& text, int position, const char16_t* prefix)
{
    for (int i = 0; prefix[i]; ++i) {
        if (position + i >= text.length() || text.at(position + i) != prefix[i])
            return false;
    }
    return true;
}

// The first index in [from, to) at which needle begins; -1 when none does.
// Searching only the window keeps a tag's attribute look-up from reading the
// rest of a large page.
int findWithin(const String& text, const String& needle, int from, int to)
{
    if (from < 0)
        from = 0;
    if (to > text.length())
        to = text.length();
    for (int i = from; i < to; ++i) {
        if (i + needle.length() > text.length())
            return -1;
        int k = 0;
        while (k < needle.length() && text.at(i + k) == needle.at(k))
            ++k;
        if (k == needle.length())
            return i;
    }
    return -1;
}

// The body's length without the trailing zero bytes.
int contentLength(const ByteArray& body)
{
    int length = body.size();
    while (length > 0 && body.data()[length - 1] == 0)
        --length;
    return length;
}

int codePageOf(const String& charset)
{
    if (charset == String(u"utf-8"))
        return String::kCodePageUtf8;
    if (charset == String(u"iso-8859-1"))
        return String::kCodePageLatin1;
    return 0;
}

// The value of the first "Location" line, after its first ": ".
String locationOf(const HttpHeaders& headers)
{
    for (const String& line : headers.lines()) {
        if (!line.startsWith(String(u"Location"), kCaseSensitive))
            continue;
        int separator = line.find(String(u": "), 0, kCaseSensitive);
        if (separator >= 0)
            return line.midFrom(separator + 2).trim();
    }
    return String();
}

// The index of the first run at or after from that passes the test; -1.
template <typename Test> int indexOfRun(const PageTextRunList& runs, int from, Test test)
{
    for (int i = from < 0 ? 0 : from; i < int(runs.size()); ++i) {
        if (test(runs[size_t(i)]))
            return i;
    }
    return -1;
}

} // namespace

bool MovieExtractor::fetchPage(const String& path, const String& startMarker, const String& endMarker,
                               String& redirect)
{
    HttpClient client;
    HttpRequest& request = client.request();
    request.setMethod(HttpRequest::kGet);
    request.setHost(m_site.host);
    request.setPath(path);
    request.setSendTimeout(kTimeoutSeconds);
    HttpHeaders& headers = request.headers();
    headers.setHeader(String(u"Host: ") + m_site.host);
    headers.setHeader(String(u"User-Agent: ") + userAgentString(1));
    headers.setHeader(String(u"Accept-Language: ") + m_acceptLanguage);
    headers.setHeader(String(u"Connection: close"));
    headers.setHeader(String(u"Referer: http://") + m_site.host + u"/");
    HttpResponse& response = client.response();
    response.setReceiveTimeout(kTimeoutSeconds);
    response.setResultBufferSize(kMaxAnswerBytes);
    if (!client.perform()) {
        m_pageText = String();
        m_runs.clear();
        redirect = String();
        return false;
    }
    return readAnswer(response, startMarker, endMarker, redirect);
}

bool MovieExtractor::readAnswer(const HttpResponse& response, const String& startMarker,
                                const String& endMarker, String& redirect)
{
    m_pageText = String();
    m_runs.clear();
    redirect = String();
    int status = response.headers().statusKind();
    if (status == HttpHeaders::kStatusFound) {
        redirect = locationOf(response.headers());
        return !redirect.isEmpty();
    }
    if (status != HttpHeaders::kStatusOk)
        return false;
    int length = contentLength(response.body());
    int codePage = codePageOf(response.charset());
    if (length == 0 || codePage == 0)
        return false;
    if (!bytesToWide(codePage, response.body().data(), length, m_pageText))
        return false;
    return htmlToRuns(startMarker, endMarker);
}

// A run with text, a link or an image joins the list; white space alone with
// neither stays in front of the next text, as the site's pages put blanks
// between tags everywhere. textHasContent tracks whether the text holds more
// than white space, so that runs of blanks between many tags are never
// copied and trimmed again at every tag.
void MovieExtractor::appendRun(PageTextRun& run, bool& textHasContent)
{
    if (!textHasContent && run.href.isEmpty() && run.src.isEmpty())
        return;
    PageTextRun made = run;
    cleanText(made);
    if (made.text.isEmpty() && made.href.isEmpty() && made.src.isEmpty())
        return;
    m_runs.push_back(made);
    run = PageTextRun();
    textHasContent = false;
}

bool MovieExtractor::htmlToRuns(const String& startMarker, const String& endMarker)
{
    m_runs.clear();
    if (m_pageText.isEmpty())
        return false;
    int start = m_pageText.find(startMarker, 0, kCaseSensitive);
    if (start < 0)
        return false;

    static const String kHref(u" href=\"");
    static const String kSrc(u" src=\"");
    static const String kAlt(u" alt=\"");
    static const String kQuote(u"\"");
    const String& text = m_pageText;
    PageTextRun run;
    bool textHasContent = false;
    bool inTag = false;
    for (int i = start; i < text.length(); ++i) {
        char16_t c = text.at(i);
        if (c == u'<') {
            inTag = true;
            if (!run.text.isEmpty() || !run.src.isEmpty()) {
                size_t before = m_runs.size();
                appendRun(run, textHasContent);
                if (m_runs.size() > before && m_runs.back().text.contains(endMarker, kCaseSensitive))
                    return true;
            }
            Match match;
            if (startsAt(text, i, u"<a ")) {
                String href = textBetween(text, match, i, i + kAttributeWindow, kHref, kQuote);
                if (match.found)
                    run.href = href;
            } else if (startsAt(text, i, u"<img ")) {
                String src = textBetween(text, match, i, i + kAttributeWindow, kSrc, kQuote);
                if (match.found)
                    run.src = src;
                Match altMatch;
                String alt = textBetween(text, altMatch, i, i + kAttributeWindow, kAlt, kQuote);
                if (altMatch.found)
                    run.alt = alt;
            } else {
                int skip = skipScriptOrStyle(text, i);
                if (skip > 0) {
                    i += skip - 1;
                    inTag = false;
                }
            }
        } else if (c == u'>') {
            inTag = false;
        } else if (!inTag) {
            run.text += (c == u'\r' || c == u'\n') ? u' ' : c;
            if (!isSpaceChar(c))
                textHasContent = true;
        }
    }
    return true;
}

void MovieExtractor::cleanText(PageTextRun& run) const
{
    String& text = run.text;
    if (text.isEmpty())
        return;
    if (isSpaceChar(text.at(0)) || isSpaceChar(text.at(text.length() - 1)))
        text = text.trim();
    if (text.containsChar(u'&', kCaseSensitive))
        text = text.replaceMany(m_replaceBefore, m_replaceAfter, kCaseSensitive);
}

String MovieExtractor::textBetween(const String& text, Match& match, int from, int to,
                                   const String& startMarker, const String& endMarker)
{
    if (text.isEmpty() || startMarker.isEmpty() || endMarker.isEmpty())
        return String();
    int s = findWithin(text, startMarker, from, to);
    if (s < 0)
        return String();
    int e = findWithin(text, endMarker, s + startMarker.length(), to);
    if (e < 0)
        return String();
    match.found = true;
    match.start = s;
    match.end = e;
    return text.mid(s + startMarker.length(), e - s - startMarker.length());
}

int MovieExtractor::skipScriptOrStyle(const String& text, int position)
{
    static const String kScriptEnd(u"</script>");
    static const String kStyleEnd(u"</style>");
    const String* closing = nullptr;
    if (startsAt(text, position, u"<script"))
        closing = &kScriptEnd;
    else if (startsAt(text, position, u"<style"))
        closing = &kStyleEnd;
    if (!closing)
        return 0;
    int end = text.find(*closing, position, kCaseSensitive);
    if (end < 0)
        return text.length() - position;
    return end - position + closing->length();
}

String MovieExtractor::trimQuotes(const String& text)
{
    return text.trim().trimChars(String(u"\"'"));
}

// ---- Queries ----

const PageTextRun* MovieExtractor::findRunByText(const String& text) const
{
    for (const PageTextRun& run : m_runs) {
        if (run.text == text)
            return &run;
    }
    return nullptr;
}

int MovieExtractor::indexOfRunContaining(const String& needle, int from) const
{
    return indexOfRun(m_runs, from,
                      [&](const PageTextRun& run) { return run.text.contains(needle, kCaseSensitive); });
}

int MovieExtractor::indexOfRunEqualTo(const String& needle, int from) const
{
    return indexOfRun(m_runs, from, [&](const PageTextRun& run) { return run.text == needle; });
}

int MovieExtractor::indexOfRunWithHref(const String& needle, int from) const
{
    return indexOfRun(m_runs, from,
                      [&](const PageTextRun& run) { return run.href.contains(needle, kCaseSensitive); });
}

const PageTextRun* MovieExtractor::runAt(int index) const
{
    if (index < 0 || index >= int(m_runs.size()))
        return nullptr;
    return &m_runs[size_t(index)];
}

String MovieExtractor::runText(int index) const
{
    if (m_runs.empty() || index >= int(m_runs.size()))
        return String();
    return m_runs[size_t(index < 0 ? 0 : index)].text;
}

String MovieExtractor::textAt(int index) const
{
    const PageTextRun* run = runAt(index);
    return run ? run->text : String();
}

StringList MovieExtractor::matchingTexts(bool byHref, const String& needle, int from, int maximum) const
{
    StringList texts;
    if (from == -1)
        return texts;
    int begin = from < 0 ? 0 : from;
    int end = int(m_runs.size());
    if (maximum > 0 && begin + maximum < end)
        end = begin + maximum;
    for (int i = begin; i < end; ++i) {
        const PageTextRun& run = m_runs[size_t(i)];
        const String& field = byHref ? run.href : run.text;
        if (!run.text.isEmpty() && field.contains(needle, kCaseSensitive))
            texts.append(run.text);
    }
    return texts;
}

StringList MovieExtractor::linkTextsWithHref(const String& needle, int from, int maximum) const
{
    return matchingTexts(true, needle, from, maximum);
}

StringList MovieExtractor::runTextsContaining(const String& needle, int from, int maximum) const
{
    return matchingTexts(false, needle, from, maximum);
}
