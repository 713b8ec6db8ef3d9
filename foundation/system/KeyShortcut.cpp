#include "foundation/system/KeyShortcut.h"

#include "foundation/system/KeyNames.h"
#include "foundation/text/String.h"

KeyShortcut::KeyShortcut(uint32_t key1, uint32_t key2, uint32_t key3) : m_keys{key1, key2, key3} {}

int KeyShortcut::count() const
{
    int used = 0;
    while (used < 3 && m_keys[used] != 0)
        ++used;
    return used;
}

String KeyShortcut::toString(const String& separator) const
{
    String text;
    for (int i = 0; i < count(); ++i) {
        if (i > 0)
            text.append(separator);
        text.append(keyName(m_keys[i]));
    }
    return text;
}
