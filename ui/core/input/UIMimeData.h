#pragma once

#include "foundation/containers/List.h"
#include "foundation/containers/StringList.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"

// The typed data a drag carries: at most one text, one file path list, one
// image, and raw bytes under any other type name, kept in the order they were
// first set. The three reserved type names are matched exactly.
class UIMimeData
{
public:
    static const char16_t* const kTextType;     // "text/plain"
    static const char16_t* const kFileListType; // "text/file-path-list"
    static const char16_t* const kImageType;    // "image/*"

    void clear() { m_entries.clear(); }
    bool isEmpty() const { return m_entries.isEmpty(); }

    bool hasText() const { return hasType(String(kTextType)); }
    bool hasFilePathList() const { return hasType(String(kFileListType)); }
    bool hasType(const String& name) const;

    // An absent kind reads as the empty value.
    String text() const;
    StringList filePathList() const;
    Image image() const;
    // Raw bytes only: the reserved names always give the empty array.
    ByteArray data(const String& name) const;
    StringList types() const;

    void setText(const String& text);
    void setFilePathList(const StringList& paths);
    // Keeps a deep copy, so later changes to the caller's image stay out.
    void setImage(const Image& image);
    // Refused (false) for an empty name and the reserved names, which have setters of their own.
    bool setData(const String& name, const ByteArray& bytes);

private:
    struct Entry
    {
        String type;
        String text;
        StringList paths;
        Image image;
        ByteArray bytes;
    };

    static bool isReserved(const String& name);
    const Entry* find(const String& name) const;
    // The entry of that type, appended when there is none.
    Entry& entryFor(const String& name);

    List<Entry> m_entries;
};
