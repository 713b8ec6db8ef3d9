#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"

// The list of Strings that the text functions take and return by value.
class StringList : public List<String>
{
public:
    StringList() = default;
    StringList(const StringList& other) = default;
    StringList(StringList&& other) noexcept = default;
    StringList& operator=(const StringList& other) = default;
    StringList& operator=(StringList&& other) noexcept = default;
    ~StringList() override = default;

    bool contains(const String& text) const;
    // Removes every later copy of an item (exact match); returns how many went.
    int removeDuplicates();
    // Stable sort ignoring case by relinking nodes: order 1 ascending, any
    // other value descending. False when there are fewer than two items.
    bool sort(int order);
    // Copies of the items that contain needle, in order.
    StringList filter(const String& needle, int caseFlag) const;

    static StringList split(const String& text, const String& separator, int flags);
    String join(const String& separator, int flags = 0) const;
};
