#pragma once

#include "foundation/containers/List.h"
#include "foundation/core/LanguageInfo.h"
#include "foundation/io/LogFile.h"
#include "foundation/text/String.h"

#include <cstdint>

class PakArchive;
class Translator;

// An opened data archive and the name it is registered under.
struct NamedArchive
{
    String name;
    PakArchive* archive;
};

// The process-wide application core, made first by the entry point and
// destroyed last: the program's identity and paths, the installed language,
// the opened data archives, the log, the single-instance mutex and the main
// window handle. It also runs the main message loop. Everything in it runs
// on the GUI thread and takes no lock.
class AppCore
{
public:
    static constexpr uint64_t kLogMaxSize = 1048576;

    AppCore(const String& productName, const String& version);
    virtual ~AppCore();
    AppCore(const AppCore&) = delete;
    AppCore& operator=(const AppCore&) = delete;

    // The first core made and still alive, or null.
    static AppCore* instance();

    // Runs the main message loop until it quits; its exit code.
    virtual int run();
    // Quits the main loop with code 0.
    virtual void quit();

    const String& productName() const { return m_productName; }
    void setProductName(const String& name) { m_productName = name; }
    const String& version() const { return m_version; }
    void setVersion(const String& version) { m_version = version; }
    const String& companyName() const { return m_companyName; }
    void setCompanyName(const String& name) { m_companyName = name; }
    const String& makerName() const { return m_companyName; }
    // The text shown for the maker's web address: the address itself until
    // a text is set.
    const String& makerWebText() const { return m_makerWebText.isEmpty() ? m_companyUrl : m_makerWebText; }
    void setMakerWebText(const String& text) { m_makerWebText = text; }
    // The product's addresses follow the maker's until they are set.
    const String& companyHost() const { return m_companyHost; }
    void setCompanyHost(const String& host);
    const String& companyUrl() const { return m_companyUrl; }
    void setCompanyUrl(const String& url);
    const String& productHost() const { return m_productHost; }
    void setProductHost(const String& host) { m_productHost = host; }
    const String& productUrl() const { return m_productUrl; }
    void setProductUrl(const String& url) { m_productUrl = url; }
    // The shop searched for bar codes, with its port when it has one.
    const String& shopHost() const { return m_shopHost; }
    void setShopHost(const String& host) { m_shopHost = host; }

    const String& commandLine() const { return m_commandLine; }
    const String& programPath() const { return m_programPath; }
    // The program's folder, without a trailing separator. The archives and
    // the languages are looked up below it; tests and tools point it at a
    // folder of their own.
    const String& appDirectory() const { return m_appDirectory; }
    void setAppDirectory(const String& folder) { m_appDirectory = folder; }
    LogFile& log() { return m_log; }

    // The user's roaming application-data folder + "\" + the product name.
    String dataDirectory() const;
    bool ensureDataDirectory() const;
    // Product name, version and the CRC-32 of the program file, joined; with
    // encoded, the Base64 text of the joined text's UTF-8 bytes.
    String agentIdentity(bool encoded);
    // The address with the program's identity appended as a query
    // parameter, so that the site can tell which build the visitor runs.
    String decoratedUrl(const String& address);

    void* moduleHandle() const;
    static bool isWindowsXpOrLater();
    static void beep();

    // Asked with a core's product name just before the core claims its
    // single-instance mutex, in the Windows build. A test program installs
    // one that ends it rather than let a test claim the program's own name
    // while the program itself may be starting beside it. Null: no check.
    using InstanceClaimCheck = void (*)(const String& productName);
    static void setInstanceClaimCheck(InstanceClaimCheck check);
    static InstanceClaimCheck instanceClaimCheck();

    bool isAnotherInstanceRunning() const;
    // Hands over to the instance that runs already; false when none answers.
    bool forwardToFirstInstance();
    void setMainWindow(void* window);
    void* mainWindow() const { return m_mainWindow; }

    // By name: the program folder's name + ".pak", then the same in its
    // "data" folder; a name holding "\" is the path itself. The archive is
    // registered under its file's base name.
    bool openPak(const String& name);
    bool openPakFromMemory(const String& name, const void* data, int32_t size);
    // Exactly that name, case-sensitive; null when none is registered.
    PakArchive* findPak(const String& name) const;
    bool closePak(const String& name);
    void closeAllPaks();
    int pakCount() const { return m_archives.count(); }

    // The text in the current language, or the text with its escapes
    // resolved when no language is installed.
    void translate(String& out, const char16_t* text, const char16_t* context = nullptr) const;
    String translate(const char16_t* text, const char16_t* context = nullptr) const;
    // The empty String without a language.
    void translateById(String& out, uint64_t id) const;
    String translateById(uint64_t id) const;
    // Takes ownership; deletes the one installed before. Null removes it.
    void installTranslator(Translator* translator);
    Translator* translator() const { return m_translator; }

    // Loads the language file of that base name from the languages folder,
    // the ".xml" form when it is newer than the ".lang" one; a name without
    // a file that loads removes the translation.
    void setLanguage(const String& name);
    bool loadLanguageFromMemory(const void* data, uint64_t size);
    // One entry per native name (ignoring case), the newest file winning. An
    // empty folder means the languages folder.
    LanguageInfoList listLanguages(const String& folder) const;
    LanguageInfo findLanguage(const String& englishName) const;
    LanguageInfo findLanguageByNativeName(const String& nativeName) const;
    void setLanguageByEnglishName(const String& englishName);
    void setLanguageByNativeName(const String& nativeName);

private:
    struct Platform;

    // The system's side: the message loop, the single-instance window and
    // mutex (made in this order and undone in reverse).
    void startPlatform();
    void stopPlatform();
    String languagesFolder() const;
    String chooseLanguageFile(const String& name) const;

    String m_commandLine;
    String m_companyName;
    String m_companyHost;
    String m_companyUrl;
    String m_makerWebText;
    String m_productName;
    String m_version;
    String m_productHost;
    String m_productUrl;
    String m_shopHost;
    String m_programPath;
    String m_appDirectory;
    String m_programCrc;
    LogFile m_log;
    Translator* m_translator = nullptr;
    List<NamedArchive> m_archives;
    void* m_mainWindow = nullptr;
    Platform* m_platform = nullptr;
};
