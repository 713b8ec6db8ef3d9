#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/core/LanguageFile.h"
#include "foundation/core/LanguageInfo.h"
#include "foundation/text/String.h"

#include <cstdint>
#include <functional>

// Turns the English texts of the code into the texts of one language. It
// owns one LanguageFile; a text that the file does not translate comes back
// as written, with its escapes resolved.
class Translator
{
public:
    Translator();
    virtual ~Translator();
    Translator(const Translator&) = delete;
    Translator& operator=(const Translator&) = delete;

    // By the extension, in any case: "xml" or "lang". Any failure leaves the
    // file empty.
    bool load(const String& path);
    // The binary form from a block of memory.
    bool loadFromMemory(const void* data, uint64_t size);

    // Without a context the first item with that source text answers,
    // whatever its context. A null text gives the empty String.
    void translate(String& out, const char16_t* text, const char16_t* context = nullptr) const;
    // The empty String when no item has the id.
    void translateById(String& out, uint64_t id) const;

    // Hears every text that translate finds no item for, with its context,
    // so that tests can list what a language leaves in English. Null stops.
    using MissRecorder = std::function<void(const String& text, const String& context)>;
    void setMissRecorder(MissRecorder recorder) { m_missRecorder = std::move(recorder); }

    // The header of the language file at path, with its file time set to
    // the file's last modification; an empty LanguageInfo when it does not
    // load.
    static LanguageInfo readHeader(const String& path);

    const String& englishName() const { return m_file->header().englishName; }
    const String& nativeName() const { return m_file->header().nativeName; }
    const String& author() const { return m_file->header().author; }
    const DateTime& date() const { return m_file->header().date; }
    const String& filePath() const { return m_file->header().filePath; }
    bool isEmpty() const { return m_file->isEmpty(); }
    void clear() { m_file->clear(); }
    const LanguageFile& file() const { return *m_file; }

    static StringList escapes();
    static StringList replacements();

private:
    static bool loadInto(LanguageFile& file, const String& path);

    LanguageFile* m_file;
    MissRecorder m_missRecorder;
};
