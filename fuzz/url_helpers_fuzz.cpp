// Addresses and form text come from scraped pages, file addresses from the
// browser control. The helpers must accept any text; encoding must leave
// only safe characters, and decoding must give back what was encoded.
#include "foundation/net/HtmlEntities.h"
#include "foundation/net/HttpRequest.h"
#include "foundation/net/Url.h"

#include <cstddef>
#include <cstdint>

namespace {

const size_t kMaxInput = 1 << 16;

bool hasZero(const String& text)
{
    for (int i = 0; i < text.length(); ++i) {
        if (text.at(i) == 0)
            return true;
    }
    return false;
}

bool hasLoneSurrogate(const String& text)
{
    for (int i = 0; i < text.length(); ++i) {
        char16_t unit = text.at(i);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.length() && text.at(i + 1) >= 0xDC00 &&
            text.at(i + 1) < 0xE000) {
            ++i;
            continue;
        }
        if (unit >= 0xD800 && unit < 0xE000)
            return true;
    }
    return false;
}

bool isSafeEncoded(const String& text)
{
    for (int i = 0; i < text.length(); ++i) {
        char16_t unit = text.at(i);
        if (unit <= 32 || unit >= 128)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > kMaxInput)
        return 0;
    String text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));

    String host = urlHost(text);
    if (host.containsChar(u'/', String::kCaseSensitive))
        __builtin_trap();
    String path = urlPath(text);
    if (!path.isEmpty() && path.at(0) != u'/')
        __builtin_trap();

    String encoded = urlEncode(text);
    if (!isSafeEncoded(encoded))
        __builtin_trap();
    // Zero units end a decode early, and lone surrogates have no UTF-8 form.
    bool roundTrips = !hasZero(text) && !hasLoneSurrogate(text);
    if (roundTrips && !String::equals(urlDecode(encoded), text))
        __builtin_trap();
    urlDecode(text);
    decodeHtmlEntities(text);

    // A card link's "file:" address never becomes a path with a zero in it
    // or one still written with forward slashes.
    String local = fileUrlPath(String(u"file:///") + text);
    if (hasZero(local) || local.containsChar(u'/', String::kCaseSensitive))
        __builtin_trap();

    HttpRequest request;
    request.setHost(host);
    request.setPath(path);
    request.addFormField(text, encoded);
    request.toText();
    request.isSendable();
    return 0;
}
