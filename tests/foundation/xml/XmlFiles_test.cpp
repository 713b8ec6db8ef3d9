// The configuration is saved at every exit and read at every start; a file in
// the wrong form, a save that truncates the old file before the new one is
// whole, or a damaged file read as good would each cost the user settings.
#include <gtest/gtest.h>

#include "foundation/xml/XmlDocument.h"
#include "tests/foundation/xml/XmlTestText.h"
#include "tests/support/TestSupport.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

String pathOf(const std::string& path)
{
    return String::fromUtf8(path.data(), int(path.size()));
}

std::string readBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
}

std::string utf16Bytes(const std::u16string& units)
{
    std::string bytes;
    for (char16_t unit : units) {
        bytes += char(unit & 0xFF);
        bytes += char(unit >> 8);
    }
    return bytes;
}

void fillAnswer(XmlDocument& document)
{
    XmlElement* answer = document.root().addChild(u"answer");
    answer->addChild(u"version")->setValue(u"1.2.1");
    answer->addChild(u"author")->addAttribute(u"name", u"J\u00f6rg & Co");
}

} // namespace

TEST(XmlFiles, SavesTheDocumentedBytesInBothEncodings)
{
    testsupport::TempDir dir;
    XmlDocument document;
    fillAnswer(document);

    std::string utf8Path = dir.file("answer8.xml");
    ASSERT_TRUE(document.save(pathOf(utf8Path), 3));
    EXPECT_EQ(readBytes(utf8Path), "\xEF\xBB\xBF"
                                   "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                                   "<answer>\r\n"
                                   "    <version>1.2.1</version>\r\n"
                                   "    <author name=\"J\xC3\xB6rg &amp; Co\"/>\r\n"
                                   "</answer>\r\n");

    std::string utf16Path = dir.file("answer16.xml");
    ASSERT_TRUE(document.save(pathOf(utf16Path), 4));
    EXPECT_EQ(readBytes(utf16Path), "\xFF\xFE" + utf16Bytes(u"<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n"
                                                            u"<answer>\r\n"
                                                            u"    <version>1.2.1</version>\r\n"
                                                            u"    <author name=\"J\u00f6rg &amp; Co\"/>\r\n"
                                                            u"</answer>\r\n"));
}

TEST(XmlFiles, ReadsBackWhatItSavedInBothEncodings)
{
    testsupport::TempDir dir;
    XmlDocument document;
    fillAnswer(document);
    String expected;
    ASSERT_TRUE(document.toString(expected));

    for (int encoding : {3, 4}) {
        std::string path = dir.file("answer.xml");
        ASSERT_TRUE(document.save(pathOf(path), encoding));
        XmlDocument back;
        back.root().addChild(u"previous");
        ASSERT_TRUE(back.loadFromFile(pathOf(path), encoding)) << encoding;
        EXPECT_EQ(back.root().children().count(), 1);
        String written;
        ASSERT_TRUE(back.toString(written));
        EXPECT_EQ(text(written), text(expected));
        // Read in the other encoding, the same bytes are no XML text at all.
        EXPECT_FALSE(back.loadFromFile(pathOf(path), encoding == 3 ? 4 : 3));
        EXPECT_TRUE(back.isEmpty());
    }
}

TEST(XmlFiles, AFailedLoadLeavesTheDocumentEmpty)
{
    testsupport::TempDir dir;
    std::string good = dir.file("good.xml");
    XmlDocument source;
    fillAnswer(source);
    ASSERT_TRUE(source.save(pathOf(good), 3));
    std::string whole = readBytes(good);

    std::string empty = dir.file("empty.xml");
    writeBytes(empty, "");
    std::string markOnly = dir.file("mark.xml");
    writeBytes(markOnly, "\xEF\xBB\xBF");
    std::string cut = dir.file("cut.xml");
    writeBytes(cut, whole.substr(0, whole.size() - 12));

    struct Case
    {
        String path;
        int encoding;
    };
    const Case cases[] = {
        {String(), 3},      {pathOf(good), 1},     {pathOf(good), 2},
        {pathOf(good), 0},  {pathOf(good), 5},     {pathOf(dir.file("none.xml")), 3},
        {pathOf(empty), 3}, {pathOf(markOnly), 3}, {pathOf(cut), 3},
    };
    for (const Case& c : cases) {
        XmlDocument document;
        fillAnswer(document);
        EXPECT_FALSE(document.loadFromFile(c.path, c.encoding)) << text(c.path).size() << " " << c.encoding;
        EXPECT_TRUE(document.isEmpty());
    }
    XmlDocument document;
    EXPECT_TRUE(document.loadFromFile(pathOf(good), 3));
}

TEST(XmlFiles, AFailedSaveKeepsTheOldFile)
{
    testsupport::TempDir dir;
    std::string path = dir.file("config.dat");
    writeBytes(path, "old settings that are longer than the new ones will be, by some way");

    // A tree too deep to write is refused before the old file is touched.
    XmlDocument tooDeep;
    XmlElement* element = &tooDeep.root();
    for (int depth = 0; depth <= XmlDocument::kMaxDepth; ++depth)
        element = element->addChild(u"d");
    EXPECT_FALSE(tooDeep.save(pathOf(path), 3));
    EXPECT_EQ(readBytes(path), "old settings that are longer than the new ones will be, by some way");

    XmlDocument document;
    document.root().addChild(u"groups");
    EXPECT_FALSE(
        document.save(pathOf((std::filesystem::path(dir.path()) / "missing" / "config.dat").string()), 3));
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));

    // A good save replaces the whole old file and leaves nothing beside it.
    ASSERT_TRUE(document.save(pathOf(path), 3));
    EXPECT_EQ(readBytes(path), "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<groups/>\r\n");
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}
