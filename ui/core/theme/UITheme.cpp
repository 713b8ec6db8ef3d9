#include "ui/core/theme/UITheme.h"

#include "foundation/containers/StringList.h"
#include "foundation/data/PakArchive.h"
#include "foundation/io/File.h"
#include "foundation/xml/XmlElement.h"

namespace {

const char16_t* const kImageNames[UITheme::kImageCount] = {
    u"DialogHelpButton",     u"DirectoryBig",         u"DirectorySmall", u"InformationBig",
    u"QuestionBig",          u"WarningBig",           u"CriticalBig",    u"InformationMedium",
    u"QuestionMedium",       u"WarningMedium",        u"CriticalMedium", u"InformationSmall",
    u"QuestionSmall",        u"WarningSmall",         u"CriticalSmall",  u"WindowCloseButton",
    u"WindowMaximizeButton", u"WindowMinimizeButton", u"Focus",
};

// The window buttons load last, in this order, ahead of the focus mark.
const int kImageLoadOrder[UITheme::kImageCount] = {0,  1,  2,  3,  4,  5,  6,  7,  8, 9,
                                                   10, 11, 12, 13, 14, 17, 16, 15, 18};

const char16_t* const kMetricNames[UITheme::kMetricCount] = {
    u"LayoutLeftMargin",        u"LayoutTopMargin",       u"LayoutRightMargin",  u"LayoutBottomMargin",
    u"LayoutHorizontalSpacing", u"LayoutVerticalSpacing", u"SmallIconSize",      u"MediumIconSize",
    u"LargeIconSize",           u"TextCursorWidth",       u"MessageBoxIconSize", u"WindowDesktopPadding",
};

const int kUtf8 = 3;

Image decodePng(const PakArchive& archive, const String& group, const String& item)
{
    const PakItem* found = archive.findItem(group, item + u".png");
    if (!found)
        return Image();
    Image image = Image::fromData(found->data(), found->dataSize(), String(u"png"));
    image.setPremultiplied(true);
    return image;
}

// Parses an XML item of the group "xml" into doc; false for a missing item
// or a text that does not parse.
bool parseXmlItem(const PakArchive& archive, const char16_t* name, XmlDocument& doc)
{
    const PakItem* item = archive.findItem(String(u"xml"), String(name));
    if (!item)
        return false;
    return doc.loadFromString(String::fromTextBuffer(item->data(), item->dataSize(), kUtf8), false);
}

// Three comma-separated numbers, exactly; no trimming, empty parts count.
bool threeParts(const String& text, int parts[3])
{
    const StringList list = StringList::split(text, String(u","), 0);
    if (list.count() != 3)
        return false;
    int i = 0;
    for (const String& part : list)
        parts[i++] = part.toInt();
    return true;
}

UISkinImage skinFromElement(const PakArchive& archive, const XmlElement& element, const String& name)
{
    // Every skin of a theme has its frames stacked, whatever "orientation" says.
    UISkinImage skin(decodePng(archive, String(u"skins"), name), true);
    int columns[3] = {0, 0, 0};
    int rows[3] = {0, 0, 0};
    const bool hasColumns = threeParts(element.attribute(String(u"columns")), columns);
    if (hasColumns)
        threeParts(element.attribute(String(u"rows")), rows);
    const int count = element.attribute(String(u"count")).toInt();
    if (hasColumns && columns[0] > 0)
        skin.setGrid(columns[0], columns[1], columns[2], rows[0], rows[1], rows[2], count);
    else
        skin.setGrid(element.attribute(String(u"width")).toInt(),
                     element.attribute(String(u"height")).toInt(), count);
    return skin;
}

} // namespace

struct UITheme::Contents
{
    List<ImageEntry> images;
    List<SkinEntry> skins;
    List<MetricEntry> metrics;
    std::unique_ptr<XmlDocument> models = std::make_unique<XmlDocument>();
};

UITheme::UITheme() : m_models(std::make_unique<XmlDocument>()) {}

UITheme::~UITheme() = default;

bool UITheme::loadFromPath(const String& path)
{
    if (path.isEmpty())
        return false;
    m_path = path;
    m_source = 1;
    return loadResources(nullptr, 0);
}

bool UITheme::loadFromMemory(const void* data, int size)
{
    m_source = 2;
    return loadResources(data, size);
}

bool UITheme::loadResources(const void* data, int size)
{
    PakArchive archive;
    if (m_source == 1) {
        if (!File::exists(m_path) || !archive.open(m_path))
            return false;
    } else if (m_source == 2) {
        if (!data || size < 1 || !archive.openMemory(data, size))
            return false;
    } else {
        return false;
    }
    return loadArchive(archive) && isLoaded();
}

bool UITheme::loadArchive(const PakArchive& archive)
{
    Contents contents;
    readImages(archive, contents);
    if (!readSkins(archive, contents) || !readModels(archive, contents) || !readMetrics(archive, contents))
        return false;
    m_images = std::move(contents.images);
    m_skins = std::move(contents.skins);
    m_metrics = std::move(contents.metrics);
    m_models = std::move(contents.models);
    return true;
}

void UITheme::readImages(const PakArchive& archive, Contents& out)
{
    for (int id : kImageLoadOrder) {
        ImageEntry entry;
        entry.id = id;
        entry.image = decodePng(archive, String(u"images"), String(kImageNames[id]));
        out.images.append(entry);
    }
}

bool UITheme::readSkins(const PakArchive& archive, Contents& out)
{
    XmlDocument doc;
    if (!parseXmlItem(archive, u"skins.xml", doc))
        return false;
    const XmlElement* skins = doc.findElement(String(u"skins"));
    if (!skins || !skins->hasChildren())
        return false;
    for (const XmlElement* element : skins->children()) {
        if (element->name() != String(u"skin") || !element->hasAttributes())
            continue;
        const String& name = element->attribute(String(u"name"));
        if (name.isEmpty())
            continue;
        SkinEntry entry;
        entry.name = name;
        entry.skin = skinFromElement(archive, *element, name);
        out.skins.append(entry);
    }
    return true;
}

bool UITheme::readModels(const PakArchive& archive, Contents& out)
{
    if (parseXmlItem(archive, u"models.xml", *out.models))
        return true;
    out.models->clear();
    return false;
}

bool UITheme::readMetrics(const PakArchive& archive, Contents& out)
{
    XmlDocument doc;
    if (!parseXmlItem(archive, u"metrics.xml", doc))
        return false;
    const XmlElement* metrics = doc.findElement(String(u"metrics"));
    if (!metrics)
        return true;
    for (const XmlElement* element : metrics->children()) {
        if (element->name() != String(u"metric") || !element->hasAttributes())
            continue;
        MetricEntry entry;
        entry.id = metricId(element->attribute(String(u"name")));
        entry.value = element->attribute(String(u"value")).toInt();
        out.metrics.append(entry);
    }
    return true;
}

bool UITheme::isLoaded() const
{
    if (m_source != 2 && m_path.isEmpty())
        return false;
    return !m_images.isEmpty() && !m_skins.isEmpty() && !m_metrics.isEmpty();
}

const Image& UITheme::image(int id) const
{
    for (const ImageEntry& entry : m_images) {
        if (entry.id == id)
            return entry.image;
    }
    return Image::empty();
}

const UISkinImage& UITheme::skinImage(const String& name) const
{
    static const UISkinImage kEmpty;
    for (const SkinEntry& entry : m_skins) {
        if (entry.name == name)
            return entry.skin;
    }
    return kEmpty;
}

int UITheme::metric(int id) const
{
    for (const MetricEntry& entry : m_metrics) {
        if (entry.id == id)
            return entry.value;
    }
    return 0;
}

const XmlElement* UITheme::modelsElement() const
{
    return m_models->findElement(String(u"models"));
}

int UITheme::metricId(const String& name)
{
    for (int i = 0; i < kMetricCount; ++i) {
        if (name == String(kMetricNames[i]))
            return i + 1;
    }
    return 0;
}

String UITheme::metricName(int id)
{
    if (id < 1 || id > kMetricCount)
        return String();
    return String(kMetricNames[id - 1]);
}

String UITheme::imageName(int id)
{
    if (id < 0 || id >= kImageCount)
        return String();
    return String(kImageNames[id]);
}
