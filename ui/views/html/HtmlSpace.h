#pragma once

// White space as HTML and CSS mean it: space, tab, line feed, form feed and
// carriage return. A no-break space is not one of them: it neither breaks a
// line nor collapses.
inline bool isHtmlSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}
