#pragma once

// The long text the text engine is timed on: about a million units in some
// 16,000 paragraphs of mixed lengths, every 400th a long unbroken run, with
// accented, Cyrillic and CJK letters and surrogate pairs among the words.
#include "foundation/text/String.h"

#include <cstdint>

inline String textDocumentSample()
{
    const char16_t* words[] = {u"the",        u"movie",
                               u"caf\u00E9",  u"\u0444\u0438\u043B\u044C\u043C",
                               u"cast",       u"\u6620\u753B",
                               u"\U0001F3AC", u"directed",
                               u"by",         u"r\u00E9sum\u00E9",
                               u"and",        u"series"};
    const int wordCount = sizeof(words) / sizeof(words[0]);
    String text;
    text.reserve(1 << 20);
    uint32_t seed = 30;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    for (int paragraph = 0; paragraph < 16000; ++paragraph) {
        if (paragraph % 400 == 7) {
            text.appendRepeated(u'x', 3000);
        } else {
            const int length = 6 + static_cast<int>(next() % 125);
            for (int word = 0; word < length / 6; ++word) {
                text.appendCString(words[next() % wordCount]);
                text.appendChar(u' ');
            }
        }
        text.appendChar(u'\n');
    }
    return text;
}
