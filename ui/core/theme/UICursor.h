#pragma once

#include "foundation/geometry/Size.h"

// A cursor shape as a value: 1 arrow (the default), 4 text beam, 5 hand ...;
// the shapes are those of UICursorTable.
class UICursor
{
public:
    explicit UICursor(int shape = 1) : m_shape(shape) {}

    int shape() const { return m_shape; }
    void setShape(int shape) { m_shape = shape; }
    bool operator==(const UICursor& other) const { return m_shape == other.m_shape; }
    bool operator!=(const UICursor& other) const { return m_shape != other.m_shape; }

#ifdef _WIN32
    // Makes this shape the cursor on the screen.
    void apply() const;
    // The shape of the cursor on the screen now.
    static UICursor current();
#endif
    static Size defaultCursorSize()
    {
        return Size(16, 16);
    }

private:
    int m_shape;
};
