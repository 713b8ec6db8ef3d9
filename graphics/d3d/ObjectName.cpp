#include "graphics/d3d/ObjectName.h"

#include <algorithm>

ObjectName::ObjectName()
{
    std::fill(m_text, m_text + kMaxLength + 1, u'\0');
}

bool ObjectName::set(const char16_t* text)
{
    std::fill(m_text, m_text + kMaxLength + 1, u'\0');
    if (!text)
        return false;
    int length = 0;
    while (text[length] != 0) {
        if (length == kMaxLength)
            return false;
        ++length;
    }
    std::copy(text, text + length, m_text);
    return true;
}
