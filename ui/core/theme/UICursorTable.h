#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"

#include <cstdint>

// The map from the toolkit's cursor shapes to cursor handles, in loading
// order, and the reading of the program's own cursor list ("cursors.xml").
// Handles are opaque here; the Windows side loads and destroys them.
class UICursorTable
{
public:
    // Shapes the table knows; 0 is "no cursor" and never has an entry.
    static constexpr int kArrow = 1;
    static constexpr int kTextBeam = 4;
    static constexpr int kEmpty = 25;
    static constexpr int kLastShape = 28;
    static constexpr int kNamedCursorCount = 16;

    struct Entry
    {
        int shape = 0;
        void* handle = nullptr;
        bool system = false;
    };

    // One cursor of the list, as the file gives it.
    struct FileCursor
    {
        int shape = kArrow;
        String name;
        int hotspotX = 0;
        int hotspotY = 0;
    };

    // The shape of a name of the list ("hand" is 5 ... "empty" 25); 1 for any
    // other name.
    static int shapeForName(const String& name);
    // The name of one of the sixteen named shapes, in shape order; empty for
    // an index out of range.
    static String namedCursor(int index);
    // Every child of the root element "cursors", in order; empty when the
    // text does not parse.
    static List<FileCursor> parseCursorList(const String& xmlText);

    void add(int shape, void* handle, bool system);
    bool isEmpty() const { return m_entries.isEmpty(); }
    const List<Entry>& entries() const { return m_entries; }
    void clear() { m_entries.clear(); }

    // The first entry's handle for the shape, or null.
    void* handle(int shape) const;
    // The shape of the first entry holding the handle; the arrow for a null
    // handle, a handle the table does not hold, or shape 0.
    int shapeOf(void* handle) const;
    // A handle of a system cursor other than the text beam: the system draws
    // those with a shadow.
    bool isShadowedSystemCursor(void* handle) const;

private:
    // The first entry holding the handle, or null.
    const Entry* entryOf(void* handle) const;

    List<Entry> m_entries;
};
