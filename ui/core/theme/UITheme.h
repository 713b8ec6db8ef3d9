#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"
#include "foundation/xml/XmlDocument.h"
#include "graphics/image/Image.h"
#include "ui/core/theme/UISkinImage.h"

#include <cstdint>
#include <memory>

class PakArchive;
class XmlElement;

// The loaded look of the user interface, read once from a skin archive
// (".style"): built-in images by id, named skin images, the style models and
// the metrics. Lookups never fail: unknown names and ids give an empty image,
// an empty skin image or 0.
class UITheme
{
public:
    // Built-in image ids.
    enum ImageId
    {
        kDialogHelpButton = 0,
        kDirectoryBig = 1,
        kDirectorySmall = 2,
        kInformationBig = 3,
        kQuestionBig = 4,
        kWarningBig = 5,
        kCriticalBig = 6,
        kInformationMedium = 7,
        kQuestionMedium = 8,
        kWarningMedium = 9,
        kCriticalMedium = 10,
        kInformationSmall = 11,
        kQuestionSmall = 12,
        kWarningSmall = 13,
        kCriticalSmall = 14,
        kWindowCloseButton = 15,
        kWindowMaximizeButton = 16,
        kWindowMinimizeButton = 17,
        kFocus = 18,
        kImageCount = 19,
    };
    static constexpr int kMetricCount = 12;

    struct ImageEntry
    {
        int id = 0;
        Image image;
    };
    struct SkinEntry
    {
        String name;
        UISkinImage skin;
    };
    struct MetricEntry
    {
        int id = 0;
        int value = 0;
    };

    UITheme();
    virtual ~UITheme();
    UITheme(const UITheme&) = delete;
    UITheme& operator=(const UITheme&) = delete;

    // False at once for an empty path or a missing file.
    bool loadFromPath(const String& path);
    bool loadFromMemory(const void* data, int size);
    // Reads the archive of the current source. The theme changes only when
    // every part read; a second load replaces the first.
    bool loadResources(const void* data, int size);
    // Something was loaded and it has images, skins and metrics.
    bool isLoaded() const;

    const String& path() const { return m_path; }
    int source() const { return m_source; }
    const Image& image(int id) const;
    const UISkinImage& skinImage(const String& name) const;
    virtual int metric(int id) const;
    const XmlElement* modelsElement() const;
    const List<SkinEntry>& skins() const { return m_skins; }
    const List<ImageEntry>& images() const { return m_images; }
    const List<MetricEntry>& metrics() const { return m_metrics; }

    static int metricId(const String& name);
    // "LayoutLeftMargin" for 1 ...; empty for an unknown id.
    static String metricName(int id);
    // "DialogHelpButton" for 0 ...; empty for an unknown id.
    static String imageName(int id);

private:
    struct Contents;

    bool loadArchive(const PakArchive& archive);
    static void readImages(const PakArchive& archive, Contents& out);
    static bool readSkins(const PakArchive& archive, Contents& out);
    static bool readModels(const PakArchive& archive, Contents& out);
    static bool readMetrics(const PakArchive& archive, Contents& out);

    String m_path;
    int m_source = 0;
    List<ImageEntry> m_images;
    List<SkinEntry> m_skins;
    List<MetricEntry> m_metrics;
    std::unique_ptr<XmlDocument> m_models;
};
