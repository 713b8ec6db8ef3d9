#pragma once

#include "foundation/text/String.h"

#include <memory>

// A text that never changes once made, held once however many records refer
// to it: copies share the one block. For texts such as a folder that every
// movie of a collection keeps, where a String each would cost a block per
// movie.
class SharedString
{
public:
    SharedString() = default;
    explicit SharedString(const String& text);

    // The empty String when none was given.
    const String& text() const;

private:
    std::shared_ptr<const String> m_text;
};
