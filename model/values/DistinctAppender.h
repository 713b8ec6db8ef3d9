#pragma once

#include "foundation/containers/StringList.h"
#include "model/values/StringPointerSet.h"

// Appends values to a caller's list, each only when the list holds no equal
// String yet (exact, case-sensitive), so the values keep the order in which
// they were first met and those the caller put in beforehand are not
// repeated. A hash set makes each test constant time.
class DistinctAppender
{
public:
    explicit DistinctAppender(StringList& out);
    DistinctAppender(const DistinctAppender&) = delete;
    DistinctAppender& operator=(const DistinctAppender&) = delete;

    void add(const String& value);

private:
    StringList& m_out;
    // Points into the nodes of m_out, which never move.
    StringPointerSet m_seen;
};
