// Loads the bytes as a UTF-8 XML text from memory, as the skin, the cursor
// list and the update answer are loaded. Whatever parses must also survive a
// write and a second read unchanged: the configuration relies on reading back
// exactly what it wrote.
#include "foundation/text/String.h"
#include "foundation/xml/XmlDocument.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    String text = String::fromUtf8(data, int(size));
    XmlDocument document;
    if (!document.loadFromString(text, false))
        return 0;
    String written;
    if (!document.toString(written))
        __builtin_trap();
    XmlDocument again;
    if (!again.loadFromString(written, false))
        __builtin_trap();
    String rewritten;
    if (!again.toString(rewritten) || !(rewritten == written))
        __builtin_trap();
    return 0;
}
