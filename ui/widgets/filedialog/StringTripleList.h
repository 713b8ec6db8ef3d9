#pragma once

#include "foundation/containers/List.h"
#include "ui/widgets/filedialog/StringTriple.h"

// Records copied in on append and owned by the list.
class StringTripleList : public List<StringTriple>
{
public:
    void append(const String& name, const String& pattern, const String& extension);
    // Null for an index outside the list.
    const StringTriple* at(int index) const;
};
