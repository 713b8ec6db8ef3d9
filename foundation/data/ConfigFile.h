#pragma once

#include "foundation/containers/List.h"
#include "foundation/containers/StringList.h"
#include "foundation/data/ConfigEntry.h"
#include "foundation/data/Variant.h"
#include "foundation/text/String.h"

#include <cstdint>

// An ordered list of settings kept in one file, as INI-like text (format 0)
// or as XML "groups", "group" and "item" elements (format 1). Keys are an
// area, "/" and a name, compared exactly. Values read back from a file are
// texts; callers convert them through Variant.
//
// Loading replaces the entries only when the file was read; a failed load or
// save leaves the entries and the file as they were.
class ConfigFile
{
public:
    enum Location
    {
        kUserData = 0,     // the user's roaming application-data folder + sub-folder
        kCommonData = 1,   // the all-users application-data folder + sub-folder
        kAppDirectory = 2, // the program's folder
    };

    enum Format
    {
        kText = 0,
        kXml = 1,
        kNoFormat = 2,
    };

    static const char16_t* const kDefaultHeaderComment;

    ConfigFile(const String& name, const String& subFolder, int location, int format);
    virtual ~ConfigFile();
    ConfigFile(const ConfigFile&) = delete;
    ConfigFile& operator=(const ConfigFile&) = delete;

    // The folder with its trailing "\"; empty when it cannot be told.
    String directory() const;
    // The folder and the name; empty when either is missing.
    String path() const;
    const String& name() const { return m_name; }
    int format() const { return m_format; }

    // A missing file is created empty (with its folders) and loads with no
    // entries, as does a file shorter than four bytes.
    bool load();
    // Replaces the file only once the new one is whole. The text form has no
    // escapes and refuses, before writing anything, an entry or header that
    // would not read back as it is (a line break, a ";" in a value, blanks at
    // the ends, a name that does not begin with a letter or digit).
    bool save() const;

    // Appends as given: no key prefix, no check for an entry of that key.
    void addEntry(const String& key, const Variant& value, const String& comment);
    // These five put the key prefix and "/" in front of the key when a
    // prefix is set.
    bool contains(const String& key) const;
    Variant value(const String& key, const Variant& defaultValue) const;
    // Changes an existing entry only; never adds one.
    void setValue(const String& key, const Variant& value);
    ConfigEntry* entry(const String& key) const;
    void removeEntry(const String& key);

    // The first entry whose full key has that name hash.
    Variant valueByHash(uint64_t hash, const Variant& defaultValue) const;

    const List<ConfigEntry*>& entries() const { return m_entries; }
    int count() const { return m_entries.count(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    StringList keys() const;
    // Deletes every entry and empties the key prefix.
    void clear();

    const String& headerComment() const { return m_headerComment; }
    void setHeaderComment(const String& comment) { m_headerComment = comment; }
    const String& keyPrefix() const { return m_keyPrefix; }
    void setKeyPrefix(const String& prefix) { m_keyPrefix = prefix; }
    void clearKeyPrefix() { m_keyPrefix.clear(); }

private:
    String fullKey(const String& key) const;
    bool readText(const String& path, List<ConfigEntry*>& entries) const;
    bool readXml(const String& path, List<ConfigEntry*>& entries) const;
    bool writeText(const String& path) const;
    bool writeXml(const String& path) const;
    static void deleteEntries(List<ConfigEntry*>& entries);

    String m_name;
    String m_subFolder;
    int m_location;
    int m_format;
    List<ConfigEntry*> m_entries;
    String m_headerComment;
    String m_keyPrefix;
};
