#pragma once

#include "foundation/text/String.h"

// The skin-image or style-property names of one widget class, in the order
// of its style block. Each class keeps exactly one such list per kind: its
// setSkinImage and setStyleProperty look names up in it, and the skin
// checker holds the generated skins against it, so a name can never be
// renamed in one place and forgotten in the other.
struct UIStyleNames
{
    const char16_t* const* names = nullptr;
    int count = 0;

    // The name's position, or -1 for a name the class does not know.
    int indexOf(const String& name) const
    {
        for (int i = 0; i < count; ++i) {
            if (String::equalsCString(name, names[i]))
                return i;
        }
        return -1;
    }
};

template <int N> UIStyleNames styleNamesOf(const char16_t* const (&names)[N])
{
    return UIStyleNames{names, N};
}
