#include "foundation/xml/XmlReader.h"

#include "foundation/io/FileInputStream.h"
#include "foundation/io/TextReader.h"
#include "foundation/io/TextWriter.h"
#include "foundation/xml/CommandRunner.h"
#include "foundation/xml/XmlDocument.h"
#include "foundation/xml/XmlParseState.h"

namespace {

const uint64_t kReadChunkSize = 0x10000;
const char16_t kByteOrderMark = 0xFEFF;

struct Entity
{
    const char16_t* name; // between "&" and ";"
    int length;
    char16_t unit;
};

const Entity kEntities[] = {
    {u"apos", 4, u'\''}, {u"quot", 4, u'"'}, {u"lt", 2, u'<'}, {u"gt", 2, u'>'}, {u"amp", 3, u'&'},
};

// The entity that stands at index (on its "&"), or null.
const Entity* entityAt(const char16_t* units, int length, int index)
{
    for (const Entity& entity : kEntities) {
        int end = index + 1 + entity.length;
        if (end >= length || units[end] != u';')
            continue;
        bool same = true;
        for (int i = 0; i < entity.length && same; ++i)
            same = units[index + 1 + i] == entity.name[i];
        if (same)
            return &entity;
    }
    return nullptr;
}

// Steps a parse may take for a text of this length: every step consumes a
// unit or hands over to one that does, so a run beyond this is a fault.
int32_t stepLimitFor(int32_t length)
{
    int64_t limit = int64_t(length) * 4 + 64;
    return limit > CommandRunner::kDefaultStepLimit ? CommandRunner::kDefaultStepLimit : int32_t(limit);
}

} // namespace

// The entities are decoded in one pass from left to right. That gives the
// same text as replacing "&apos;", "&quot;", "&lt;", "&gt;" and then "&amp;"
// over the whole text one after the other: no decoded unit can form a new
// entity, so "&amp;lt;" becomes "&lt;" and is not decoded again.
String xmlUnescape(const String& text)
{
    const char16_t* units = text.data();
    int length = text.length();
    int firstAmpersand = text.indexOfChar(u'&', 0, String::kCaseSensitive);
    if (firstAmpersand < 0)
        return text;
    String decoded;
    decoded.reserve(length);
    int plainStart = 0;
    for (int i = firstAmpersand; i < length; ++i) {
        if (units[i] != u'&')
            continue;
        const Entity* entity = entityAt(units, length, i);
        if (!entity)
            continue;
        decoded.appendChars(units + plainStart, i - plainStart);
        decoded.appendChar(entity->unit);
        i += entity->length + 1;
        plainStart = i + 1;
    }
    decoded.appendChars(units + plainStart, length - plainStart);
    return decoded;
}

XmlReader::XmlReader(XmlDocument* document) : m_document(document) {}

bool XmlReader::loadFile(const String& path, int encoding)
{
    if (path.isEmpty() || !m_document)
        return false;
    if (encoding != TextWriter::kUtf8 && encoding != TextWriter::kUtf16)
        return false;
    if (!readFile(path, encoding))
        return false;
    bool loaded = run(m_text.data(), m_text.length());
    m_text.release();
    return loaded;
}

bool XmlReader::readFile(const String& path, int encoding)
{
    FileInputStream stream(path);
    TextReader reader(&stream, encoding);
    if (!reader.attach())
        return false;
    m_text = reader.readAll(kReadChunkSize);
    reader.detach();
    return !m_text.isEmpty();
}

bool XmlReader::loadString(const String& text, bool lenient)
{
    if (text.isEmpty() || !m_document)
        return false;
    const char16_t* units = text.data();
    int32_t length = text.length();
    if (units[0] == kByteOrderMark) {
        ++units;
        --length;
    }
    static const char16_t kDeclarationStart[] = u"<?xml";
    if (length < 5)
        return false;
    for (int i = 0; i < 5; ++i) {
        if (units[i] != kDeclarationStart[i])
            return false;
    }
    m_lenient = lenient;
    return run(units, length);
}

bool XmlReader::run(const char16_t* text, int32_t length)
{
    if (m_lenient)
        return parse(text, length, 0);
    int32_t start = findDeclarationEnd(text, length);
    if (start < 0)
        return false;
    return parse(text, length, start);
}

int32_t XmlReader::findDeclarationEnd(const char16_t* text, int32_t length)
{
    // Looks back over a window of four units; units before the start read as 0.
    auto unitAt = [text, length](int64_t index) -> char16_t {
        return index >= 0 && index < length ? text[index] : 0;
    };
    bool inComment = false;
    for (int32_t i = 0; i < length; ++i) {
        if (inComment) {
            if (unitAt(i - 2) == u'-' && unitAt(i - 1) == u'-' && unitAt(i) == u'>')
                inComment = false;
            continue;
        }
        if (unitAt(i - 3) == u'<' && unitAt(i - 2) == u'!' && unitAt(i - 1) == u'-' && unitAt(i) == u'-') {
            inComment = true;
            continue;
        }
        if (unitAt(i) == u'?' && unitAt(i + 1) == u'>')
            return i + 2;
    }
    return -1;
}

// The tree is built under a root of its own and handed to the document only
// when the whole text parsed, so a damaged text adds nothing.
bool XmlReader::parse(const char16_t* text, int32_t length, int32_t start)
{
    XmlElement top(u"ROOT");
    XmlParseContext context(text, length, start, m_lenient, &top);
    CommandRunner runner;
    runner.add(new XmlBetweenMarkupState(&context));
    runner.add(new XmlAfterOpenState(&context));
    runner.add(new XmlAfterNameState(&context));
    runner.add(new XmlTextState(&context));
    runner.add(new XmlStartTagEndState(&context));
    runner.add(new XmlEndTagState(&context));
    runner.add(new XmlCommentState(&context));
    runner.add(new XmlBetweenAttributesState(&context));
    runner.add(new XmlAttributeNameState(&context));
    runner.add(new XmlBeforeValueState(&context));
    runner.add(new XmlAttributeValueState(&context));
    runner.setStartId(XmlParseState::kBetweenMarkup);
    runner.setStepLimit(stepLimitFor(length));
    if (!runner.run())
        return false;
    XmlElement& root = m_document->root();
    if (top.hasValue())
        root.setValue(root.value() + top.value());
    List<XmlElement*> children = top.takeChildren();
    for (XmlElement* child : children)
        root.appendChild(child);
    return true;
}
