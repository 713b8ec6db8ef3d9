#pragma once

#include "foundation/text/String.h"

#include <deque>
#include <utility>

// The card's template parts: the items "<part>.html" of the group
// "templates/default" in the "data" archive, read as UTF-8 once and kept for
// the life of the renderer, and the folder on disk beside the program that
// holds the pictures the templates show.
class CardTemplates
{
public:
    CardTemplates();

    // The set becomes name when its folder exists under the program's
    // "data\templates", else "default".
    void setTemplateSet(const String& name);
    const String& templateSet() const { return m_templateSet; }
    // The program folder, "data", "templates" and the set.
    String templateFolder() const;
    // The part as written, placeholders and all; empty when the archive or
    // the item is missing.
    const String& part(const char16_t* name);

private:
    String m_templateSet;
    // A deque, so that the parts handed out stay where they are as more load.
    std::deque<std::pair<String, String>> m_cache;
};
