#include "ui/widgets/edit/UICompleter.h"

const StringList& UICompleter::match(const String& text)
{
    m_matches.clear();
    if (!m_enabled || m_words.isEmpty() || text.isEmpty())
        return m_matches;
    const int caseFlag = m_caseSensitive ? String::kCaseSensitive : String::kIgnoreCase;
    for (const String& word : m_words) {
        if (m_matches.count() >= m_maximum)
            break;
        if (word.length() > text.length() && word.startsWith(text, caseFlag))
            m_matches.append(word);
    }
    return m_matches;
}
