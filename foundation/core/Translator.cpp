#include "foundation/core/Translator.h"

#include "foundation/core/TranslationEscapes.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"

namespace {

// An empty translation shows the source text rather than nothing.
String shownText(const LanguageItem& item)
{
    if (!item.translation().isEmpty())
        return item.translation();
    return TranslationEscapes::apply(item.source());
}

} // namespace

Translator::Translator() : m_file(new LanguageFile) {}

Translator::~Translator()
{
    delete m_file;
}

bool Translator::load(const String& path)
{
    return loadInto(*m_file, path);
}

bool Translator::loadInto(LanguageFile& file, const String& path)
{
    file.clear();
    if (!File::exists(path))
        return false;
    String extension = pathExtension(path, 1);
    if (extension == String(u"xml"))
        return file.loadXml(path);
    if (extension == String(u"lang"))
        return file.loadBinary(path);
    return false;
}

bool Translator::loadFromMemory(const void* data, uint64_t size)
{
    return m_file->loadBinaryFromMemory(data, size);
}

void Translator::translate(String& out, const char16_t* text, const char16_t* context) const
{
    LanguageItem* item = m_file->findBySource(text, context);
    if (item) {
        out = shownText(*item);
        return;
    }
    out = TranslationEscapes::apply(String(text));
    if (m_missRecorder)
        m_missRecorder(String(text), String(context));
}

void Translator::translateById(String& out, uint64_t id) const
{
    LanguageItem* item = m_file->findById(id);
    if (item)
        out = shownText(*item);
    else
        out.clear();
}

LanguageInfo Translator::readHeader(const String& path)
{
    LanguageFile file;
    if (!loadInto(file, path))
        return LanguageInfo();
    LanguageInfo header = file.header();
    header.fileTime = File::lastWriteTime(path, true);
    return header;
}

StringList Translator::escapes()
{
    return TranslationEscapes::escapes();
}

StringList Translator::replacements()
{
    return TranslationEscapes::replacements();
}
