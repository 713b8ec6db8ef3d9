#include "foundation/data/ConfigEntry.h"

String ConfigEntry::section() const
{
    int slash = m_key.lastIndexOfChar(u'/', String::kCaseSensitive);
    return slash < 0 ? String() : m_key.mid(0, slash);
}

String ConfigEntry::name() const
{
    int slash = m_key.lastIndexOfChar(u'/', String::kCaseSensitive);
    return m_key.midFrom(slash + 1);
}
