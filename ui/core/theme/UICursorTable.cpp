#include "ui/core/theme/UICursorTable.h"

#include "foundation/xml/XmlDocument.h"
#include "foundation/xml/XmlElement.h"

namespace {

struct NamedShape
{
    int shape;
    const char16_t* name;
};

const NamedShape kNamedShapes[UICursorTable::kNamedCursorCount] = {
    {5, u"hand"},
    {6, u"hand_open"},
    {7, u"hand_close"},
    {8, u"hand_finger"},
    {14, u"lens"},
    {15, u"lens_plus"},
    {16, u"lens_minus"},
    {17, u"split_top_bottom"},
    {18, u"split_left_right"},
    {19, u"split_left"},
    {20, u"split_right"},
    {21, u"split_top"},
    {22, u"split_bottom"},
    {23, u"pipette"},
    {24, u"target"},
    {25, u"empty"},
};

} // namespace

int UICursorTable::shapeForName(const String& name)
{
    for (const NamedShape& named : kNamedShapes) {
        if (name == String(named.name))
            return named.shape;
    }
    return kArrow;
}

String UICursorTable::namedCursor(int index)
{
    if (index < 0 || index >= kNamedCursorCount)
        return String();
    return String(kNamedShapes[index].name);
}

List<UICursorTable::FileCursor> UICursorTable::parseCursorList(const String& xmlText)
{
    List<FileCursor> cursors;
    XmlDocument doc;
    if (!doc.loadFromString(xmlText, false))
        return cursors;
    const XmlElement* root = doc.findElement(String(u"cursors"));
    if (!root)
        return cursors;
    for (const XmlElement* element : root->children()) {
        FileCursor cursor;
        cursor.name = element->attribute(String(u"name"));
        cursor.shape = shapeForName(cursor.name);
        cursor.hotspotX = element->attribute(String(u"hotspotX")).toInt();
        cursor.hotspotY = element->attribute(String(u"hotspotY")).toInt();
        cursors.append(cursor);
    }
    return cursors;
}

void UICursorTable::add(int shape, void* handle, bool system)
{
    Entry entry;
    entry.shape = shape;
    entry.handle = handle;
    entry.system = system;
    m_entries.append(entry);
}

void* UICursorTable::handle(int shape) const
{
    for (const Entry& entry : m_entries) {
        if (entry.shape == shape)
            return entry.handle;
    }
    return nullptr;
}

const UICursorTable::Entry* UICursorTable::entryOf(void* handle) const
{
    if (!handle)
        return nullptr;
    for (const Entry& entry : m_entries) {
        if (entry.handle == handle)
            return &entry;
    }
    return nullptr;
}

int UICursorTable::shapeOf(void* handle) const
{
    const Entry* entry = entryOf(handle);
    return entry && entry->shape != 0 ? entry->shape : kArrow;
}

bool UICursorTable::isShadowedSystemCursor(void* handle) const
{
    const Entry* entry = entryOf(handle);
    return entry && entry->system && entry->shape != kTextBeam;
}
