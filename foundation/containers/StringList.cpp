#include "foundation/containers/StringList.h"

#include "foundation/text/TerminatedText.h"

bool StringList::contains(const String& text) const
{
    for (Node* node = first(); node; node = node->next) {
        if (String::equals(node->value, text))
            return true;
    }
    return false;
}

int StringList::removeDuplicates()
{
    int removed = 0;
    for (Node* node = first(); node; node = node->next) {
        Node* later = node->next;
        while (later) {
            if (String::equals(later->value, node->value)) {
                erase(later);
                ++removed;
            } else {
                later = later->next;
            }
        }
    }
    return removed;
}

bool StringList::sort(int order)
{
    int total = count();
    if (total < 2)
        return false;
    for (int pass = 0; pass < total; ++pass) {
        Node* current = last();
        for (int step = 0; step < total - 1 - pass; ++step) {
            Node* earlier = current->prev;
            int result = wideCompareNoCase(earlier->value.data(), current->value.data());
            bool swap = order == 1 ? result > 0 : result < 0;
            if (swap)
                swapNodes(earlier, current);
            else
                current = earlier;
        }
    }
    return true;
}

StringList StringList::filter(const String& needle, int caseFlag) const
{
    StringList result;
    for (Node* node = first(); node; node = node->next) {
        if (node->value.contains(needle, caseFlag))
            result.append(node->value);
    }
    return result;
}

StringList StringList::split(const String& text, const String& separator, int flags)
{
    return String::split(text, separator, flags);
}

String StringList::join(const String& separator, int flags) const
{
    return String::join(*this, separator, flags);
}
