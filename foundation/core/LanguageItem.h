#pragma once

#include "foundation/text/String.h"

#include <cstdint>

// One translation: the English text the code passes, the group path it
// stands under in the language file, and the text to show instead.
class LanguageItem
{
public:
    LanguageItem(const String& context, const String& source, const String& translation)
        : m_context(context), m_source(source), m_translation(translation), m_id(makeId(source, context))
    {
    }

    const String& context() const { return m_context; }
    const String& source() const { return m_source; }
    const String& translation() const { return m_translation; }
    uint64_t id() const { return m_id; }

    // The name hash of the source text followed by the context.
    static uint64_t makeId(const String& source, const String& context)
    {
        return (source + context).hash64();
    }

private:
    String m_context;
    String m_source;
    String m_translation;
    uint64_t m_id;
};
