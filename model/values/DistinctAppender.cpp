#include "model/values/DistinctAppender.h"

DistinctAppender::DistinctAppender(StringList& out) : m_out(out)
{
    m_seen.reserve(size_t(out.count()) * 2 + 64);
    for (const String& value : out)
        m_seen.insert(&value);
}

void DistinctAppender::add(const String& value)
{
    if (m_seen.count(&value))
        return;
    m_seen.insert(&m_out.append(value)->value);
}
