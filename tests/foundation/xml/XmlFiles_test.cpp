// The configuration is saved at every exit and read at every start; a file in
// the wrong form, a save that truncates the old file before the new one is
// whole, or a damaged file read as good would each cost the user settings.
#include <gtest/gtest.h>

#include "foundation/xml/XmlDocument.h"
#include "tests/foundation/xml/XmlTestText.h"
#include "tests/support/TestSupport.h"
#include "tests/support/TestText.h"

#include <filesystem>
#include <string>

namespace {

using testsupport::text;

std::string readBytes(const std::string& path)
{
    std::vector<uint8_t> bytes = testsupport::readFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    ASSERT_TRUE(testsupport::writeFileBytes(path, std::vector<uint8_t>(bytes.begin(), bytes.end())));
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

TEST(XmlFiles, SavesTheDocumentedBytesInBothEncodingsAndReadsThemBack)
{
    testsupport::TempDir dir;
    XmlDocument document;
    fillAnswer(document);
    const std::u16string body = u"<answer>\r\n"
                                u"    <version>1.2.1</version>\r\n"
                                u"    <author name=\"J\u00f6rg &amp; Co\"/>\r\n"
                                u"</answer>\r\n";
    const std::string expected[] = {
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
        "<answer>\r\n    <version>1.2.1</version>\r\n    <author name=\"J\xC3\xB6rg &amp; "
        "Co\"/>\r\n</answer>\r\n",
        "\xFF\xFE" + utf16Bytes(u"<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n" + body)};
    for (int encoding : {3, 4}) {
        std::string path = dir.file("answer.xml");
        ASSERT_TRUE(document.save(text(path), encoding));
        EXPECT_EQ(readBytes(path), expected[encoding - 3]);
        XmlDocument back;
        back.root().addChild(u"previous");
        ASSERT_TRUE(back.loadFromFile(text(path), encoding)) << encoding;
        EXPECT_EQ(back.root().children().count(), 1);
        EXPECT_EQ(u16(back.findElement(u"answer/author")->attribute(u"name")), u"J\u00f6rg & Co");
        // Read in the other encoding, the same bytes are no XML text at all.
        EXPECT_FALSE(back.loadFromFile(text(path), encoding == 3 ? 4 : 3));
        EXPECT_TRUE(back.isEmpty());
    }
}

TEST(XmlFiles, AFailedLoadLeavesTheDocumentEmpty)
{
    testsupport::TempDir dir;
    XmlDocument source;
    fillAnswer(source);
    ASSERT_TRUE(source.save(text(dir.file("good.xml")), 3));
    std::string whole = readBytes(dir.file("good.xml"));
    writeBytes(dir.file("empty.xml"), "");
    writeBytes(dir.file("mark.xml"), "\xEF\xBB\xBF");
    writeBytes(dir.file("cut.xml"), whole.substr(0, whole.size() - 12));
    // Each row: a file (none: no name) and the encoding asked for.
    const char* files[] = {"",         "good.xml",  "good.xml", "good.xml", "good.xml",
                           "none.xml", "empty.xml", "mark.xml", "cut.xml"};
    const int encodings[] = {3, 1, 2, 0, 5, 3, 3, 3, 3};
    for (int i = 0; i < 9; ++i) {
        XmlDocument document;
        fillAnswer(document);
        EXPECT_FALSE(document.loadFromFile(*files[i] ? text(dir.file(files[i])) : String(), encodings[i]))
            << "row " << i;
        EXPECT_TRUE(document.isEmpty()) << "row " << i;
    }
}

TEST(XmlFiles, AFailedSaveKeepsTheOldFile)
{
    testsupport::TempDir dir;
    std::string path = dir.file("config.dat");
    const std::string old = "old settings that are longer than the new ones will be, by some way";
    writeBytes(path, old);
    // A tree too deep to write is refused before the old file is touched.
    XmlDocument tooDeep;
    XmlElement* element = &tooDeep.root();
    for (int depth = 0; depth <= XmlDocument::kMaxDepth; ++depth)
        element = element->addChild(u"d");
    EXPECT_FALSE(tooDeep.save(text(path), 3));
    EXPECT_EQ(readBytes(path), old);

    XmlDocument document;
    document.root().addChild(u"groups");
    EXPECT_FALSE(
        document.save(text((std::filesystem::path(dir.path()) / "missing" / "config.dat").string()), 3));
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
    // A good save replaces the whole old file and leaves nothing beside it.
    ASSERT_TRUE(document.save(text(path), 3));
    EXPECT_EQ(readBytes(path), "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<groups/>\r\n");
    auto entries = std::filesystem::directory_iterator(dir.path());
    EXPECT_EQ(std::distance(std::filesystem::begin(entries), std::filesystem::end(entries)), 1);
}
