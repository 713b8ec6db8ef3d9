#pragma once

#include "foundation/containers/List.h"
#include "foundation/containers/StringList.h"
#include "foundation/core/LanguageInfo.h"
#include "foundation/core/LanguageItem.h"
#include "foundation/data/DataTree.h"
#include "foundation/text/String.h"

#include <cstdint>

class XmlElement;

// One language: a header (names, author, date) and the translations in file
// order. It reads the XML form (".xml") and the binary DataTree form (".lang",
// file tag "LANG") and writes the binary form. A file that fails to load
// leaves the LanguageFile empty, header and items.
class LanguageFile
{
public:
    static constexpr uint32_t kFileTag = dataTreeTag("LANG");
    // The deepest group path the binary form can hold: a DataTree reads no
    // deeper, and the groups sit below GRPS with the items below them.
    static constexpr int kMaxGroupDepth = DataTree::kMaxDepth - 2;

    LanguageFile() = default;
    virtual ~LanguageFile();
    LanguageFile(const LanguageFile&) = delete;
    LanguageFile& operator=(const LanguageFile&) = delete;

    const LanguageInfo& header() const { return m_header; }
    void setEnglishName(const String& name) { m_header.englishName = name; }
    void setNativeName(const String& name) { m_header.nativeName = name; }
    void setAuthor(const String& author) { m_header.author = author; }
    void setDate(const DateTime& date) { m_header.date = date; }

    const List<LanguageItem*>& items() const { return m_items; }
    int count() const { return m_items.count(); }
    bool isEmpty() const { return m_items.isEmpty(); }
    void clear();

    // Translations normally have their escapes resolved as they are read.
    // The language compiler keeps them as written instead, so that the file
    // it writes resolves them the same way when the program loads it.
    void setKeepsEscapes(bool keeps) { m_keepsEscapes = keeps; }
    bool keepsEscapes() const { return m_keepsEscapes; }

    bool loadXml(const String& path);
    bool loadBinary(const String& path);
    bool loadBinaryFromMemory(const void* data, uint64_t size);
    // The header and every item as nested groups, one group per segment of
    // the context; the date is stored in UTC. Refuses contexts nested deeper
    // than kMaxGroupDepth, which would make a file that cannot be read, and
    // replaces the file only when every byte was written.
    bool saveBinary(const String& path) const;

    // Lookups in file order. A null context matches any context.
    LanguageItem* findItem(const String& context, const String& source) const;
    LanguageItem* findBySource(const char16_t* source, const char16_t* context) const;
    LanguageItem* findById(uint64_t id) const;

    // Refused (false) when an item with that context and source exists.
    bool addItem(const String& context, const String& source, const String& translation);
    bool removeItem(const String& context, const String& source);
    // Every item that shares its context and source with another item.
    List<LanguageItem*> duplicates() const;
    int wordCount() const;
    int characterCount() const;
    // The source texts grouped by context, in order of first appearance:
    // "[context]" and then one line per source text of that context.
    StringList sourceListing() const;

private:
    bool readXml(const String& path);
    bool readXmlGroup(const XmlElement& group, StringList& groupPath);
    bool readBinary(const DataTree& tree);
    void readBinaryHeader(const DataTreeNode& header);
    bool readBinaryGroup(const DataTreeNode& group, StringList& groupPath);
    void appendItem(const StringList& groupPath, const String& source, const String& translation);
    void setFile(const String& path);
    bool finishLoad(bool read);

    LanguageInfo m_header;
    List<LanguageItem*> m_items;
    bool m_keepsEscapes = false;
};
