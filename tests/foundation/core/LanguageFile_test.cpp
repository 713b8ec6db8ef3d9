// Language files in both forms: what the checked-in files hold, the binary
// header's capitals and UTC date, damaged files, and the binary writer.
#include <gtest/gtest.h>

#include "foundation/core/AppCore.h"
#include "foundation/core/LanguageFile.h"
#include "foundation/core/Translator.h"
#include "foundation/data/DataTree.h"
#include "tests/foundation/core/CoreTestSupport.h"

using coretest::languageFixture;
using iotest::pathIn;

namespace {

using Triple = std::vector<std::u16string>;

// Context, source and translation of every item, in file order.
std::vector<Triple> itemsOf(const LanguageFile& file)
{
    std::vector<Triple> result;
    for (LanguageItem* item : file.items())
        result.push_back({u16(item->context()), u16(item->source()), u16(item->translation())});
    return result;
}

DataTreeNode* addNode(DataTreeNode* parent, const char* tag, const char* textTag, const char16_t* text)
{
    DataTreeNode* node = parent->addChild(tag);
    node->addValue(textTag)->setString(String(text));
    return node;
}

// A small valid binary language, one group "Main" with one item "Yes" (and
// more when asked), or that language without one of its parts.
DataTreeNode* buildLanguage(DataTree& tree, bool withHeader = true, bool withGroups = true, int items = 1)
{
    tree.setFileTag(LanguageFile::kFileTag);
    if (withHeader)
        addNode(tree.root(), "HEDR", "ENGL", u"english")->addValue("NTVL")->setString(String(u"native"));
    DataTreeNode* group =
        withGroups ? addNode(tree.root()->addChild("GRPS"), "GRUP", "NAME", u"Main") : nullptr;
    for (int i = 0; i < items; ++i)
        addNode(group, "ITEM", "CTXT", u"Yes")
            ->addValue("TRSN")
            ->setString(String(i == 0 ? u"Ja" : u"Jawohl"));
    return group;
}

// Whether the file loads; a refused file leaves nothing behind, not even its header.
bool loads(const testsupport::TempDir& dir, const DataTree* tree, const std::string& xml = std::string())
{
    LanguageFile file;
    bool loaded = tree ? tree->save(pathIn(dir, "tree.lang")) && file.loadBinary(pathIn(dir, "tree.lang"))
                       : iotest::writeFileBytes(iotest::nativeIn(dir, "l.xml"), iotest::bytesOf(xml)) &&
                             file.loadXml(pathIn(dir, "l.xml"));
    EXPECT_EQ(loaded, !file.isEmpty() && !file.header().nativeName.isEmpty());
    return loaded;
}

} // namespace

TEST(LanguageFile, ReadsTheXmlFormWithItsGroupsAndEscapes)
{
    LanguageFile file;
    ASSERT_TRUE(file.loadXml(languageFixture("Testish.xml")));
    // The XML header is taken as written: no capitals, no date.
    EXPECT_EQ(u16(file.header().englishName), u"testish");
    EXPECT_TRUE(file.header().date.isNull());
    std::vector<Triple> expected = {
        {u"MainWindow", u"&File", u"&Datei"},
        {u"MainWindow", u"Open", u"\u00d6ffnen"},
        {u"MainWindow/Menu", u"Open", u"\u00d6ffnen\u2026"},
        // No application core: "%app" has no product name to show.
        {u"MainWindow/Menu", u"About %app", u"\u00dcber "},
        // An item after a nested group belongs to the outer group again.
        {u"MainWindow", u"^ of ^ movies", u"^ von ^ Filmen"},
        {u"UserInterface/UILineEdit", u"Copy", u"Kopieren"},
        {u"UserInterface/UILineEdit", u"Line one|Line two", u"Zeile eins\nZeile zwei"},
        {u"UserInterface/UILineEdit", u"Nothing|to translate", u""},
        {u"UserInterface/UILineEdit", u"Tab", u"Tabulator\n"},
    };
    EXPECT_EQ(itemsOf(file), expected);
    EXPECT_EQ(file.items().first()->value->id(), (String(u"&File") + String(u"MainWindow")).hash64());
}

TEST(LanguageFile, ReadsTheBinaryFormWithCapitalsAndTheDateInLocalTime)
{
    BerlinTime zone;
    std::vector<uint8_t> bytes = iotest::readFileBytes(coretest::nativeLanguageFixture("Binarish.lang"));
    LanguageFile file;
    ASSERT_TRUE(file.loadBinaryFromMemory(bytes.data(), bytes.size()));
    // Stored as "binarish" and "étude binaire".
    EXPECT_EQ(u16(file.header().englishName), u"Binarish");
    EXPECT_EQ(u16(file.header().nativeName), u"\u00c9tude binaire");
    // 12:30:45.250 UTC is 13:30:45.250 in Berlin in March.
    EXPECT_TRUE(file.header().date == DateTime(2024, 3, 15, 13, 30, 45, 250));
    std::vector<Triple> expected = {
        {u"MainWindow", u"Open", u"Aufmachen"},           {u"MainWindow/Menu", u"Quit", u"Beenden\njetzt"},
        {u"MainWindow", u"Close", u"Schlie\u00dfen"},     {u"Dialog", u"%app settings", u""},
        {u"Dialog", u"First\\nSecond", u"Erste\nZweite"}, {u"Dialog", u"Open", u"\u00d6ffnen"},
    };
    EXPECT_EQ(itemsOf(file), expected);
}

TEST(LanguageFile, RefusesDamagedBinaryFilesWhole)
{
    testsupport::TempDir dir;
    DataTree good, noHeader, noGroups, noItems, noName, stray;
    buildLanguage(good);
    buildLanguage(noHeader, false);
    buildLanguage(noGroups, true, false, 0);
    buildLanguage(noItems, true, true, 0);
    buildLanguage(noName);
    noName.root()->findChild("HEDR")->findValue("NTVL")->clearData();
    // A stray node deep inside a group spoils the whole file.
    addNode(buildLanguage(stray), "GRUP", "NAME", u"Inner")->addChild("NOTE");
    EXPECT_TRUE(loads(dir, &good));
    int row = 0;
    for (const DataTree* tree : {&noHeader, &noGroups, &noItems, &noName, &stray})
        EXPECT_FALSE(loads(dir, tree)) << "row " << row++;

    // The tree reader refuses other file tags, cut and overlong images.
    LanguageFile file;
    EXPECT_FALSE(file.loadBinaryFromMemory(nullptr, 16));
}

TEST(LanguageFile, RefusesDamagedXmlFilesWhole)
{
    testsupport::TempDir dir;
    const std::string head =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<translation language_english=\"e\" ";
    const std::string names = head + "language_native=\"n\">";
    const std::string item = "<item context=\"Yes\" translation=\"Ja\"/>";
    // Any element name works for a top-level group; inside, only "group".
    EXPECT_TRUE(
        loads(dir, nullptr, names + "<groups><any name=\"g\">" + item + "</any></groups></translation>"));
    int row = 0;
    for (const std::string& text :
         {names + "<groups><group name=\"g\"><note/>" + item + "</group></groups></translation>",
          names + "<groups><group name=\"g\"><any>" + item + "</any></group></groups></translation>",
          head + "language_native=\"\"><groups><group name=\"g\">" + item + "</group></groups></translation>",
          names + "<groups><group name=\"g\"/></groups></translation>",
          names + "<group name=\"g\">" + item + "</group></translation>",
          names + "<groups><group name=\"g\">" + item,
          "<?xml version=\"1.0\"?><groups><group name=\"g\">" + item + "</group></groups>",
          std::string("LANG this is not XML")})
        EXPECT_FALSE(loads(dir, nullptr, text)) << "row " << row++;

    // A failed load also throws away what an earlier load brought.
    LanguageFile file;
    ASSERT_TRUE(file.loadXml(languageFixture("Testish.xml")));
    EXPECT_FALSE(file.loadXml(pathIn(dir, "missing.xml")));
    EXPECT_TRUE(file.isEmpty() && file.header().englishName.isEmpty() && file.header().filePath.isEmpty());
}

TEST(LanguageFile, WritesTheBinaryFormThatReadsBack)
{
    BerlinTime zone;
    AppCore core(String(u"Reelstack"), String(u"1.2.0"));
    testsupport::TempDir dir;
    LanguageFile source;
    source.setKeepsEscapes(true);
    ASSERT_TRUE(source.loadXml(languageFixture("Testish.xml")));
    EXPECT_EQ(u16(source.findItem(String(u"MainWindow/Menu"), String(u"About %app"))->translation()),
              u"\u00dcber %app");
    source.setDate(DateTime(2024, 7, 1, 12, 0, 0, 5));
    ASSERT_TRUE(source.saveBinary(pathIn(dir, "Testish.lang")));

    // The date in the file is in UTC. One group per path segment, shared by
    // the items of one context even where the file interleaves them with a
    // nested group: "MainWindow" holds three items and "Menu".
    DataTree tree;
    tree.setFileTag(LanguageFile::kFileTag);
    ASSERT_TRUE(tree.load(pathIn(dir, "Testish.lang")));
    DataTreeValue* date = tree.root()->findChild("HEDR")->findValue("DATE");
    const uint8_t utc[] = {0xE8, 7, 0, 0, 7, 0, 0, 0, 1, 0, 0, 0, 10, 0,
                           0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0,  0};
    ASSERT_EQ(date->dataSize(), 28u);
    EXPECT_EQ(std::vector<uint8_t>(date->data(), date->data() + 28), std::vector<uint8_t>(utc, utc + 28));
    EXPECT_EQ(tree.root()->findChild("GRPS")->children().count(), 2);
    EXPECT_EQ(tree.root()->findChild("GRPS")->findChild("GRUP")->children().count(), 4);

    // What the language compiler does: with the escapes kept in the file, the
    // compiled file shows every text as the XML file does.
    Translator xml;
    Translator compiled;
    ASSERT_TRUE(xml.load(languageFixture("Testish.xml")) && compiled.load(pathIn(dir, "Testish.lang")));
    EXPECT_TRUE(compiled.file().header().date == DateTime(2024, 7, 1, 12, 0, 0, 5));
    ASSERT_EQ(compiled.file().count(), xml.file().count());
    for (LanguageItem* item : xml.file().items()) {
        const std::u16string text = u16(item->source()), context = u16(item->context());
        String shown, expected;
        compiled.translate(shown, text.c_str(), context.c_str());
        xml.translate(expected, text.c_str(), context.c_str());
        EXPECT_EQ(u16(shown), u16(expected)) << iotest::show(item->source());
    }

    // Empty contexts and empty segments survive the grouping; groups nest as
    // deep as a file can be read back, and no deeper.
    LanguageFile odd;
    odd.setEnglishName(String(u"e"));
    odd.setNativeName(String(u"n"));
    String deepest(u"g");
    for (int level = 1; level < LanguageFile::kMaxGroupDepth; ++level)
        deepest += String(u"/g");
    ASSERT_TRUE(odd.addItem(String(), String(u"a"), String(u"1")) &&
                odd.addItem(String(u"x//y/"), String(u"b"), String(u"2")) &&
                odd.addItem(deepest, String(u"c"), String(u"3")));
    ASSERT_TRUE(odd.saveBinary(pathIn(dir, "odd.lang")));
    LanguageFile oddBack;
    ASSERT_TRUE(oddBack.loadBinary(pathIn(dir, "odd.lang")));
    std::vector<Triple> expected = {{u"", u"a", u"1"}, {u"x//y/", u"b", u"2"}, {u16(deepest), u"c", u"3"}};
    EXPECT_EQ(itemsOf(oddBack), expected);
    ASSERT_TRUE(odd.addItem(deepest + String(u"/g"), String(u"d"), String(u"4")));
    EXPECT_FALSE(odd.saveBinary(pathIn(dir, "odd.lang")));
    EXPECT_TRUE(oddBack.loadBinary(pathIn(dir, "odd.lang")));
}

TEST(LanguageFile, EditsAndCountsItems)
{
    LanguageFile file;
    EXPECT_TRUE(file.addItem(String(u"Main"), String(u"Open"), String(u"\u00d6ffnen")));
    EXPECT_TRUE(file.addItem(String(u"Main"), String(u"Close"), String(u"Jetzt  schlie\u00dfen ")));
    EXPECT_TRUE(file.addItem(String(u"Menu"), String(u"Open"), String()));
    EXPECT_FALSE(file.addItem(String(u"Main"), String(u"Open"), String(u"again")));
    EXPECT_EQ(file.wordCount() * 100 + file.characterCount(), 3 * 100 + 6 + 17);
    EXPECT_EQ(items(file.sourceListing()), (Items{u"[Main]", u"Open", u"Close", u"[Menu]", u"Open"}));
    EXPECT_TRUE(file.removeItem(String(u"Main"), String(u"Open")) &&
                !file.removeItem(String(u"Main"), String(u"Open")));
    // A file may hold the same text twice in one context; both are listed.
    testsupport::TempDir dir;
    DataTree tree;
    buildLanguage(tree, true, true, 2);
    ASSERT_TRUE(tree.save(pathIn(dir, "twins.lang")) && file.loadBinary(pathIn(dir, "twins.lang")));
    std::vector<std::u16string> listed;
    for (LanguageItem* item : file.duplicates())
        listed.push_back(u16(item->translation()));
    EXPECT_EQ(listed, (std::vector<std::u16string>{u"Ja", u"Jawohl"}));
}

// Found by fuzzing: a group name holding "/" and zero units read back with a
// different context after a save. Texts end at their first zero unit, so
// whatever loads saves and reads back the same.
TEST(LanguageFile, TextsEndAtTheirFirstZeroUnitSoLoadedFilesRoundTrip)
{
    testsupport::TempDir dir;
    DataTree tree;
    buildLanguage(tree);
    DataTreeNode* groups = tree.root()->findChild("GRPS");
    const uint8_t name[] = {'D', 'i', 'a', 0, '/', 0};
    DataTreeNode* group = groups->addChild("GRUP");
    group->addValue("NAME")->setBytes(name, sizeof name);
    DataTreeNode* item = group->addChild("ITEM");
    const uint8_t source[] = {'O', 'k', 0, 'x'};
    item->addValue("CTXT")->setBytes(source, sizeof source);
    item->addValue("TRSN")->setString(String(u"Gut"));
    item->addValue("XTRA")->setString(String(u"unknown tags are ignored"));
    ASSERT_TRUE(tree.save(pathIn(dir, "zero.lang")));

    LanguageFile file;
    file.setKeepsEscapes(true);
    ASSERT_TRUE(file.loadBinary(pathIn(dir, "zero.lang")));
    std::vector<Triple> expected = {{u"Main", u"Yes", u"Ja"}, {u"Dia", u"Ok", u"Gut"}};
    EXPECT_EQ(itemsOf(file), expected);
    ASSERT_TRUE(file.saveBinary(pathIn(dir, "back.lang")));
    LanguageFile back;
    back.setKeepsEscapes(true);
    ASSERT_TRUE(back.loadBinary(pathIn(dir, "back.lang")));
    EXPECT_EQ(itemsOf(back), expected);
}
