#include "foundation/core/AppCore.h"

#include "foundation/containers/StringList.h"
#include "foundation/core/TranslationEscapes.h"
#include "foundation/core/Translator.h"
#include "foundation/data/PakArchive.h"
#include "foundation/hash/Crc32.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "foundation/net/Url.h"
#include "foundation/platform/SystemInfo.h"
#include "foundation/text/ByteArray.h"

namespace {

AppCore* g_instance = nullptr;
AppCore::InstanceClaimCheck g_claimCheck = nullptr;

// Chosen by us; the maker's web service splits the identity at it.
const char16_t kIdentitySeparator[] = u"|";
const char16_t kDecorationName[] = u"client=";

String withSeparator(const String& folder)
{
    return folder + String(u"\\");
}

// The file name without folder and extension: "data" for "...\data.pak".
String archiveName(const String& path)
{
    String base = pathBaseName(path);
    return base.isEmpty() ? pathFileName(path) : base;
}

ByteArray withoutOuterZeros(const ByteArray& bytes)
{
    int begin = 0;
    int end = bytes.size();
    while (begin < end && bytes.data()[begin] == 0)
        ++begin;
    while (end > begin && bytes.data()[end - 1] == 0)
        --end;
    ByteArray trimmed;
    if (end > begin)
        trimmed.assignChars(bytes.data() + begin, end - begin);
    return trimmed;
}

LanguageInfo firstLanguageWhere(const LanguageInfoList& languages, bool byEnglishName, const String& name)
{
    for (const LanguageInfo& language : languages) {
        const String& candidate = byEnglishName ? language.englishName : language.nativeName;
        if (String::equalsIgnoreCase(candidate, name))
            return language;
    }
    return LanguageInfo();
}

// Keeps the newer of two files that describe the same language.
void addLanguage(LanguageInfoList& languages, const LanguageInfo& language)
{
    for (LanguageInfoList::Node* node = languages.first(); node; node = node->next) {
        if (!String::equalsIgnoreCase(node->value.nativeName, language.nativeName))
            continue;
        if (!language.fileTime.isAfter(node->value.fileTime))
            return;
        languages.erase(node);
        break;
    }
    languages.append(language);
}

} // namespace

AppCore::AppCore(const String& productName, const String& version)
    : m_productName(productName), m_version(version), m_programPath(File::programFilePath()),
      m_appDirectory(Directory::programDirectory())
{
    m_log.setMaxSize(kLogMaxSize);
    if (!g_instance)
        g_instance = this;
    startPlatform();
}

void AppCore::setInstanceClaimCheck(InstanceClaimCheck check)
{
    g_claimCheck = check;
}

AppCore::InstanceClaimCheck AppCore::instanceClaimCheck()
{
    return g_claimCheck;
}

AppCore::~AppCore()
{
    stopPlatform();
    installTranslator(nullptr);
    closeAllPaks();
    // A core that outlives its registration must not leave it dangling.
    if (g_instance == this)
        g_instance = nullptr;
}

AppCore* AppCore::instance()
{
    return g_instance;
}

void AppCore::setCompanyHost(const String& host)
{
    m_companyHost = host;
    if (m_productHost.isEmpty())
        m_productHost = host;
}

void AppCore::setCompanyUrl(const String& url)
{
    m_companyUrl = url;
    if (m_productUrl.isEmpty())
        m_productUrl = url;
}

String AppCore::dataDirectory() const
{
    String folder = SystemInfo::specialFolder(SystemInfo::kApplicationData);
    if (folder.isEmpty())
        return String();
    return withSeparator(folder) + m_productName;
}

bool AppCore::ensureDataDirectory() const
{
    String folder = dataDirectory();
    if (folder.isEmpty())
        return false;
    return Directory::exists(folder) || Directory::create(folder);
}

String AppCore::agentIdentity(bool encoded)
{
    if (m_programCrc.isEmpty()) {
        Crc32 checksum = Crc32::fromFile(m_programPath);
        if (!checksum.isNull())
            m_programCrc = checksum.toString();
    }
    String identity = m_productName + kIdentitySeparator + m_version + kIdentitySeparator + m_programCrc;
    if (!encoded)
        return identity;
    return withoutOuterZeros(identity.toUtf8()).toBase64();
}

String AppCore::decoratedUrl(const String& address)
{
    if (address.isEmpty())
        return String();
    const char16_t joiner = address.containsChar(u'?', String::kCaseSensitive) ? u'&' : u'?';
    return address + joiner + kDecorationName + urlEncode(agentIdentity(true));
}

bool AppCore::openPak(const String& name)
{
    String path;
    if (name.containsChar(kPathSeparator, String::kCaseSensitive)) {
        path = name;
    } else {
        path = withSeparator(m_appDirectory) + name + String(u".pak");
        if (!File::exists(path))
            path = withSeparator(m_appDirectory) + String(u"data\\") + name + String(u".pak");
    }
    if (!File::exists(path))
        return false;
    PakArchive* archive = new PakArchive;
    if (!archive->open(path)) {
        delete archive;
        return false;
    }
    m_archives.append(NamedArchive{archiveName(path), archive});
    return true;
}

bool AppCore::openPakFromMemory(const String& name, const void* data, int32_t size)
{
    PakArchive* archive = new PakArchive;
    if (!archive->openMemory(data, size)) {
        delete archive;
        return false;
    }
    m_archives.append(NamedArchive{name, archive});
    return true;
}

PakArchive* AppCore::findPak(const String& name) const
{
    for (const NamedArchive& entry : m_archives) {
        if (entry.name == name)
            return entry.archive;
    }
    return nullptr;
}

bool AppCore::closePak(const String& name)
{
    for (List<NamedArchive>::Node* node = m_archives.first(); node; node = node->next) {
        if (node->value.name != name)
            continue;
        delete node->value.archive;
        m_archives.erase(node);
        return true;
    }
    return false;
}

void AppCore::closeAllPaks()
{
    for (const NamedArchive& entry : m_archives)
        delete entry.archive;
    m_archives.clear();
}

void AppCore::translate(String& out, const char16_t* text, const char16_t* context) const
{
    if (m_translator) {
        m_translator->translate(out, text, context);
        return;
    }
    out = TranslationEscapes::apply(String(text));
}

String AppCore::translate(const char16_t* text, const char16_t* context) const
{
    String out;
    translate(out, text, context);
    return out;
}

String AppCore::translateById(uint64_t id) const
{
    String out;
    translateById(out, id);
    return out;
}

void AppCore::translateById(String& out, uint64_t id) const
{
    if (m_translator) {
        m_translator->translateById(out, id);
        return;
    }
    out.clear();
}

void AppCore::installTranslator(Translator* translator)
{
    if (translator == m_translator)
        return;
    delete m_translator;
    m_translator = translator;
}

String AppCore::languagesFolder() const
{
    return withSeparator(m_appDirectory) + String(u"languages\\");
}

// The ".xml" form wins only when it is strictly newer than the ".lang" one.
String AppCore::chooseLanguageFile(const String& name) const
{
    // The name comes from the configuration: it must stay a name in the
    // folder, and "COM1" with ".lang" added would still open the device.
    if (!isUsableFileName(name))
        return String();
    String base = languagesFolder() + name;
    String xml = base + String(u".xml");
    String binary = base + String(u".lang");
    bool hasXml = File::exists(xml);
    bool hasBinary = File::exists(binary);
    if (hasXml && hasBinary)
        return File::lastWriteTime(xml, false).isAfter(File::lastWriteTime(binary, false)) ? xml : binary;
    if (hasXml)
        return xml;
    if (hasBinary)
        return binary;
    return String();
}

void AppCore::setLanguage(const String& name)
{
    String path = chooseLanguageFile(name);
    if (!path.isEmpty() && m_translator && m_translator->filePath() == path)
        return;
    Translator* translator = nullptr;
    if (!path.isEmpty()) {
        translator = new Translator;
        if (!translator->load(path)) {
            delete translator;
            translator = nullptr;
        }
    }
    installTranslator(translator);
}

bool AppCore::loadLanguageFromMemory(const void* data, uint64_t size)
{
    Translator* translator = new Translator;
    if (!translator->loadFromMemory(data, size)) {
        delete translator;
        installTranslator(nullptr);
        return false;
    }
    installTranslator(translator);
    return true;
}

LanguageInfoList AppCore::listLanguages(const String& folder) const
{
    String where = folder.isEmpty() ? languagesFolder() : folder;
    LanguageInfoList languages;
    StringList extensions;
    extensions.append(String(u"xml"));
    extensions.append(String(u"lang"));
    StringList files;
    if (!Directory::list(where, Directory::kListFiles | Directory::kListSkipHidden, &extensions, files))
        return languages;
    for (const String& file : files) {
        LanguageInfo language = Translator::readHeader(file);
        if (!language.nativeName.isEmpty())
            addLanguage(languages, language);
    }
    return languages;
}

LanguageInfo AppCore::findLanguage(const String& englishName) const
{
    return firstLanguageWhere(listLanguages(String()), true, englishName);
}

LanguageInfo AppCore::findLanguageByNativeName(const String& nativeName) const
{
    return firstLanguageWhere(listLanguages(String()), false, nativeName);
}

void AppCore::setLanguageByEnglishName(const String& englishName)
{
    LanguageInfo language = findLanguage(englishName);
    if (!language.isEmpty())
        setLanguage(language.name);
}

void AppCore::setLanguageByNativeName(const String& nativeName)
{
    LanguageInfo language = findLanguageByNativeName(nativeName);
    if (!language.isEmpty())
        setLanguage(language.name);
}
