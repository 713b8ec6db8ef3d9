#include "foundation/data/ConfigFile.h"

#include "foundation/core/AppCore.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "foundation/io/SafeFileOutputStream.h"
#include "foundation/io/TextWriter.h"
#include "foundation/platform/SystemInfo.h"
#include "foundation/text/CharClass.h"
#include "foundation/xml/XmlDocument.h"
#include "foundation/xml/XmlElement.h"

#include <utility>

namespace {

// The all-users application-data folder among the special folders.
const int kCommonApplicationData = 5;
// Shorter files hold nothing worth reading.
const int64_t kMinimumFileSize = 4;

String withSeparator(const String& folder)
{
    if (!folder.isEmpty() && folder.last() == kPathSeparator)
        return folder;
    return folder + String(u"\\");
}

String specialFolderWith(int index, const String& subFolder)
{
    String folder = SystemInfo::specialFolder(index);
    if (folder.isEmpty())
        return String();
    if (subFolder.isEmpty())
        return withSeparator(folder);
    return withSeparator(withSeparator(folder) + subFolder);
}

String applicationFolder()
{
    AppCore* core = AppCore::instance();
    return withSeparator(core ? core->appDirectory() : Directory::programDirectory());
}

// "[ name ]" gives "name"; without "]" or with nothing inside, no section.
String sectionOf(const String& line)
{
    int close = line.indexOfChar(u']', 1, String::kCaseSensitive);
    if (close < 0)
        return String();
    return line.mid(1, close - 1).trim();
}

// name = value ;comment
void appendTextEntry(const String& section, const String& line, List<ConfigEntry*>& entries)
{
    int equals = line.indexOfChar(u'=', 0, String::kCaseSensitive);
    if (equals < 0)
        return;
    String name = line.mid(0, equals).trim();
    if (name.isEmpty())
        return;
    String value = line.midFrom(equals + 1).trim();
    String comment;
    int semicolon = value.indexOfChar(u';', 0, String::kCaseSensitive);
    if (semicolon >= 0) {
        comment = value.midFrom(semicolon + 1).trim();
        value = value.mid(0, semicolon).trim();
    }
    entries.append(new ConfigEntry(section + String(u"/") + name, Variant(value), comment));
}

// One line of the text form, trimmed: a section line changes the section;
// comments (";"), lines that do not start like a name and lines outside a
// section are passed over.
void readTextLine(const String& rawLine, String& section, List<ConfigEntry*>& entries)
{
    String line = rawLine.trim();
    if (line.isEmpty())
        return;
    if (line.first() == u'[') {
        section = sectionOf(line);
        return;
    }
    if (section.isEmpty() || !isAlphaNumericChar(line.first()))
        return;
    appendTextEntry(section, line, entries);
}

bool hasLineBreak(const String& text)
{
    return text.containsChar(u'\r', String::kCaseSensitive) ||
           text.containsChar(u'\n', String::kCaseSensitive);
}

String sectionLine(const String& section)
{
    return String(u"[") + section + String(u"]");
}

String textLine(const ConfigEntry& entry)
{
    String line = entry.name() + String(u"=") + entry.value().toString();
    if (!entry.comment().isEmpty())
        line += String(u" ;") + entry.comment();
    return line;
}

// The text form has no escapes: an entry is written only when its lines read
// back as the same key, value and comment. Line breaks, a ";" in the value,
// blanks at the ends or a name that does not begin with a letter or digit
// would not.
bool readsBackAsText(const ConfigEntry& entry)
{
    String header = sectionLine(entry.section());
    String line = textLine(entry);
    if (hasLineBreak(header) || hasLineBreak(line))
        return false;
    List<ConfigEntry*> parsed;
    String section;
    readTextLine(header, section, parsed);
    readTextLine(line, section, parsed);
    bool same = parsed.count() == 1;
    if (same) {
        const ConfigEntry& back = *parsed.first()->value;
        same = back.key() == entry.key() && back.value().toString() == entry.value().toString() &&
               back.comment() == entry.comment();
    }
    for (ConfigEntry* item : parsed)
        delete item;
    return same;
}

} // namespace

const char16_t* const ConfigFile::kDefaultHeaderComment = u";Automatically generated file. DO NOT MODIFY!";

ConfigFile::ConfigFile(const String& name, const String& subFolder, int location, int format)
    : m_name(name), m_subFolder(subFolder), m_location(location), m_format(format),
      m_headerComment(kDefaultHeaderComment)
{
}

ConfigFile::~ConfigFile()
{
    deleteEntries(m_entries);
}

String ConfigFile::directory() const
{
    switch (m_location) {
    case kUserData:
        return specialFolderWith(SystemInfo::kApplicationData, m_subFolder);
    case kCommonData:
        return specialFolderWith(kCommonApplicationData, m_subFolder);
    case kAppDirectory:
        return applicationFolder();
    default:
        return String();
    }
}

String ConfigFile::path() const
{
    String folder = directory();
    if (folder.isEmpty() || m_name.isEmpty())
        return String();
    return folder + m_name;
}

bool ConfigFile::load()
{
    String file = path();
    if (file.isEmpty() || (m_format != kText && m_format != kXml))
        return false;
    SafeFileOutputStream::removeStaleTemporaries(file);
    List<ConfigEntry*> loaded;
    if (!File::exists(file)) {
        String folder = directory();
        if (!Directory::exists(folder) && !Directory::create(folder))
            return false;
        if (!File::create(file))
            return false;
    } else if (File::size(file) >= kMinimumFileSize) {
        bool read = m_format == kText ? readText(file, loaded) : readXml(file, loaded);
        if (!read) {
            deleteEntries(loaded);
            return false;
        }
    }
    clear();
    m_entries = std::move(loaded);
    return true;
}

bool ConfigFile::save() const
{
    String file = path();
    if (file.isEmpty())
        return false;
    SafeFileOutputStream::removeStaleTemporaries(file);
    if (m_format == kText)
        return writeText(file);
    if (m_format == kXml)
        return writeXml(file);
    return false;
}

bool ConfigFile::readText(const String& path, List<ConfigEntry*>& entries) const
{
    StringList lines = String::split(String::fromTextFile(path, TextWriter::kUtf8), String::crlf(), 0);
    if (lines.isEmpty())
        return false;
    String section;
    for (const String& line : lines)
        readTextLine(line, section, entries);
    return true;
}

bool ConfigFile::readXml(const String& path, List<ConfigEntry*>& entries) const
{
    static const String kGroup(u"group");
    static const String kItem(u"item");
    static const String kName(u"name");
    XmlDocument document;
    if (!document.loadFromFile(path, TextWriter::kUtf8))
        return false;
    XmlElement* groups = document.root().child(String(u"groups"));
    if (!groups)
        return true;
    for (XmlElement* group : groups->children()) {
        if (group->name() != kGroup)
            continue;
        String section = group->attribute(kName) + String(u"/");
        for (XmlElement* item : group->children()) {
            if (item->name() != kItem)
                continue;
            Variant value(item->attribute(String(u"value")));
            entries.append(new ConfigEntry(section + item->attribute(kName), value, String()));
        }
    }
    return true;
}

bool ConfigFile::writeText(const String& path) const
{
    if (hasLineBreak(m_headerComment))
        return false;
    for (ConfigEntry* entry : m_entries) {
        if (!readsBackAsText(*entry))
            return false;
    }
    SafeFileOutputStream stream(path);
    TextWriter writer(&stream, TextWriter::kUtf8);
    if (!writer.attach())
        return false;
    bool written = writer.write(m_headerComment + String::crlf());
    String lastSection;
    for (List<ConfigEntry*>::Node* node = m_entries.first(); node && written; node = node->next) {
        String section = node->value->section();
        if (node == m_entries.first() || section != lastSection) {
            written = writer.write(String::crlf() + sectionLine(section) + String::crlf());
            lastSection = section;
        }
        written = written && writer.write(textLine(*node->value) + String::crlf());
    }
    writer.detach();
    return written && stream.commit();
}

bool ConfigFile::writeXml(const String& path) const
{
    static const String kName(u"name");
    XmlDocument document;
    XmlElement* groups = document.root().addChild(String(u"groups"));
    XmlElement* group = nullptr;
    for (ConfigEntry* entry : m_entries) {
        String section = entry->section();
        if (!group || group->attribute(kName) != section) {
            group = groups->addChild(String(u"group"));
            group->addAttribute(kName, section);
        }
        XmlElement* item = group->addChild(String(u"item"));
        item->addAttribute(kName, entry->name());
        item->addAttribute(String(u"value"), entry->value().toString());
    }
    return document.save(path, TextWriter::kUtf8);
}

String ConfigFile::fullKey(const String& key) const
{
    if (m_keyPrefix.isEmpty())
        return key;
    return m_keyPrefix + String(u"/") + key;
}

void ConfigFile::addEntry(const String& key, const Variant& value, const String& comment)
{
    m_entries.append(new ConfigEntry(key, value, comment));
}

bool ConfigFile::contains(const String& key) const
{
    return entry(key) != nullptr;
}

Variant ConfigFile::value(const String& key, const Variant& defaultValue) const
{
    ConfigEntry* found = entry(key);
    return found ? found->value() : defaultValue;
}

void ConfigFile::setValue(const String& key, const Variant& value)
{
    ConfigEntry* found = entry(key);
    if (found)
        found->setValue(value);
}

ConfigEntry* ConfigFile::entry(const String& key) const
{
    String wanted = fullKey(key);
    for (ConfigEntry* candidate : m_entries) {
        if (candidate->key() == wanted)
            return candidate;
    }
    return nullptr;
}

void ConfigFile::removeEntry(const String& key)
{
    String wanted = fullKey(key);
    for (List<ConfigEntry*>::Node* node = m_entries.first(); node; node = node->next) {
        if (node->value->key() != wanted)
            continue;
        delete node->value;
        m_entries.erase(node);
        return;
    }
}

Variant ConfigFile::valueByHash(uint64_t hash, const Variant& defaultValue) const
{
    for (ConfigEntry* candidate : m_entries) {
        if (candidate->key().hash64() == hash)
            return candidate->value();
    }
    return defaultValue;
}

StringList ConfigFile::keys() const
{
    StringList list;
    for (ConfigEntry* entry : m_entries)
        list.append(entry->key());
    return list;
}

void ConfigFile::clear()
{
    deleteEntries(m_entries);
    m_keyPrefix.clear();
}

void ConfigFile::deleteEntries(List<ConfigEntry*>& entries)
{
    for (ConfigEntry* entry : entries)
        delete entry;
    entries.clear();
}
