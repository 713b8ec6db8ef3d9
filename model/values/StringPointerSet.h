#pragma once

#include "foundation/text/String.h"

#include <unordered_map>
#include <unordered_set>

// Hashing of Strings held elsewhere, so that a set of the values met in a pass
// over the movies costs no copies. The Strings must outlive the set.
struct StringPointerHash
{
    size_t operator()(const String* text) const { return text->hash(); }
};

struct StringPointerEqual
{
    bool operator()(const String* a, const String* b) const { return String::equals(*a, *b); }
};

using StringPointerSet = std::unordered_set<const String*, StringPointerHash, StringPointerEqual>;
template <typename T>
using StringPointerMap = std::unordered_map<const String*, T, StringPointerHash, StringPointerEqual>;
