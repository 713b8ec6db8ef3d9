#include "tools/skingen/SkinXml.h"

#include "tools/skingen/TestSkinColors.h"

namespace {

const char* const kDeclaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string number(int value)
{
    return std::to_string(value);
}

String wide(const std::string& text)
{
    return String::fromUtf8(text.data(), static_cast<int>(text.size()));
}

std::string testValue(const SkinSource::Property& p)
{
    const Color c = testStyleColor(wide(p.style), wide(p.name));
    return number(c.red()) + "," + number(c.green()) + "," + number(c.blue());
}

} // namespace

std::string SkinXml::attribute(const std::string& name, const std::string& value)
{
    return " " + name + "=\"" + escaped(value) + "\"";
}

std::string SkinXml::skins(const SkinSource& source)
{
    std::string xml = std::string(kDeclaration) + "<skins>\n";
    for (const SkinSource::Skin& s : source.skins()) {
        const UISkinGrid& g = s.grid;
        xml += "  <skin" + attribute("name", s.name) + attribute("count", number(s.frames)) +
               attribute("width", number(g.width)) + attribute("height", number(g.height));
        if (g.hasParts())
            xml += attribute("columns", number(g.left) + "," + number(g.centre) + "," + number(g.right)) +
                   attribute("rows", number(g.top) + "," + number(g.middle) + "," + number(g.bottom));
        xml += attribute("orientation", "v") + "/>\n";
    }
    return xml + "</skins>\n";
}

std::string SkinXml::models(const SkinSource& source, bool test)
{
    std::string xml = std::string(kDeclaration) + "<models>\n";
    for (const SkinSource::Model& m : source.models()) {
        xml += "  <model" + attribute("name", m.style) + ">\n";
        for (const SkinSource::Property& p : m.properties) {
            const bool testColor = test && SkinSource::isColorKind(p.kind);
            xml += "    <item" + attribute("name", p.name) +
                   attribute("data", testColor ? testValue(p) : p.value) + "/>\n";
        }
        xml += "  </model>\n";
    }
    return xml + "</models>\n";
}

std::string SkinXml::metrics(const SkinSource& source, bool test)
{
    std::string xml = std::string(kDeclaration) + "<metrics>\n";
    for (const SkinSource::Metric& m : source.metrics())
        xml += "  <metric" + attribute("name", m.name) + attribute("value", number(test ? m.test : m.white)) +
               "/>\n";
    return xml + "</metrics>\n";
}

std::string SkinXml::cursors(const SkinSource& source)
{
    std::string xml = std::string(kDeclaration) + "<cursors>\n";
    for (const SkinSource::Cursor& c : source.cursors())
        xml += "  <cursor" + attribute("name", c.name) + attribute("hotspotX", number(c.hotspotX)) +
               attribute("hotspotY", number(c.hotspotY)) + "/>\n";
    return xml + "</cursors>\n";
}
