#pragma once

#include "foundation/geometry/Point.h"

// The pointer: where it is on the screen and which shape it shows. The
// system's is installed by default under Windows; natively a plain one that
// only remembers, which tests may replace.
class UICursorHost
{
public:
    virtual ~UICursorHost() = default;

    virtual Point position() const = 0;
    virtual int shape() const = 0;
    // Shape 0 hides the pointer.
    virtual void setShape(int shape) = 0;

    static UICursorHost* instance();
    // Null brings back the default.
    static void install(UICursorHost* host);
    static UICursorHost* systemHost();
};
