#pragma once

#include "foundation/text/String.h"

#include <cstdint>

// A font as the painter and the measuring code ask for it: a face name, a
// size in points and style flags. GDI fonts are made from it on demand.
class FontDesc
{
public:
    static constexpr uint32_t kBold = 1;
    static constexpr uint32_t kItalic = 2;
    static constexpr uint32_t kUnderline = 4;
    static constexpr uint32_t kStrikeOut = 8;

    // Family ids of the second constructor.
    static constexpr int kApplicationFamily = 0;
    static constexpr int kMicrosoftSansSerif = 1;
    static constexpr int kTahoma = 2;
    static constexpr int kSegoeUi = 3;
    static constexpr int kTimesNewRoman = 4;
    static constexpr int kCourierNew = 5;
    static constexpr int kComicSansMs = 6;
    static constexpr int kVerdana = 7;

    // A copy of the application font.
    FontDesc();
    // Option 1.
    FontDesc(const String& family, float size, uint32_t style);
    // The family by one of the ids above; an unknown id gives
    // "microsoft sans serif". Option 1.
    FontDesc(int familyId, float size, uint32_t style);

    static FontDesc FontDescCopy(const FontDesc& other) { return other; }
    FontDesc& assign(const FontDesc& other) { return *this = other; }

    const String& family() const { return m_family; }
    void setFamily(const String& family) { m_family = family; }
    // Points.
    float size() const { return m_size; }
    void setSize(float size) { m_size = size; }
    uint32_t style() const { return m_style; }
    void setStyle(uint32_t style) { m_style = style; }
    // Kept and compared only.
    uint32_t option() const { return m_option; }
    void setOption(uint32_t option) { m_option = option; }

    // The height in screen pixels: round(dpi x size / 72), half away from zero.
    int pixelSize() const;
    // A whole number of points nearest to px pixels on the screen.
    void setPixelSize(int px);

    bool operator==(const FontDesc& other) const;
    bool operator!=(const FontDesc& other) const { return !(*this == other); }

    // The UI font of the program, chosen once from the system on first use.
    static const FontDesc& applicationFont();
    // The choice itself: "segoe ui" from Windows Vista on (major version 6) or
    // where it is installed, else "microsoft sans serif"; 12 points, 1.5 more
    // for a Chinese, Japanese or Korean user language (a LANGID).
    static FontDesc chooseDefault(int windowsMajorVersion, bool segoeUiInstalled, uint16_t userLanguage);
    // The screen's vertical pixels per inch (96 where there is no screen).
    static int screenDpi();

    // Global: fonts made while it is on use ClearType quality.
    static void setClearTypeEnabled(bool enabled);
    static bool clearTypeEnabled();

private:
    // Asks the system for what chooseDefault needs.
    static FontDesc platformDefault();

    String m_family;
    float m_size = 0.0f;
    uint32_t m_style = 0;
    uint32_t m_option = 0;
};

// The global ClearType switch of FontDesc, as free functions.
inline bool clearTypeEnabled()
{
    return FontDesc::clearTypeEnabled();
}
inline void setClearTypeEnabled(bool enabled)
{
    FontDesc::setClearTypeEnabled(enabled);
}
