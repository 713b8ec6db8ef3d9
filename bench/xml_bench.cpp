// Reading and writing a language-sized XML document: the program reads its
// language file and skin at every start and writes its configuration at every
// exit, so both must stay far below a blink.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "foundation/io/File.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"
#include "foundation/xml/XmlDocument.h"

namespace {

const int kTargetBytes = 1 << 20;

int64_t utf8Size(const XmlDocument& document)
{
    String text;
    document.toString(text);
    return text.toUtf8().size();
}

// A language file of nested groups with items whose texts mix ASCII, accents,
// entities and placeholders, grown until its UTF-8 form reaches 1 MiB.
void buildLanguage(XmlDocument& document)
{
    XmlElement* translation = document.root().addChild(u"translation");
    translation->addAttribute(u"language_english", u"German");
    translation->addAttribute(u"language_native", u"Deutsch");
    translation->addAttribute(u"author", u"J\u00f6rg M\u00fcller");
    XmlElement* groups = translation->addChild(u"groups");
    for (int group = 0; group % 16 != 0 || utf8Size(document) < kTargetBytes; ++group) {
        XmlElement* window = groups->addChild(u"group");
        window->addAttribute(u"name", String(u"Window") + String::fromInt(group));
        XmlElement* menu = window->addChild(u"group");
        menu->addAttribute(u"name", u"Menu");
        for (int item = 0; item < 20; ++item) {
            XmlElement* element = (item % 2 ? menu : window)->addChild(u"item");
            String number = String::fromInt(item);
            element->addAttribute(u"context", String(u"&Open the \"^\" collection ") + number);
            element->addAttribute(u"translation",
                                  String(u"Sammlung \u201e^\u201c \u00f6ffnen & pr\u00fcfen ") + number);
        }
    }
}

struct LanguageDocument
{
    LanguageDocument()
    {
        buildLanguage(document);
        document.toString(text);
        bytes = utf8Size(document);
    }
    XmlDocument document;
    String text;
    int64_t bytes = 0;
};

const LanguageDocument& language()
{
    static LanguageDocument instance;
    return instance;
}

void BM_XmlReadLanguage(benchmark::State& state)
{
    const LanguageDocument& source = language();
    for (auto _ : state) {
        XmlDocument document;
        bool loaded = document.loadFromString(source.text, false);
        benchmark::DoNotOptimize(loaded);
        if (!loaded)
            state.SkipWithError("the generated document did not load");
    }
    state.SetBytesProcessed(state.iterations() * source.bytes);
}
BENCHMARK(BM_XmlReadLanguage)->Unit(benchmark::kMillisecond);

void BM_XmlWriteLanguage(benchmark::State& state)
{
    const LanguageDocument& source = language();
    for (auto _ : state) {
        String out;
        bool written = source.document.toString(out);
        benchmark::DoNotOptimize(written);
    }
    state.SetBytesProcessed(state.iterations() * source.bytes);
}
BENCHMARK(BM_XmlWriteLanguage)->Unit(benchmark::kMillisecond);

// The same document through a UTF-8 file, as the program loads its language
// and saves its configuration.
String benchFilePath()
{
    std::string path = (std::filesystem::temp_directory_path() / "reelstack-xml-bench.xml").string();
    return String::fromUtf8(path.data(), int(path.size()));
}

void BM_XmlSaveLanguageFile(benchmark::State& state)
{
    const LanguageDocument& source = language();
    String path = benchFilePath();
    for (auto _ : state) {
        if (!source.document.save(path, 3))
            state.SkipWithError("the document could not be saved");
    }
    state.SetBytesProcessed(state.iterations() * source.bytes);
    File::remove(path);
}
BENCHMARK(BM_XmlSaveLanguageFile)->Unit(benchmark::kMillisecond);

void BM_XmlLoadLanguageFile(benchmark::State& state)
{
    const LanguageDocument& source = language();
    String path = benchFilePath();
    if (!source.document.save(path, 3))
        state.SkipWithError("the document could not be saved");
    for (auto _ : state) {
        XmlDocument document;
        if (!document.loadFromFile(path, 3))
            state.SkipWithError("the document did not load");
    }
    state.SetBytesProcessed(state.iterations() * source.bytes);
    File::remove(path);
}
BENCHMARK(BM_XmlLoadLanguageFile)->Unit(benchmark::kMillisecond);

} // namespace
