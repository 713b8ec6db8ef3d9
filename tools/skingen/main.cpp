// skingen: draws the program's skins and cursors from the tables of a source
// folder (assets/skin).
//   skingen SOURCE OUT
// writes OUT/white.style (the look users see), OUT/test.style (every frame of
// every skin image one flat colour, for the widget tests), and below OUT/data
// the data archive's window icons and the windows' line icons ("images") and
// cursors ("cursors").
// Exits 0 on success, 1 with a message on failure, 2 on bad usage.
#include "graphics/codecs/PngWriter.h"
#include "tools/skingen/IconPainter.h"
#include "tools/skingen/SkinPictures.h"
#include "tools/skingen/SkinSource.h"
#include "tools/skingen/SkinXml.h"
#include "tools/skingen/StyleArchiveWriter.h"
#include "tools/skingen/TestSkinColors.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

int fail(const std::string& message)
{
    std::fprintf(stderr, "skingen: %s\n", message.c_str());
    return 1;
}

String wide(const std::string& text)
{
    return String::fromUtf8(text.data(), static_cast<int>(text.size()));
}

// Every flat colour of the test skin must name one frame or property.
bool testColorsUnique(const SkinSource& source, std::string& clash)
{
    std::set<uint32_t> seen;
    auto take = [&](const Color& c, const std::string& what) {
        if (seen.insert(c.value()).second)
            return true;
        clash = what;
        return false;
    };
    for (const SkinSource::Skin& s : source.skins()) {
        for (int frame = 0; frame < s.frames; ++frame) {
            if (!take(testSkinFrameColor(wide(s.name), frame), s.name + " frame " + std::to_string(frame)))
                return false;
        }
    }
    for (const SkinSource::Picture& p : source.pictures()) {
        if (!take(testSkinFrameColor(wide(p.name), 0), p.name))
            return false;
    }
    for (const SkinSource::Model& m : source.models()) {
        for (const SkinSource::Property& p : m.properties) {
            if (SkinSource::isColorKind(p.kind) &&
                !take(testStyleColor(wide(p.style), wide(p.name)), p.style + "." + p.name))
                return false;
        }
    }
    return true;
}

bool buildStyle(const SkinSource& source, bool test, const std::string& out, std::string& error)
{
    const std::string name = test ? "test.style" : "white.style";
    const SkinPictures pictures(source);
    StyleArchiveWriter writer(out + "/" + (test ? "test" : "white"));
    for (const SkinSource::Picture& p : source.pictures()) {
        if (p.inData)
            continue;
        const Image image = test ? SkinPictures::testPicture(p) : pictures.picture(p);
        if (image.isNull() || !writer.add("images", p.name + ".png", PngWriter::encode(image))) {
            error = name + ": cannot draw the picture " + p.name;
            return false;
        }
    }
    for (const SkinSource::Skin& s : source.skins()) {
        const Image image = test ? SkinPictures::testSkin(s) : pictures.skin(s);
        if (image.isNull() || !writer.add("skins", s.name + ".png", PngWriter::encode(image))) {
            error = name + ": cannot draw the skin image " + s.name;
            return false;
        }
    }
    if (!writer.addText("xml", "skins.xml", SkinXml::skins(source)) ||
        !writer.addText("xml", "models.xml", SkinXml::models(source, test)) ||
        !writer.addText("xml", "metrics.xml", SkinXml::metrics(source, test)) ||
        !writer.save(out + "/" + name)) {
        error = "cannot write " + out + "/" + name;
        return false;
    }
    return true;
}

// A Windows icon file holding PNG pictures, largest last: its directory of
// little-endian records, then the pictures.
ByteArray iconFile(const std::vector<Image>& images)
{
    ByteArray file;
    auto add16 = [&file](int value) {
        file.appendByte(uint8_t(value));
        file.appendByte(uint8_t(value >> 8));
    };
    auto add32 = [&](uint32_t value) {
        add16(int(value & 0xFFFF));
        add16(int(value >> 16));
    };
    add16(0);
    add16(1);
    add16(int(images.size()));
    std::vector<ByteArray> encoded;
    for (const Image& image : images)
        encoded.push_back(PngWriter::encode(image));
    uint32_t offset = uint32_t(6 + 16 * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        file.appendByte(uint8_t(images[i].width() >= 256 ? 0 : images[i].width()));
        file.appendByte(uint8_t(images[i].height() >= 256 ? 0 : images[i].height()));
        file.appendByte(0); // no palette
        file.appendByte(0);
        add16(1);  // planes
        add16(32); // bits per pixel
        add32(uint32_t(encoded[i].size()));
        add32(offset);
        offset += uint32_t(encoded[i].size());
    }
    for (const ByteArray& picture : encoded)
        file.append(picture);
    return file;
}

// The windows' icons and the skin images they load with grids of their own,
// into the data archive's "images".
bool buildIcons(const SkinSource& source, const std::string& out, std::string& error)
{
    const SkinPictures pictures(source);
    for (const SkinSource::Skin& s : source.dataSkins()) {
        const Image image = pictures.skin(s);
        if (image.isNull() || !StyleArchiveWriter::writeFile(out + "/data/images/" + s.name + ".png",
                                                             PngWriter::encode(image))) {
            error = "cannot draw the data skin " + s.name;
            return false;
        }
    }
    const IconPainter painter(source);
    for (const SkinSource::Icon& icon : source.icons()) {
        const Image image = painter.draw(icon);
        if (image.isNull() || !StyleArchiveWriter::writeFile(out + "/data/images/" + icon.name + ".png",
                                                             PngWriter::encode(image))) {
            error = "cannot draw the icon " + icon.name + " (motif " + icon.motif + ")";
            return false;
        }
    }
    return true;
}

bool buildData(const SkinSource& source, const std::string& out, std::string& error)
{
    const SkinPictures pictures(source);
    std::vector<Image> icons;
    for (const SkinSource::Picture& p : source.pictures()) {
        if (p.inData && !StyleArchiveWriter::writeFile(out + "/data/images/" + p.name + ".png",
                                                       PngWriter::encode(pictures.picture(p)))) {
            error = "cannot draw " + p.name;
            return false;
        }
        if (p.name == "window_icon_small" || p.name == "window_icon_big")
            icons.push_back(pictures.picture(p));
    }
    // The program's own icon, linked into reelstack.exe.
    std::sort(icons.begin(), icons.end(),
              [](const Image& a, const Image& b) { return a.width() < b.width(); });
    if (icons.size() != 2 || !StyleArchiveWriter::writeFile(out + "/reelstack.ico", iconFile(icons))) {
        error = "cannot write reelstack.ico";
        return false;
    }
    if (!buildIcons(source, out, error))
        return false;
    for (const SkinSource::Cursor& c : source.cursors()) {
        const Image image = SkinPictures::cursor(c);
        if (image.isNull() || !StyleArchiveWriter::writeFile(out + "/data/cursors/" + c.name + ".png",
                                                             PngWriter::encode(image))) {
            error = "cannot draw the cursor " + c.name;
            return false;
        }
    }
    const std::string xml = SkinXml::cursors(source);
    ByteArray bytes;
    bytes.assignChars(xml.data(), static_cast<int>(xml.size()));
    if (!StyleArchiveWriter::writeFile(out + "/data/cursors/cursors.xml", bytes)) {
        error = "cannot write cursors.xml";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: skingen SOURCE OUT\n");
        return 2;
    }
    SkinSource source;
    std::string error;
    if (!source.load(argv[1], error))
        return fail(error);
    std::string clash;
    if (!testColorsUnique(source, clash))
        return fail("the test colour of " + clash + " is taken already; rename or reorder");
    if (!buildStyle(source, false, argv[2], error) || !buildStyle(source, true, argv[2], error) ||
        !buildData(source, argv[2], error))
        return fail(error);
    return 0;
}
