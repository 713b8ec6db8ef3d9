#include "foundation/net/Url.h"

#include "foundation/text/ByteArray.h"

namespace {

const char16_t kHexDigits[] = u"0123456789ABCDEF";
const char kReserved[] = "<>\"#%{}|\\^~[]+?&@=:,";
const int kHttpPrefixLength = 7;

bool isAsciiLetter(char16_t unit)
{
    return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z');
}

bool isAsciiDigit(char16_t unit)
{
    return unit >= u'0' && unit <= u'9';
}

// Where the part after the scheme begins: 7 behind "http://" (any case), 0
// for text without a scheme, -1 for an address with another scheme.
int startAfterScheme(const String& text)
{
    if (text.startsWith(String(u"http://"), String::kIgnoreCase))
        return kHttpPrefixLength;
    int separator = text.find(String(u"://"), 0, String::kCaseSensitive);
    if (separator < 1 || !isAsciiLetter(text.at(0)))
        return 0;
    for (int i = 1; i < separator; ++i) {
        char16_t unit = text.at(i);
        if (!isAsciiLetter(unit) && !isAsciiDigit(unit) && unit != u'+' && unit != u'-' && unit != u'.')
            return 0;
    }
    return -1;
}

bool needsEscape(uint8_t byte)
{
    if (byte <= 32 || byte >= 128)
        return true;
    for (const char* reserved = kReserved; *reserved; ++reserved) {
        if (byte == static_cast<uint8_t>(*reserved))
            return true;
    }
    return false;
}

int hexValue(char16_t unit)
{
    if (isAsciiDigit(unit))
        return unit - u'0';
    if (unit >= u'a' && unit <= u'f')
        return unit - u'a' + 10;
    if (unit >= u'A' && unit <= u'F')
        return unit - u'A' + 10;
    return -1;
}

bool isScanSpace(char16_t unit)
{
    return unit == u' ' || (unit >= u'\t' && unit <= u'\r');
}

// Reads the two characters after a '%' the way a "%x" scan of them would:
// one or two hexadecimal digits, or one digit behind a blank or a sign.
bool scanEscape(char16_t first, char16_t second, int& value)
{
    int high = hexValue(first);
    int low = hexValue(second);
    if (high >= 0) {
        value = low >= 0 ? high * 16 + low : high;
        return true;
    }
    if (low < 0)
        return false;
    if (first == u'-') {
        value = -low;
        return true;
    }
    if (first == u'+' || isScanSpace(first)) {
        value = low;
        return true;
    }
    return false;
}

void appendUtf8(ByteArray& bytes, String& run)
{
    if (run.isEmpty())
        return;
    bytes.append(run.toUtf8());
    run.clear();
}

const char16_t kFileScheme[] = u"file:";
const int kFileSchemeLength = 5;
const char16_t kReplacement = 0xFFFD;

// "C:" or "C|" at that place, followed by a separator or the end: the way a
// file address writes a drive.
bool isDriveAt(const String& text, int at)
{
    if (text.length() < at + 2 || !isAsciiLetter(text.at(at)))
        return false;
    char16_t colon = text.at(at + 1);
    if (colon != u':' && colon != u'|')
        return false;
    return text.length() == at + 2 || text.at(at + 2) == u'/' || text.at(at + 2) == u'\\';
}

// The path part of a file address with its escapes read; false for a zero,
// written or escaped, and for escaped bytes that are no UTF-8.
bool decodeFilePath(const String& text, String& decoded)
{
    ByteArray bytes;
    String run;
    int length = text.length();
    for (int i = 0; i < length; ++i) {
        char16_t unit = text.at(i);
        if (unit == 0)
            return false;
        int high = i + 2 < length ? hexValue(text.at(i + 1)) : -1;
        int low = i + 2 < length ? hexValue(text.at(i + 2)) : -1;
        if (unit != u'%' || high < 0 || low < 0) {
            run += unit;
            continue;
        }
        int value = high * 16 + low;
        if (value == 0)
            return false;
        appendUtf8(bytes, run);
        bytes.appendByte(static_cast<uint8_t>(value));
        i += 2;
    }
    appendUtf8(bytes, run);
    String result = String::fromUtf8(bytes.data(), bytes.size());
    // Ill-formed bytes come back as U+FFFD; a text that had none had them
    // only in its escapes.
    if (result.indexOfChar(kReplacement, 0, String::kCaseSensitive) >= 0 &&
        text.indexOfChar(kReplacement, 0, String::kCaseSensitive) < 0)
        return false;
    decoded = result;
    return true;
}

bool isControlChar(char16_t unit)
{
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
}

// The escape of a character that could end the quotes around an address
// on a command line or split it there, or null.
const char16_t* shellEscapeOf(char16_t unit)
{
    switch (unit) {
    case u' ':
        return u"%20";
    case u'"':
        return u"%22";
    case u'<':
        return u"%3C";
    case u'>':
        return u"%3E";
    default:
        return nullptr;
    }
}

} // namespace

String urlHost(const String& url)
{
    String text = url.trim().toLower();
    int start = startAfterScheme(text);
    if (start < 0)
        return String();
    int slash = text.indexOfChar(u'/', start, String::kCaseSensitive);
    if (slash > start)
        return text.mid(start, slash - start);
    if (slash < 0 && start < text.length())
        return text.midFrom(start);
    return String();
}

String urlPath(const String& url)
{
    String text = url.trim();
    int start = startAfterScheme(text);
    if (start < 0)
        return String();
    int slash = text.indexOfChar(u'/', start, String::kCaseSensitive);
    if (slash > start)
        return text.midFrom(slash);
    return String();
}

String urlEncode(const String& text)
{
    ByteArray bytes = text.toUtf8();
    String encoded;
    encoded.reserve(bytes.size());
    for (int i = 0; i < bytes.size(); ++i) {
        uint8_t byte = bytes.data()[i];
        if (!needsEscape(byte)) {
            encoded += static_cast<char16_t>(byte);
            continue;
        }
        encoded += u'%';
        encoded += kHexDigits[byte >> 4];
        encoded += kHexDigits[byte & 0xF];
    }
    return encoded;
}

String urlDecode(const String& text)
{
    ByteArray bytes;
    String run;
    int length = text.length();
    for (int i = 0; i < length; ++i) {
        char16_t unit = text.at(i);
        if (unit == u'+') {
            appendUtf8(bytes, run);
            bytes.appendByte(' ');
            continue;
        }
        if (unit != u'%') {
            run += unit;
            continue;
        }
        int value = 0;
        if (i + 2 >= length)
            break;
        if (!scanEscape(text.at(i + 1), text.at(i + 2), value) || value < 1)
            break;
        appendUtf8(bytes, run);
        bytes.appendByte(static_cast<uint8_t>(value));
        i += 2;
    }
    appendUtf8(bytes, run);
    return String::fromUtf8(bytes.data(), bytes.size());
}

String fileUrlPath(const String& url)
{
    if (!url.startsWith(String(kFileScheme), String::kIgnoreCase))
        return String();
    String address = url.midFrom(kFileSchemeLength);
    String path = address;
    if (address.startsWith(String(u"//"), String::kCaseSensitive)) {
        int slash = address.indexOfChar(u'/', 2, String::kCaseSensitive);
        String host = slash < 0 ? address.midFrom(2) : address.mid(2, slash - 2);
        path = slash < 0 ? String() : address.midFrom(slash);
        if (host.length() == 2 && isDriveAt(host, 0))
            path = String(u"/") + host + path;
        else if (!host.isEmpty() && !String::equalsIgnoreCase(host, String(u"localhost")))
            path = String(u"//") + host + path;
    }
    String decoded;
    if (path.isEmpty() || !decodeFilePath(path, decoded) || decoded.isEmpty())
        return String();
    if (decoded.at(0) == u'/' && isDriveAt(decoded, 1))
        decoded = decoded.midFrom(1);
    if (isDriveAt(decoded, 0))
        decoded = decoded.mid(0, 1) + String(u":") + decoded.midFrom(2);
    return decoded.replaceChar(u'/', u'\\', String::kCaseSensitive);
}

String shellWebAddress(const String& address)
{
    String escaped;
    escaped.reserve(address.length());
    for (int i = 0; i < address.length(); ++i) {
        const char16_t unit = address.at(i);
        if (isControlChar(unit))
            return String();
        const char16_t* escape = shellEscapeOf(unit);
        if (escape)
            escaped.appendCString(escape);
        else
            escaped.appendChar(unit);
    }
    return escaped;
}
