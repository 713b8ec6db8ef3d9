#pragma once

#include "foundation/text/String.h"

// Splitting web addresses and percent-encoding form text. Only "http://" is
// spoken: an address with any other scheme ("https://", "ftp://") gives an
// empty host and path, so that it fails cleanly instead of being read as a
// host named after its scheme.

// The host of an address, lower-cased, with its ":port" when it has one. The
// text is trimmed; "http://" in front is skipped, and without it the host
// starts at the beginning. Empty when there is none.
String urlHost(const String& url);

// Everything from the first '/' after the host to the end, in its own case;
// empty when the address has no path.
String urlPath(const String& url);

// The UTF-8 bytes of text with every byte up to 32 or from 128, and each of
// < > " # % { } | \ ^ ~ [ ] + ? & @ = : , written as '%' and two upper-case
// hexadecimal digits; the other bytes stay.
String urlEncode(const String& text);

// The reverse for form text: "%hh" gives the byte hh, '+' a blank, and the
// bytes are read back as UTF-8. Decoding stops, keeping what it has, at a '%'
// without two following characters, whose characters are no number, or whose
// value is 0.
String urlDecode(const String& text);

// The local path a "file:" address names, as the system's browser control
// hands over a link to a local file it resolved: "file:///C:/Movies/" gives
// "C:\Movies\", "file://server/share/x" the share "\\server\share\x"
// ("localhost" and an empty host are this machine), and each "%hh" the
// byte hh, read back as UTF-8 together with the other characters. A '%'
// without two hexadecimal digits stays a '%'. Empty for any other text, for
// an address without a path, and for an escape of a zero byte or escaped
// bytes that are no UTF-8.
String fileUrlPath(const String& url);

// A web address in the form it may be handed to the shell, which puts it
// inside the quotes of the browser's command line: each blank, '"', '<' and
// '>' written as "%20", "%22", "%3C" and "%3E", so that no part of the
// address can end the quotes or start another argument. Empty, refused, for
// empty text and for text holding a control character (below U+0020, U+007F
// or U+0080 to U+009F), which no address the user means can hold.
String shellWebAddress(const String& address);
