#include "foundation/core/TranslationEscapes.h"

#include "foundation/core/AppCore.h"

namespace {

const char16_t* const kEscapes[] = {u"\\r", u"\\t", u"\\n", u"|", u"%app"};
const int kEscapeCount = 5;

String productName()
{
    AppCore* core = AppCore::instance();
    return core ? core->productName() : String();
}

// The product name is read at each use rather than once, so a name that is
// set after the first translation still shows.
String replacementAt(int index)
{
    switch (index) {
    case 2:
    case 3:
        return String(u"\n");
    case 4:
        return productName();
    default:
        return String();
    }
}

} // namespace

String TranslationEscapes::apply(const String& text)
{
    String result = text;
    for (int i = 0; i < kEscapeCount; ++i) {
        if (result.isEmpty())
            break;
        result = result.replace(String(kEscapes[i]), replacementAt(i), String::kCaseSensitive);
    }
    return result;
}

StringList TranslationEscapes::escapes()
{
    StringList list;
    for (int i = 0; i < kEscapeCount; ++i)
        list.append(String(kEscapes[i]));
    return list;
}

StringList TranslationEscapes::replacements()
{
    StringList list;
    for (int i = 0; i < kEscapeCount; ++i)
        list.append(replacementAt(i));
    return list;
}
