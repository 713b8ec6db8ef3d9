#include "ui/widgets/filedialog/StringTripleList.h"

void StringTripleList::append(const String& name, const String& pattern, const String& extension)
{
    List<StringTriple>::append(StringTriple(name, pattern, extension));
}

const StringTriple* StringTripleList::at(int index) const
{
    if (index < 0)
        return nullptr;
    Node* node = nodeAt(index);
    return node ? &node->value : nullptr;
}
