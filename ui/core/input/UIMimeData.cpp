#include "ui/core/input/UIMimeData.h"

const char16_t* const UIMimeData::kTextType = u"text/plain";
const char16_t* const UIMimeData::kFileListType = u"text/file-path-list";
const char16_t* const UIMimeData::kImageType = u"image/*";

bool UIMimeData::isReserved(const String& name)
{
    return String::equalsCString(name, kTextType) || String::equalsCString(name, kFileListType) ||
           String::equalsCString(name, kImageType);
}

const UIMimeData::Entry* UIMimeData::find(const String& name) const
{
    for (List<Entry>::Node* node = m_entries.first(); node; node = node->next) {
        if (node->value.type == name)
            return &node->value;
    }
    return nullptr;
}

UIMimeData::Entry& UIMimeData::entryFor(const String& name)
{
    for (List<Entry>::Node* node = m_entries.first(); node; node = node->next) {
        if (node->value.type == name)
            return node->value;
    }
    Entry entry;
    entry.type = name;
    return m_entries.append(entry)->value;
}

bool UIMimeData::hasType(const String& name) const
{
    return find(name) != nullptr;
}

String UIMimeData::text() const
{
    const Entry* entry = find(String(kTextType));
    return entry ? entry->text : String();
}

StringList UIMimeData::filePathList() const
{
    const Entry* entry = find(String(kFileListType));
    return entry ? entry->paths : StringList();
}

Image UIMimeData::image() const
{
    const Entry* entry = find(String(kImageType));
    return entry ? entry->image : Image();
}

ByteArray UIMimeData::data(const String& name) const
{
    if (isReserved(name))
        return ByteArray();
    const Entry* entry = find(name);
    return entry ? entry->bytes : ByteArray();
}

StringList UIMimeData::types() const
{
    StringList names;
    for (const Entry& entry : m_entries)
        names.append(entry.type);
    return names;
}

void UIMimeData::setText(const String& text)
{
    entryFor(String(kTextType)).text = text;
}

void UIMimeData::setFilePathList(const StringList& paths)
{
    entryFor(String(kFileListType)).paths = paths;
}

void UIMimeData::setImage(const Image& image)
{
    entryFor(String(kImageType)).image = image.copy();
}

bool UIMimeData::setData(const String& name, const ByteArray& bytes)
{
    if (name.isEmpty() || isReserved(name))
        return false;
    entryFor(name).bytes = bytes;
    return true;
}
