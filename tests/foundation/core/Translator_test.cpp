// Translation by text and context, by id, the escapes of untranslated texts,
// loading by extension and reading a file's header.
#include <gtest/gtest.h>

#include "foundation/core/AppCore.h"
#include "foundation/core/LanguageItem.h"
#include "foundation/core/Translator.h"
#include "foundation/io/File.h"
#include "tests/foundation/core/CoreTestSupport.h"
#include "tests/foundation/text/StringTestHelpers.h"

using coretest::languageFixture;
using iotest::pathIn;

namespace {

std::u16string translated(const Translator& translator, const char16_t* text,
                          const char16_t* context = nullptr)
{
    String out(u"stale");
    translator.translate(out, text, context);
    return u16(out);
}

std::u16string translatedById(const Translator& translator, const char16_t* source, const char16_t* context)
{
    String out(u"stale");
    translator.translateById(out, LanguageItem::makeId(String(source), String(context)));
    return u16(out);
}

bool copyFixture(const char* name, const testsupport::TempDir& dir, const char* target)
{
    return iotest::writeFileBytes(iotest::nativeIn(dir, target),
                                  iotest::readFileBytes(coretest::nativeLanguageFixture(name)));
}

} // namespace

TEST(Translator, FindsTextsWithAndWithoutContext)
{
    Translator translator;
    ASSERT_TRUE(translator.load(languageFixture("Testish.xml")));

    EXPECT_EQ(translated(translator, u"Open", u"MainWindow"), u"\u00d6ffnen");
    EXPECT_EQ(translated(translator, u"Open", u"MainWindow/Menu"), u"\u00d6ffnen\u2026");
    // Without a context the first "Open" of the file answers.
    EXPECT_EQ(translated(translator, u"Open"), u"\u00d6ffnen");
    // A context without that text gives the text back, although another
    // context translates it.
    EXPECT_EQ(translated(translator, u"Open", u"Dialog"), u"Open");
    EXPECT_EQ(translated(translator, u"Open", u""), u"Open");
    EXPECT_EQ(translated(translator, u"Copy", u"UserInterface/UILineEdit"), u"Kopieren");
    EXPECT_EQ(translated(translator, u"copy", u"UserInterface/UILineEdit"), u"copy");
    // Placeholders pass through for the caller to fill.
    EXPECT_EQ(translated(translator, u"^ of ^ movies", u"MainWindow"), u"^ von ^ Filmen");
    EXPECT_EQ(translated(translator, nullptr, u"MainWindow"), u"");

    // The binary file answers the same way.
    Translator binary;
    ASSERT_TRUE(binary.load(languageFixture("Binarish.lang")));
    EXPECT_EQ(translated(binary, u"Open"), u"Aufmachen");
    EXPECT_EQ(translated(binary, u"Open", u"Dialog"), u"\u00d6ffnen");
    EXPECT_EQ(translated(binary, u"Quit", u"MainWindow/Menu"), u"Beenden\njetzt");
    EXPECT_EQ(translated(binary, u"Quit", u"MainWindow"), u"Quit");
}

TEST(Translator, ResolvesEscapesWhereNothingIsTranslated)
{
    AppCore core(String(u"Reelstack"), String(u"1.2.0"));
    Translator translator;
    ASSERT_TRUE(translator.load(languageFixture("Testish.xml")));

    // An empty translation shows the source text, escapes resolved.
    EXPECT_EQ(translated(translator, u"Nothing|to translate"), u"Nothing\nto translate");
    EXPECT_EQ(translated(translator, u"Line one|Line two"), u"Zeile eins\nZeile zwei");
    EXPECT_EQ(translated(translator, u"About %app", u"MainWindow/Menu"), u"\u00dcber Reelstack");
    // Texts the file does not know.
    EXPECT_EQ(translated(translator, u"Welcome to %app!|\\tHave fun\\r\\n"),
              u"Welcome to Reelstack!\nHave fun\n");
    EXPECT_EQ(translated(translator, u"plain"), u"plain");

    Translator binary;
    ASSERT_TRUE(binary.load(languageFixture("Binarish.lang")));
    EXPECT_EQ(translated(binary, u"%app settings", u"Dialog"), u"Reelstack settings");
    EXPECT_EQ(translated(binary, u"First\\nSecond", u"Dialog"), u"Erste\nZweite");

    EXPECT_EQ(items(Translator::escapes()), (Items{u"\\r", u"\\t", u"\\n", u"|", u"%app"}));
    EXPECT_EQ(items(Translator::replacements()), (Items{u"", u"", u"\n", u"\n", u"Reelstack"}));
}

TEST(Translator, TranslatesById)
{
    Translator translator;
    ASSERT_TRUE(translator.load(languageFixture("Testish.xml")));
    EXPECT_EQ(translatedById(translator, u"Copy", u"UserInterface/UILineEdit"), u"Kopieren");
    EXPECT_EQ(translatedById(translator, u"Open", u"MainWindow/Menu"), u"\u00d6ffnen\u2026");
    EXPECT_EQ(translatedById(translator, u"Nothing|to translate", u"UserInterface/UILineEdit"),
              u"Nothing\nto translate");
    EXPECT_EQ(translatedById(translator, u"Copy", u"MainWindow"), u"");
    // The id is the hash of the source followed by the context.
    String out;
    translator.translateById(out, String(u"CopyUserInterface/UILineEdit").hash64());
    EXPECT_EQ(u16(out), u"Kopieren");
}

TEST(Translator, LoadsByExtensionAndEmptiesOnFailure)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(copyFixture("Testish.xml", dir, "Upper.XML"));
    ASSERT_TRUE(copyFixture("Binarish.lang", dir, "Upper.LANG"));
    ASSERT_TRUE(copyFixture("Testish.xml", dir, "Wrong.lang"));
    ASSERT_TRUE(copyFixture("Testish.xml", dir, "Other.txt"));

    Translator translator;
    EXPECT_TRUE(translator.load(pathIn(dir, "Upper.XML")));
    EXPECT_EQ(u16(translator.englishName()), u"testish");
    EXPECT_EQ(u16(translator.filePath()), u16(pathIn(dir, "Upper.XML")));
    EXPECT_TRUE(translator.load(pathIn(dir, "Upper.LANG")));
    EXPECT_EQ(u16(translator.nativeName()), u"\u00c9tude binaire");
    EXPECT_EQ(u16(translator.author()), u"Reelstack tests");
    EXPECT_FALSE(translator.isEmpty());

    // An XML text under the binary extension, an unknown extension and a
    // missing file all leave nothing loaded.
    for (const char* name : {"Wrong.lang", "Other.txt", "Missing.xml"}) {
        ASSERT_TRUE(translator.load(languageFixture("Testish.xml")));
        EXPECT_FALSE(translator.load(pathIn(dir, name))) << name;
        EXPECT_TRUE(translator.isEmpty()) << name;
        EXPECT_TRUE(translator.englishName().isEmpty()) << name;
        EXPECT_EQ(translated(translator, u"Open", u"MainWindow"), u"Open") << name;
    }

    std::vector<uint8_t> bytes = iotest::readFileBytes(coretest::nativeLanguageFixture("Binarish.lang"));
    EXPECT_TRUE(translator.loadFromMemory(bytes.data(), bytes.size()));
    EXPECT_EQ(translated(translator, u"Open"), u"Aufmachen");
    bytes[bytes.size() / 2] ^= 0xFF;
    EXPECT_FALSE(translator.loadFromMemory(bytes.data(), bytes.size()));
    EXPECT_TRUE(translator.isEmpty());
}

TEST(Translator, ReadsTheHeaderWithTheFileTime)
{
    testsupport::TempDir dir;
    ASSERT_TRUE(copyFixture("Binarish.lang", dir, "Binarish.lang"));
    String path = pathIn(dir, "Binarish.lang");
    ASSERT_TRUE(coretest::setFileTime(path, 2023, 5, 6, 7));

    LanguageInfo header = Translator::readHeader(path);
    EXPECT_EQ(u16(header.name), u"Binarish");
    EXPECT_EQ(u16(header.filePath), u16(path));
    EXPECT_EQ(u16(header.englishName), u"Binarish");
    EXPECT_TRUE(header.fileTime == File::lastWriteTime(path, true));
    EXPECT_TRUE(File::lastWriteTime(path, false) == DateTime(2023, 5, 6, 7, 0, 0, 0));

    EXPECT_TRUE(Translator::readHeader(pathIn(dir, "missing.lang")).isEmpty());
    ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(dir, "bad.xml"), iotest::bytesOf("<?xml?><x/>")));
    EXPECT_TRUE(Translator::readHeader(pathIn(dir, "bad.xml")).isEmpty());
}

TEST(Translator, ACompiledLanguageShowsTheSameTexts)
{
    AppCore core(String(u"Reelstack"), String(u"1.2.0"));
    testsupport::TempDir dir;
    // What the language compiler does: keep the escapes, write the binary form.
    LanguageFile source;
    source.setKeepsEscapes(true);
    ASSERT_TRUE(source.loadXml(languageFixture("Testish.xml")));
    LanguageItem* about = source.findItem(String(u"MainWindow/Menu"), String(u"About %app"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(u16(about->translation()), u"\u00dcber %app");
    ASSERT_TRUE(source.saveBinary(pathIn(dir, "Testish.lang")));

    Translator xml;
    ASSERT_TRUE(xml.load(languageFixture("Testish.xml")));
    Translator compiled;
    ASSERT_TRUE(compiled.load(pathIn(dir, "Testish.lang")));
    ASSERT_EQ(compiled.file().count(), xml.file().count());
    for (LanguageItem* item : xml.file().items()) {
        String context = item->context();
        String text = item->source();
        std::u16string expected = translated(xml, u16(text).c_str(), u16(context).c_str());
        EXPECT_EQ(translated(compiled, u16(text).c_str(), u16(context).c_str()), expected)
            << iotest::show(text);
    }
    EXPECT_EQ(translated(compiled, u"About %app", u"MainWindow/Menu"), u"\u00dcber Reelstack");
}
