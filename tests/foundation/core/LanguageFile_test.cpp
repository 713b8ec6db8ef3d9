// Language files in both forms: what the checked-in files hold, the binary
// header's capitals and UTC date, damaged files, and the binary writer.
#include <gtest/gtest.h>

#include "foundation/core/LanguageFile.h"
#include "foundation/data/DataTree.h"
#include "tests/foundation/core/CoreTestSupport.h"
#include "tests/foundation/text/StringTestHelpers.h"

#include <string>
#include <utility>
#include <vector>

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

void addText(DataTreeNode* node, const char* tag, const char16_t* text)
{
    node->addValue(tag)->setString(String(text));
}

DataTreeNode* addItem(DataTreeNode* group, const char16_t* source, const char16_t* translation)
{
    DataTreeNode* item = group->addChild("ITEM");
    addText(item, "CTXT", source);
    addText(item, "TRSN", translation);
    return item;
}

DataTreeNode* addGroup(DataTreeNode* parent, const char16_t* name)
{
    DataTreeNode* group = parent->addChild("GRUP");
    addText(group, "NAME", name);
    return group;
}

// A small valid binary language: one group "Main" with one item.
void buildLanguage(DataTree& tree)
{
    tree.setFileTag(LanguageFile::kFileTag);
    DataTreeNode* header = tree.root()->addChild("HEDR");
    addText(header, "ENGL", u"english");
    addText(header, "NTVL", u"native");
    addItem(addGroup(tree.root()->addChild("GRPS"), u"Main"), u"Yes", u"Ja");
}

bool loadsFromTree(const DataTree& tree, const testsupport::TempDir& dir)
{
    String path = pathIn(dir, "tree.lang");
    if (!tree.save(path))
        return false;
    LanguageFile file;
    bool loaded = file.loadBinary(path);
    // A refused file leaves nothing behind, not even its header.
    EXPECT_EQ(loaded, !file.isEmpty());
    EXPECT_EQ(loaded, !file.header().englishName.isEmpty());
    return loaded;
}

bool loadsFromXml(const std::string& text, const testsupport::TempDir& dir)
{
    std::string native = iotest::nativeIn(dir, "language.xml");
    EXPECT_TRUE(iotest::writeFileBytes(native, iotest::bytesOf(text)));
    LanguageFile file;
    bool loaded = file.loadXml(pathIn(dir, "language.xml"));
    EXPECT_EQ(loaded, !file.isEmpty());
    EXPECT_EQ(loaded, !file.header().nativeName.isEmpty());
    return loaded;
}

std::string xmlLanguage(const std::string& english, const std::string& native, const std::string& groups)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<translation language_english=\"" + english +
           "\" language_native=\"" + native + "\" author=\"a\">" + groups + "</translation>";
}

uint32_t wordAt(const uint8_t* bytes, int index)
{
    const uint8_t* at = bytes + 4 * index;
    return uint32_t(at[0]) | (uint32_t(at[1]) << 8) | (uint32_t(at[2]) << 16) | (uint32_t(at[3]) << 24);
}

} // namespace

TEST(LanguageFile, ReadsTheXmlFormWithItsGroupsAndEscapes)
{
    LanguageFile file;
    ASSERT_TRUE(file.loadXml(languageFixture("Testish.xml")));

    // The XML header is taken as written: no capitals, no date.
    EXPECT_EQ(u16(file.header().englishName), u"testish");
    EXPECT_EQ(u16(file.header().nativeName), u"Testisch");
    EXPECT_EQ(u16(file.header().author), u"Reelstack tests");
    EXPECT_EQ(u16(file.header().name), u"Testish");
    EXPECT_EQ(u16(file.header().filePath), u16(languageFixture("Testish.xml")));
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
    coretest::BerlinTime zone;
    LanguageFile file;
    ASSERT_TRUE(file.loadBinary(languageFixture("Binarish.lang")));

    // Stored as "binarish" and "étude binaire".
    EXPECT_EQ(u16(file.header().englishName), u"Binarish");
    EXPECT_EQ(u16(file.header().nativeName), u"\u00c9tude binaire");
    EXPECT_EQ(u16(file.header().author), u"Reelstack tests");
    EXPECT_EQ(u16(file.header().name), u"Binarish");
    // 12:30:45.250 UTC is 13:30:45.250 in Berlin in March.
    EXPECT_TRUE(file.header().date == DateTime(2024, 3, 15, 13, 30, 45, 250));

    std::vector<Triple> expected = {
        {u"MainWindow", u"Open", u"Aufmachen"},           {u"MainWindow/Menu", u"Quit", u"Beenden\njetzt"},
        {u"MainWindow", u"Close", u"Schlie\u00dfen"},     {u"Dialog", u"%app settings", u""},
        {u"Dialog", u"First\\nSecond", u"Erste\nZweite"}, {u"Dialog", u"Open", u"\u00d6ffnen"},
    };
    EXPECT_EQ(itemsOf(file), expected);

    // The same bytes from memory have no path.
    std::vector<uint8_t> bytes = iotest::readFileBytes(coretest::nativeLanguageFixture("Binarish.lang"));
    LanguageFile fromMemory;
    ASSERT_TRUE(fromMemory.loadBinaryFromMemory(bytes.data(), bytes.size()));
    EXPECT_EQ(itemsOf(fromMemory), expected);
    EXPECT_TRUE(fromMemory.header().filePath.isEmpty());
}

TEST(LanguageFile, RefusesDamagedBinaryFilesWhole)
{
    testsupport::TempDir dir;
    {
        DataTree tree;
        buildLanguage(tree);
        EXPECT_TRUE(loadsFromTree(tree, dir));
    }
    {
        // Another file tag.
        DataTree tree;
        buildLanguage(tree);
        tree.setFileTag(dataTreeTag("RSDB"));
        EXPECT_FALSE(loadsFromTree(tree, dir));
    }
    {
        DataTree tree;
        tree.setFileTag(LanguageFile::kFileTag);
        addItem(addGroup(tree.root()->addChild("GRPS"), u"Main"), u"Yes", u"Ja");
        EXPECT_FALSE(loadsFromTree(tree, dir)) << "no HEDR";
    }
    {
        DataTree tree;
        tree.setFileTag(LanguageFile::kFileTag);
        DataTreeNode* header = tree.root()->addChild("HEDR");
        addText(header, "ENGL", u"english");
        addText(header, "NTVL", u"native");
        EXPECT_FALSE(loadsFromTree(tree, dir)) << "no GRPS";
        tree.root()->addChild("GRPS");
        EXPECT_FALSE(loadsFromTree(tree, dir)) << "no items";
    }
    {
        DataTree tree;
        buildLanguage(tree);
        tree.root()->findChild("HEDR")->findValue("NTVL")->clearData();
        EXPECT_FALSE(loadsFromTree(tree, dir)) << "empty native name";
    }
    {
        // A stray node deep inside a group spoils the whole file.
        DataTree tree;
        buildLanguage(tree);
        DataTreeNode* inner = addGroup(tree.root()->findChild("GRPS")->findChild("GRUP"), u"Inner");
        addItem(inner, u"No", u"Nein");
        EXPECT_TRUE(loadsFromTree(tree, dir));
        inner->addChild("NOTE");
        EXPECT_FALSE(loadsFromTree(tree, dir)) << "unknown node";
    }

    // Truncated and overlong images of a good file.
    DataTree tree;
    buildLanguage(tree);
    ASSERT_TRUE(tree.save(pathIn(dir, "good.lang")));
    std::vector<uint8_t> bytes = iotest::readFileBytes(iotest::nativeIn(dir, "good.lang"));
    LanguageFile file;
    for (size_t size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(file.loadBinaryFromMemory(bytes.data(), size)) << size;
    bytes.push_back(0);
    EXPECT_FALSE(file.loadBinaryFromMemory(bytes.data(), bytes.size()));
    EXPECT_FALSE(file.loadBinaryFromMemory(nullptr, 16));
    EXPECT_FALSE(file.loadBinary(pathIn(dir, "missing.lang")));
}

TEST(LanguageFile, RefusesDamagedXmlFilesWhole)
{
    testsupport::TempDir dir;
    const std::string item = "<item context=\"Yes\" translation=\"Ja\"/>";
    EXPECT_TRUE(
        loadsFromXml(xmlLanguage("e", "n", "<groups><group name=\"g\">" + item + "</group></groups>"), dir));
    // Any element name works for a top-level group; inside, only "group".
    EXPECT_TRUE(
        loadsFromXml(xmlLanguage("e", "n", "<groups><any name=\"g\">" + item + "</any></groups>"), dir));
    EXPECT_FALSE(loadsFromXml(
        xmlLanguage("e", "n", "<groups><group name=\"g\"><note/>" + item + "</group></groups>"), dir));
    EXPECT_FALSE(loadsFromXml(
        xmlLanguage("e", "n", "<groups><group name=\"g\"><any>" + item + "</any></group></groups>"), dir));
    EXPECT_FALSE(
        loadsFromXml(xmlLanguage("e", "", "<groups><group name=\"g\">" + item + "</group></groups>"), dir));
    EXPECT_FALSE(
        loadsFromXml(xmlLanguage("", "n", "<groups><group name=\"g\">" + item + "</group></groups>"), dir));
    EXPECT_FALSE(loadsFromXml(xmlLanguage("e", "n", "<groups><group name=\"g\"/></groups>"), dir));
    EXPECT_FALSE(loadsFromXml(xmlLanguage("e", "n", "<group name=\"g\">" + item + "</group>"), dir));
    EXPECT_FALSE(
        loadsFromXml("<?xml version=\"1.0\"?><groups><group name=\"g\">" + item + "</group></groups>", dir));
    EXPECT_FALSE(loadsFromXml(xmlLanguage("e", "n", "<groups><group name=\"g\">" + item), dir));
    EXPECT_FALSE(loadsFromXml("LANG this is not XML", dir));

    // A failed load also throws away what an earlier load brought.
    LanguageFile file;
    ASSERT_TRUE(file.loadXml(languageFixture("Testish.xml")));
    EXPECT_FALSE(file.loadXml(pathIn(dir, "missing.xml")));
    EXPECT_TRUE(file.isEmpty());
    EXPECT_TRUE(file.header().englishName.isEmpty());
    EXPECT_TRUE(file.header().filePath.isEmpty());
}

TEST(LanguageFile, WritesTheBinaryFormThatReadsBack)
{
    coretest::BerlinTime zone;
    testsupport::TempDir dir;
    LanguageFile source;
    source.setKeepsEscapes(true);
    ASSERT_TRUE(source.loadXml(languageFixture("Testish.xml")));
    source.setDate(DateTime(2024, 7, 1, 12, 0, 0, 5));
    ASSERT_TRUE(source.saveBinary(pathIn(dir, "Testish.lang")));

    // The header in the file: names as given, the date in UTC.
    DataTree tree;
    tree.setFileTag(LanguageFile::kFileTag);
    ASSERT_TRUE(tree.load(pathIn(dir, "Testish.lang")));
    DataTreeNode* header = tree.root()->findChild("HEDR");
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(u16(header->findValue("ENGL")->toString()), u"testish");
    DataTreeValue* date = header->findValue("DATE");
    ASSERT_NE(date, nullptr);
    ASSERT_EQ(date->dataSize(), 28u);
    std::vector<uint32_t> fields;
    for (int i = 0; i < 7; ++i)
        fields.push_back(wordAt(date->data(), i));
    EXPECT_EQ(fields, (std::vector<uint32_t>{2024, 7, 1, 10, 0, 0, 5}));

    // One group per path segment, shared by the items of one context even
    // where the file interleaves them with a nested group.
    DataTreeNode* groups = tree.root()->findChild("GRPS");
    ASSERT_NE(groups, nullptr);
    ASSERT_EQ(groups->children().count(), 2);
    DataTreeNode* main = groups->findChild("GRUP", 0);
    EXPECT_EQ(u16(main->findValue("NAME")->toString()), u"MainWindow");
    EXPECT_EQ(main->children().count(), 4); // three items and "Menu"
    DataTreeNode* user = groups->findChild("GRUP", 1);
    EXPECT_EQ(u16(user->findValue("NAME")->toString()), u"UserInterface");
    EXPECT_EQ(u16(user->findChild("GRUP")->findValue("NAME")->toString()), u"UILineEdit");

    // Read back with escapes resolved, it says what the XML file says.
    LanguageFile xml;
    ASSERT_TRUE(xml.loadXml(languageFixture("Testish.xml")));
    LanguageFile binary;
    ASSERT_TRUE(binary.loadBinary(pathIn(dir, "Testish.lang")));
    EXPECT_EQ(u16(binary.header().englishName), u"Testish");
    EXPECT_TRUE(binary.header().date == DateTime(2024, 7, 1, 12, 0, 0, 5));
    ASSERT_EQ(binary.count(), xml.count());
    for (LanguageItem* item : xml.items()) {
        LanguageItem* twin = binary.findItem(item->context(), item->source());
        ASSERT_NE(twin, nullptr) << iotest::show(item->source());
        EXPECT_EQ(u16(twin->translation()), u16(item->translation()));
    }

    // Empty contexts and empty segments survive the grouping.
    LanguageFile odd;
    odd.setEnglishName(String(u"e"));
    odd.setNativeName(String(u"n"));
    ASSERT_TRUE(odd.addItem(String(), String(u"a"), String(u"1")));
    ASSERT_TRUE(odd.addItem(String(u"x//y/"), String(u"b"), String(u"2")));
    ASSERT_TRUE(odd.saveBinary(pathIn(dir, "odd.lang")));
    LanguageFile oddBack;
    ASSERT_TRUE(oddBack.loadBinary(pathIn(dir, "odd.lang")));
    std::vector<Triple> expected = {{u"", u"a", u"1"}, {u"x//y/", u"b", u"2"}};
    EXPECT_EQ(itemsOf(oddBack), expected);

    // Groups nested as deep as a file can be read back, and no deeper.
    String deepest(u"g");
    for (int level = 1; level < LanguageFile::kMaxGroupDepth; ++level)
        deepest += String(u"/g");
    ASSERT_TRUE(odd.addItem(deepest, String(u"c"), String(u"3")));
    ASSERT_TRUE(odd.saveBinary(pathIn(dir, "deep.lang")));
    ASSERT_TRUE(oddBack.loadBinary(pathIn(dir, "deep.lang")));
    EXPECT_NE(oddBack.findItem(deepest, String(u"c")), nullptr);
    ASSERT_TRUE(odd.addItem(deepest + String(u"/g"), String(u"d"), String(u"4")));
    EXPECT_FALSE(odd.saveBinary(pathIn(dir, "deep.lang")));
    EXPECT_TRUE(oddBack.loadBinary(pathIn(dir, "deep.lang")));
}

TEST(LanguageFile, EditsAndCountsItems)
{
    LanguageFile file;
    EXPECT_TRUE(file.addItem(String(u"Main"), String(u"Open"), String(u"\u00d6ffnen")));
    EXPECT_TRUE(file.addItem(String(u"Main"), String(u"Close"), String(u"Jetzt  schlie\u00dfen ")));
    EXPECT_TRUE(file.addItem(String(u"Menu"), String(u"Open"), String()));
    EXPECT_FALSE(file.addItem(String(u"Main"), String(u"Open"), String(u"again")));
    EXPECT_EQ(file.count(), 3);
    EXPECT_EQ(file.wordCount(), 3);
    EXPECT_EQ(file.characterCount(), 6 + 17);
    EXPECT_EQ(items(file.sourceListing()), (Items{u"[Main]", u"Open", u"Close", u"[Menu]", u"Open"}));
    EXPECT_TRUE(file.duplicates().isEmpty());

    EXPECT_TRUE(file.removeItem(String(u"Main"), String(u"Open")));
    EXPECT_FALSE(file.removeItem(String(u"Main"), String(u"Open")));
    EXPECT_EQ(file.findItem(String(u"Main"), String(u"Open")), nullptr);
    ASSERT_NE(file.findItem(String(u"Menu"), String(u"Open")), nullptr);

    // A file may hold the same text twice in one context; both are listed.
    testsupport::TempDir dir;
    DataTree tree;
    buildLanguage(tree);
    DataTreeNode* main = tree.root()->findChild("GRPS")->findChild("GRUP");
    addItem(main, u"No", u"Nein");
    addItem(main, u"Yes", u"Jawohl");
    ASSERT_TRUE(tree.save(pathIn(dir, "twins.lang")));
    LanguageFile twins;
    ASSERT_TRUE(twins.loadBinary(pathIn(dir, "twins.lang")));
    std::vector<std::u16string> listed;
    for (LanguageItem* item : twins.duplicates())
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
