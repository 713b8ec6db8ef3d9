#include "app/collections/CollectionNames.h"

#include "foundation/text/CharClass.h"

namespace {

bool isMadeOf(const String& text, bool dotsToo)
{
    for (int i = 0; i < text.length(); ++i) {
        char16_t unit = text.at(i);
        if (isAlphaNumericChar(unit) || unit == u' ' || (dotsToo && unit == u'.'))
            continue;
        return false;
    }
    return true;
}

} // namespace

bool isAcceptableCollectionName(const String& typed)
{
    String name = typed.trim();
    return !name.isEmpty() && isMadeOf(name, false) && !String::equalsIgnoreCase(name, String(u"backup"));
}

bool isAcceptableCollectionAuthor(const String& typed)
{
    return isMadeOf(typed.trim(), true);
}
