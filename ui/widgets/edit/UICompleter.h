#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"

// The words a line edit offers while the user types: those of its list that
// start with the text and are longer than it, in list order.
class UICompleter
{
public:
    static constexpr int kDefaultMaximum = 7;

    void setEnabled(bool on) { m_enabled = on; }
    bool isEnabled() const { return m_enabled; }
    void setCaseSensitive(bool on) { m_caseSensitive = on; }
    bool isCaseSensitive() const { return m_caseSensitive; }
    void setWords(const StringList& words) { m_words = words; }
    const StringList& words() const { return m_words; }
    void addWord(const String& word) { m_words.append(word); }
    void clearWords() { m_words.clear(); }
    // Never below 1.
    void setMaximumMatches(int count) { m_maximum = count < 1 ? 1 : count; }
    int maximumMatches() const { return m_maximum; }

    // Remembers and returns the matches of text; none when disabled, without
    // words or for an empty text.
    const StringList& match(const String& text);
    const StringList& matches() const { return m_matches; }

private:
    bool m_enabled = true;
    bool m_caseSensitive = true;
    StringList m_words;
    StringList m_matches;
    int m_maximum = kDefaultMaximum;
};
