#include "foundation/core/LanguageFile.h"

#include "foundation/core/TranslationEscapes.h"
#include "foundation/io/LittleEndian.h"
#include "foundation/io/Path.h"
#include "foundation/text/CharClass.h"
#include "foundation/xml/XmlDocument.h"
#include "foundation/xml/XmlElement.h"

#include <cstring>

namespace {

const int kDateBytes = 28;
const int kDateFields = 7;

bool hasTag(const DataTreeNode& node, const char* tag)
{
    return std::strcmp(node.tag(), tag) == 0;
}

String textValue(const DataTreeNode& node, const char* tag)
{
    DataTreeValue* value = node.findValue(tag);
    return value ? value->toString() : String();
}

// Names and texts end at their first zero unit, in both forms: a zero unit
// means nothing in a shown text, and a text that begins with one cannot be
// written back (it writes as empty), so a group name such as "a/\0" would
// not read back the same after a save.
String untilZero(const String& text)
{
    for (int i = 0; i < text.length(); ++i) {
        if (text.at(i) == 0)
            return text.mid(0, i);
    }
    return text;
}

// Binary names are shown capitalised whatever their author typed.
String withCapital(const String& name)
{
    if (name.isEmpty())
        return name;
    return name.mid(0, 1).toUpper() + name.midFrom(1);
}

DateTime readDate(const DataTreeNode& header)
{
    uint8_t bytes[kDateBytes] = {};
    DataTreeValue* value = header.findValue("DATE");
    if (value)
        value->copyBytes(bytes, kDateBytes);
    int fields[kDateFields];
    for (int i = 0; i < kDateFields; ++i) {
        const uint8_t* at = bytes + 4 * i;
        fields[i] = int32_t(fromLittleEndian<uint32_t>(at));
    }
    DateTime utc(fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]);
    return utc.toLocal();
}

void writeDate(DataTreeNode& header, const DateTime& local)
{
    DateTime utc = local.toUtc();
    int fields[kDateFields] = {utc.year(),   utc.month(),  utc.day(),        utc.hour(),
                               utc.minute(), utc.second(), utc.millisecond()};
    uint8_t bytes[kDateBytes];
    for (int i = 0; i < kDateFields; ++i) {
        for (int b = 0; b < 4; ++b)
            bytes[4 * i + b] = uint8_t(uint32_t(fields[i]) >> (8 * b));
    }
    header.addValue("DATE")->setBytes(bytes, kDateBytes);
}

// The GRUP below parent whose NAME is name, made when there is none yet.
DataTreeNode* groupNode(DataTreeNode& parent, const String& name)
{
    for (DataTreeNode* child : parent.children()) {
        if (hasTag(*child, "GRUP") && textValue(*child, "NAME") == name)
            return child;
    }
    DataTreeNode* group = parent.addChild("GRUP");
    group->addValue("NAME")->setString(name);
    return group;
}

StringList contextSegments(const String& context)
{
    StringList segments = String::split(context, String(u"/"), 0);
    if (segments.isEmpty())
        segments.append(String());
    return segments;
}

int wordsIn(const String& text)
{
    int words = 0;
    bool inWord = false;
    for (int i = 0; i < text.length(); ++i) {
        bool space = isSpaceChar(text.at(i));
        if (!space && !inWord)
            ++words;
        inWord = !space;
    }
    return words;
}

} // namespace

LanguageFile::~LanguageFile()
{
    clear();
}

void LanguageFile::clear()
{
    for (LanguageItem* item : m_items)
        delete item;
    m_items.clear();
    m_header = LanguageInfo();
}

bool LanguageFile::loadXml(const String& path)
{
    clear();
    return finishLoad(readXml(path));
}

bool LanguageFile::loadBinary(const String& path)
{
    clear();
    DataTree tree;
    tree.setFileTag(kFileTag);
    if (!tree.load(path))
        return false;
    setFile(path);
    return finishLoad(readBinary(tree));
}

bool LanguageFile::loadBinaryFromMemory(const void* data, uint64_t size)
{
    clear();
    DataTree tree;
    tree.setFileTag(kFileTag);
    if (!tree.loadFromMemory(data, size))
        return false;
    return finishLoad(readBinary(tree));
}

// Both names and at least one translation make a usable language; anything
// less is thrown away whole.
bool LanguageFile::finishLoad(bool read)
{
    bool usable =
        read && !m_header.englishName.isEmpty() && !m_header.nativeName.isEmpty() && !m_items.isEmpty();
    if (!usable)
        clear();
    return usable;
}

void LanguageFile::setFile(const String& path)
{
    m_header.filePath = path;
    m_header.name = pathBaseName(path);
}

bool LanguageFile::readXml(const String& path)
{
    XmlDocument document;
    if (!document.loadFromFile(path, 3))
        return false;
    XmlElement* translation = document.root().child(String(u"translation"));
    if (!translation)
        return false;
    setFile(path);
    m_header.englishName = translation->attribute(String(u"language_english"));
    m_header.nativeName = translation->attribute(String(u"language_native"));
    m_header.author = translation->attribute(String(u"author"));
    XmlElement* groups = translation->child(String(u"groups"));
    if (!groups)
        return false;
    StringList groupPath;
    for (XmlElement* group : groups->children()) {
        if (!readXmlGroup(*group, groupPath))
            return false;
    }
    return true;
}

bool LanguageFile::readXmlGroup(const XmlElement& group, StringList& groupPath)
{
    static const String kItem(u"item");
    static const String kGroup(u"group");
    groupPath.append(untilZero(group.attribute(String(u"name"))));
    bool ok = true;
    for (XmlElement* child : group.children()) {
        if (child->name() == kItem)
            appendItem(groupPath, child->attribute(String(u"context")),
                       child->attribute(String(u"translation")));
        else if (child->name() == kGroup)
            ok = readXmlGroup(*child, groupPath);
        else
            ok = false;
        if (!ok)
            break;
    }
    StringList::Node* last = groupPath.last();
    groupPath.erase(last);
    return ok;
}

bool LanguageFile::readBinary(const DataTree& tree)
{
    DataTreeNode* header = tree.root()->findChild("HEDR");
    if (!header)
        return false;
    readBinaryHeader(*header);
    DataTreeNode* groups = tree.root()->findChild("GRPS");
    if (!groups)
        return false;
    StringList groupPath;
    for (DataTreeNode* group : groups->children()) {
        if (!readBinaryGroup(*group, groupPath))
            return false;
    }
    return true;
}

void LanguageFile::readBinaryHeader(const DataTreeNode& header)
{
    m_header.englishName = withCapital(textValue(header, "ENGL"));
    m_header.nativeName = withCapital(textValue(header, "NTVL"));
    m_header.author = textValue(header, "ATHR");
    m_header.date = readDate(header);
}

bool LanguageFile::readBinaryGroup(const DataTreeNode& group, StringList& groupPath)
{
    groupPath.append(untilZero(textValue(group, "NAME")));
    bool ok = true;
    for (DataTreeNode* child : group.children()) {
        if (hasTag(*child, "ITEM"))
            appendItem(groupPath, textValue(*child, "CTXT"), textValue(*child, "TRSN"));
        else if (hasTag(*child, "GRUP"))
            ok = readBinaryGroup(*child, groupPath);
        else
            ok = false;
        if (!ok)
            break;
    }
    StringList::Node* last = groupPath.last();
    groupPath.erase(last);
    return ok;
}

void LanguageFile::appendItem(const StringList& groupPath, const String& source, const String& translation)
{
    String context = String::join(groupPath, String(u"/"), 0);
    String text = untilZero(translation);
    String shown = m_keepsEscapes ? text : TranslationEscapes::apply(text);
    m_items.append(new LanguageItem(context, untilZero(source), shown));
}

bool LanguageFile::saveBinary(const String& path) const
{
    DataTree tree;
    tree.setFileTag(kFileTag);
    DataTreeNode* header = tree.root()->addChild("HEDR");
    header->addValue("ENGL")->setString(m_header.englishName);
    header->addValue("NTVL")->setString(m_header.nativeName);
    header->addValue("ATHR")->setString(m_header.author);
    writeDate(*header, m_header.date);
    DataTreeNode* groups = tree.root()->addChild("GRPS");
    for (LanguageItem* item : m_items) {
        StringList segments = contextSegments(item->context());
        if (segments.count() > kMaxGroupDepth)
            return false;
        DataTreeNode* parent = groups;
        for (const String& segment : segments)
            parent = groupNode(*parent, segment);
        DataTreeNode* node = parent->addChild("ITEM");
        node->addValue("CTXT")->setString(item->source());
        node->addValue("TRSN")->setString(item->translation());
    }
    return tree.save(path);
}

LanguageItem* LanguageFile::findItem(const String& context, const String& source) const
{
    for (LanguageItem* item : m_items) {
        if (item->source() == source && item->context() == context)
            return item;
    }
    return nullptr;
}

LanguageItem* LanguageFile::findBySource(const char16_t* source, const char16_t* context) const
{
    if (!source)
        return nullptr;
    String wantedSource(source);
    String wantedContext(context);
    for (LanguageItem* item : m_items) {
        if (item->source() != wantedSource)
            continue;
        if (!context || item->context() == wantedContext)
            return item;
    }
    return nullptr;
}

LanguageItem* LanguageFile::findById(uint64_t id) const
{
    for (LanguageItem* item : m_items) {
        if (item->id() == id)
            return item;
    }
    return nullptr;
}

bool LanguageFile::addItem(const String& context, const String& source, const String& translation)
{
    if (findItem(context, source))
        return false;
    m_items.append(new LanguageItem(context, source, translation));
    return true;
}

bool LanguageFile::removeItem(const String& context, const String& source)
{
    for (List<LanguageItem*>::Node* node = m_items.first(); node; node = node->next) {
        LanguageItem* item = node->value;
        if (item->source() == source && item->context() == context) {
            m_items.erase(node);
            delete item;
            return true;
        }
    }
    return false;
}

List<LanguageItem*> LanguageFile::duplicates() const
{
    List<LanguageItem*> result;
    for (LanguageItem* item : m_items) {
        for (LanguageItem* other : m_items) {
            bool twin = other != item && other->id() == item->id() && other->source() == item->source() &&
                        other->context() == item->context();
            if (twin) {
                result.append(item);
                break;
            }
        }
    }
    return result;
}

int LanguageFile::wordCount() const
{
    int words = 0;
    for (LanguageItem* item : m_items)
        words += wordsIn(item->translation());
    return words;
}

int LanguageFile::characterCount() const
{
    int characters = 0;
    for (LanguageItem* item : m_items)
        characters += item->translation().length();
    return characters;
}

StringList LanguageFile::sourceListing() const
{
    StringList contexts;
    for (LanguageItem* item : m_items) {
        if (!contexts.contains(item->context()))
            contexts.append(item->context());
    }
    StringList listing;
    for (const String& context : contexts) {
        listing.append(String(u"[") + context + String(u"]"));
        for (LanguageItem* item : m_items) {
            if (item->context() == context)
                listing.append(item->source());
        }
    }
    return listing;
}
