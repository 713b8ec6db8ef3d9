#include "graphics/color/Color.h"

#include "foundation/text/String.h"
#include "graphics/image/PixelOps.h"

#include <cmath>

namespace {

float clampF(float x, float low, float high)
{
    if (x < low)
        return low;
    if (x > high)
        return high;
    return x;
}

float minF(float a, float b)
{
    return a < b ? a : b;
}

uint8_t max3(uint8_t a, uint8_t b, uint8_t c)
{
    uint8_t m = a > b ? a : b;
    return m > c ? m : c;
}

uint8_t min3(uint8_t a, uint8_t b, uint8_t c)
{
    uint8_t m = a < b ? a : b;
    return m < c ? m : c;
}

// Clamps to 0..255 and truncates. Converting NaN or an out-of-range float to an
// integer is undefined, so both are caught before the cast.
uint8_t toByte(float v)
{
    if (!(v > 0.0f))
        return 0;
    if (v >= 255.0f)
        return 255;
    return static_cast<uint8_t>(v);
}

// Brings an angle in degrees into 0..360 without looping on huge or infinite
// values.
float wrapDegrees(float h)
{
    if (!std::isfinite(h))
        return 0.0f;
    h = std::fmod(h, 360.0f);
    if (h < 0.0f)
        h += 360.0f;
    return h;
}

// The red, green and blue share of a hue in degrees, each capped at 1.
void hueComponents(float h, float& r, float& g, float& b)
{
    if (h < 120.0f) {
        r = (120.0f - h) / 60.0f;
        g = h / 60.0f;
        b = 0.0f;
    } else if (h < 240.0f) {
        r = 0.0f;
        g = (240.0f - h) / 60.0f;
        b = (h - 120.0f) / 60.0f;
    } else {
        r = (h - 240.0f) / 60.0f;
        g = 0.0f;
        b = (360.0f - h) / 60.0f;
    }
    r = minF(r, 1.0f);
    g = minF(g, 1.0f);
    b = minF(b, 1.0f);
}

// Hue 0..1 of normalised channels, shared by rgbToHsl and hueHsv.
float hueOf(float r, float g, float b, float max, float delta)
{
    float dr = ((max - r) / 6.0f + delta / 2.0f) / delta;
    float dg = ((max - g) / 6.0f + delta / 2.0f) / delta;
    float db = ((max - b) / 6.0f + delta / 2.0f) / delta;
    float h;
    if (r == max)
        h = db - dg;
    else if (g == max)
        h = 1.0f / 3.0f + dr - db;
    else
        h = 2.0f / 3.0f + dg - dr;
    if (h < 0.0f)
        h += 1.0f;
    if (h > 1.0f)
        h -= 1.0f;
    return h;
}

float hslChannel(float share, float s, float l)
{
    float t = 2.0f * s * share + (1.0f - s);
    if (l < 0.5f)
        return t * l;
    return t * (1.0f - l) + 2.0f * l - 1.0f;
}

const char16_t kHexDigits[] = u"0123456789ABCDEF";

void appendHexByte(String& text, uint8_t byte)
{
    text.appendChar(kHexDigits[byte >> 4]);
    text.appendChar(kHexDigits[byte & 0x0F]);
}

void appendDecimal(String& text, uint8_t byte)
{
    if (byte >= 100)
        text.appendChar(static_cast<char16_t>(u'0' + byte / 100));
    if (byte >= 10)
        text.appendChar(static_cast<char16_t>(u'0' + byte / 10 % 10));
    text.appendChar(static_cast<char16_t>(u'0' + byte % 10));
}

String hexText(const Color& color, bool withAlpha, const char16_t* prefix)
{
    String text(prefix);
    if (withAlpha)
        appendHexByte(text, color.alpha());
    appendHexByte(text, color.red());
    appendHexByte(text, color.green());
    appendHexByte(text, color.blue());
    return text;
}

// The CSS colour keywords in alphabetical order, spelled only with "gray",
// plus "transparent" (white with alpha 0).
struct NamedColor
{
    const char16_t* name;
    uint32_t value;
};

const NamedColor kNamedColors[] = {
    {u"aliceblue", 0xFFF0F8FF},
    {u"antiquewhite", 0xFFFAEBD7},
    {u"aqua", 0xFF00FFFF},
    {u"aquamarine", 0xFF7FFFD4},
    {u"azure", 0xFFF0FFFF},
    {u"beige", 0xFFF5F5DC},
    {u"bisque", 0xFFFFE4C4},
    {u"black", 0xFF000000},
    {u"blanchedalmond", 0xFFFFEBCD},
    {u"blue", 0xFF0000FF},
    {u"blueviolet", 0xFF8A2BE2},
    {u"brown", 0xFFA52A2A},
    {u"burlywood", 0xFFDEB887},
    {u"cadetblue", 0xFF5F9EA0},
    {u"chartreuse", 0xFF7FFF00},
    {u"chocolate", 0xFFD2691E},
    {u"coral", 0xFFFF7F50},
    {u"cornflowerblue", 0xFF6495ED},
    {u"cornsilk", 0xFFFFF8DC},
    {u"crimson", 0xFFDC143C},
    {u"cyan", 0xFF00FFFF},
    {u"darkblue", 0xFF00008B},
    {u"darkcyan", 0xFF008B8B},
    {u"darkgoldenrod", 0xFFB8860B},
    {u"darkgray", 0xFFA9A9A9},
    {u"darkgreen", 0xFF006400},
    {u"darkkhaki", 0xFFBDB76B},
    {u"darkmagenta", 0xFF8B008B},
    {u"darkolivegreen", 0xFF556B2F},
    {u"darkorange", 0xFFFF8C00},
    {u"darkorchid", 0xFF9932CC},
    {u"darkred", 0xFF8B0000},
    {u"darksalmon", 0xFFE9967A},
    {u"darkseagreen", 0xFF8FBC8F},
    {u"darkslateblue", 0xFF483D8B},
    {u"darkslategray", 0xFF2F4F4F},
    {u"darkturquoise", 0xFF00CED1},
    {u"darkviolet", 0xFF9400D3},
    {u"deeppink", 0xFFFF1493},
    {u"deepskyblue", 0xFF00BFFF},
    {u"dimgray", 0xFF696969},
    {u"dodgerblue", 0xFF1E90FF},
    {u"firebrick", 0xFFB22222},
    {u"floralwhite", 0xFFFFFAF0},
    {u"forestgreen", 0xFF228B22},
    {u"fuchsia", 0xFFFF00FF},
    {u"gainsboro", 0xFFDCDCDC},
    {u"ghostwhite", 0xFFF8F8FF},
    {u"gold", 0xFFFFD700},
    {u"goldenrod", 0xFFDAA520},
    {u"gray", 0xFF808080},
    {u"green", 0xFF008000},
    {u"greenyellow", 0xFFADFF2F},
    {u"honeydew", 0xFFF0FFF0},
    {u"hotpink", 0xFFFF69B4},
    {u"indianred", 0xFFCD5C5C},
    {u"indigo", 0xFF4B0082},
    {u"ivory", 0xFFFFFFF0},
    {u"khaki", 0xFFF0E68C},
    {u"lavender", 0xFFE6E6FA},
    {u"lavenderblush", 0xFFFFF0F5},
    {u"lawngreen", 0xFF7CFC00},
    {u"lemonchiffon", 0xFFFFFACD},
    {u"lightblue", 0xFFADD8E6},
    {u"lightcoral", 0xFFF08080},
    {u"lightcyan", 0xFFE0FFFF},
    {u"lightgoldenrodyellow", 0xFFFAFAD2},
    {u"lightgray", 0xFFD3D3D3},
    {u"lightgreen", 0xFF90EE90},
    {u"lightpink", 0xFFFFB6C1},
    {u"lightsalmon", 0xFFFFA07A},
    {u"lightseagreen", 0xFF20B2AA},
    {u"lightskyblue", 0xFF87CEFA},
    {u"lightslategray", 0xFF778899},
    {u"lightsteelblue", 0xFFB0C4DE},
    {u"lightyellow", 0xFFFFFFE0},
    {u"lime", 0xFF00FF00},
    {u"limegreen", 0xFF32CD32},
    {u"linen", 0xFFFAF0E6},
    {u"magenta", 0xFFFF00FF},
    {u"maroon", 0xFF800000},
    {u"mediumaquamarine", 0xFF66CDAA},
    {u"mediumblue", 0xFF0000CD},
    {u"mediumorchid", 0xFFBA55D3},
    {u"mediumpurple", 0xFF9370DB},
    {u"mediumseagreen", 0xFF3CB371},
    {u"mediumslateblue", 0xFF7B68EE},
    {u"mediumspringgreen", 0xFF00FA9A},
    {u"mediumturquoise", 0xFF48D1CC},
    {u"mediumvioletred", 0xFFC71585},
    {u"midnightblue", 0xFF191970},
    {u"mintcream", 0xFFF5FFFA},
    {u"mistyrose", 0xFFFFE4E1},
    {u"moccasin", 0xFFFFE4B5},
    {u"navajowhite", 0xFFFFDEAD},
    {u"navy", 0xFF000080},
    {u"oldlace", 0xFFFDF5E6},
    {u"olive", 0xFF808000},
    {u"olivedrab", 0xFF6B8E23},
    {u"orange", 0xFFFFA500},
    {u"orangered", 0xFFFF4500},
    {u"orchid", 0xFFDA70D6},
    {u"palegoldenrod", 0xFFEEE8AA},
    {u"palegreen", 0xFF98FB98},
    {u"paleturquoise", 0xFFAFEEEE},
    {u"palevioletred", 0xFFDB7093},
    {u"papayawhip", 0xFFFFEFD5},
    {u"peachpuff", 0xFFFFDAB9},
    {u"peru", 0xFFCD853F},
    {u"pink", 0xFFFFC0CB},
    {u"plum", 0xFFDDA0DD},
    {u"powderblue", 0xFFB0E0E6},
    {u"purple", 0xFF800080},
    {u"red", 0xFFFF0000},
    {u"rosybrown", 0xFFBC8F8F},
    {u"royalblue", 0xFF4169E1},
    {u"saddlebrown", 0xFF8B4513},
    {u"salmon", 0xFFFA8072},
    {u"sandybrown", 0xFFF4A460},
    {u"seagreen", 0xFF2E8B57},
    {u"seashell", 0xFFFFF5EE},
    {u"sienna", 0xFFA0522D},
    {u"silver", 0xFFC0C0C0},
    {u"skyblue", 0xFF87CEEB},
    {u"slateblue", 0xFF6A5ACD},
    {u"slategray", 0xFF708090},
    {u"snow", 0xFFFFFAFA},
    {u"springgreen", 0xFF00FF7F},
    {u"steelblue", 0xFF4682B4},
    {u"tan", 0xFFD2B48C},
    {u"teal", 0xFF008080},
    {u"thistle", 0xFFD8BFD8},
    {u"tomato", 0xFFFF6347},
    {u"transparent", 0x00FFFFFF},
    {u"turquoise", 0xFF40E0D0},
    {u"violet", 0xFFEE82EE},
    {u"wheat", 0xFFF5DEB3},
    {u"white", 0xFFFFFFFF},
    {u"whitesmoke", 0xFFF5F5F5},
    {u"yellow", 0xFFFFFF00},
    {u"yellowgreen", 0xFF9ACD32},
};

const uint32_t kUnknownNameColor = 0xFFFF00FF;

// Exact comparison over the whole name, so a name with an embedded zero unit
// never matches the keyword before it.
bool isNamed(const String& name, const char16_t* keyword)
{
    int i = 0;
    for (; keyword[i] != 0; ++i) {
        if (i >= name.length() || name.at(i) != keyword[i])
            return false;
    }
    return i == name.length();
}

} // namespace

Color::Color(uint32_t value)
    : m_blue(static_cast<uint8_t>(value)), m_green(static_cast<uint8_t>(value >> 8)),
      m_red(static_cast<uint8_t>(value >> 16)), m_alpha(static_cast<uint8_t>(value >> 24))
{
}

Color::Color(uint8_t red, uint8_t green, uint8_t blue)
    : m_blue(blue), m_green(green), m_red(red), m_alpha(255)
{
}

Color::Color(uint8_t alpha, uint8_t red, uint8_t green, uint8_t blue)
    : m_blue(blue), m_green(green), m_red(red), m_alpha(alpha)
{
}

void Color::setAlphaF(float alpha)
{
    m_alpha = toByte(clampF(alpha, 0.0f, 1.0f) * 255.0f);
}

uint32_t Color::value() const
{
    return static_cast<uint32_t>(m_blue) | static_cast<uint32_t>(m_green) << 8 |
           static_cast<uint32_t>(m_red) << 16 | static_cast<uint32_t>(m_alpha) << 24;
}

String Color::toHexText(bool withAlpha) const
{
    return hexText(*this, withAlpha, u"#");
}

String Color::toString(bool withAlpha) const
{
    return toHexText(withAlpha);
}

String Color::toHexValueText(bool withAlpha) const
{
    return hexText(*this, withAlpha, u"0x");
}

String Color::toDecimalText() const
{
    String text;
    appendDecimal(text, m_red);
    text.appendChar(u',');
    appendDecimal(text, m_green);
    text.appendChar(u',');
    appendDecimal(text, m_blue);
    return text;
}

String Color::toDecimalTextWithAlpha() const
{
    String text;
    appendDecimal(text, m_alpha);
    text.appendChar(u',');
    text.append(toDecimalText());
    return text;
}

int Color::luma() const
{
    return (m_red * 19595 + m_green * 38470 + m_blue * 7471) >> 16;
}

float Color::scaledByStep(float value)
{
    return value * 0.03137f;
}

float Color::lumaF() const
{
    return (0.299f * m_red + 0.587f * m_green + 0.114f * m_blue) / 255.0f;
}

int Color::average() const
{
    return (m_red + m_green + m_blue) / 3;
}

uint8_t Color::maxChannel() const
{
    return max3(m_red, m_green, m_blue);
}

int Color::dominantChannel() const
{
    if (m_red > m_green && m_red > m_blue)
        return 0;
    if (m_green > m_red && m_green > m_blue)
        return 1;
    if (m_blue > m_red && m_blue > m_green)
        return 2;
    return -1;
}

float Color::saturationHsv() const
{
    float max = max3(m_red, m_green, m_blue) / 255.0f;
    float min = min3(m_red, m_green, m_blue) / 255.0f;
    if (max == 0.0f || max - min == 0.0f)
        return 0.0f;
    return (max - min) / max;
}

float Color::hueHsv() const
{
    float r = m_red / 255.0f;
    float g = m_green / 255.0f;
    float b = m_blue / 255.0f;
    float max = max3(m_red, m_green, m_blue) / 255.0f;
    float min = min3(m_red, m_green, m_blue) / 255.0f;
    if (max == min)
        return 0.0f;
    return hueOf(r, g, b, max, max - min);
}

void Color::rgbToYuv(uint8_t r, uint8_t g, uint8_t b, float& y, float& u, float& v)
{
    y = 0.257f * r + 0.504f * g + 0.098f * b + 16.0f;
    u = 0.439f * b - (0.291f * g + 0.148f * r) + 128.0f;
    v = 0.439f * r - 0.368f * g - 0.071f * b + 128.0f;
}

void Color::yuvToRgb(float y, float u, float v, uint8_t& r, uint8_t& g, uint8_t& b)
{
    float c = (y - 16.0f) * 1.164f;
    float d = u - 128.0f;
    float e = v - 128.0f;
    r = toByte(c + 1.596f * e);
    g = toByte(c - 0.813f * e - 0.391f * d);
    b = toByte(c + 2.018f * d);
}

void Color::rgbToHsl(uint8_t r, uint8_t g, uint8_t b, float& h, float& s, float& l)
{
    float rf = r / 255.0f;
    float gf = g / 255.0f;
    float bf = b / 255.0f;
    float max = max3(r, g, b) / 255.0f;
    float min = min3(r, g, b) / 255.0f;
    float delta = max - min;
    l = (max + min) / 2.0f;
    if (delta == 0.0f) {
        h = 0.0f;
        s = 0.0f;
        return;
    }
    s = l < 0.5f ? delta / (max + min) : delta / (2.0f - max - min);
    h = hueOf(rf, gf, bf, max, delta);
}

void Color::hslToRgb(float h, float s, float l, uint8_t& r, uint8_t& g, uint8_t& b)
{
    float rs, gs, bs;
    hueComponents(wrapDegrees(h * 360.0f), rs, gs, bs);
    r = toByte(hslChannel(rs, s, l) * 255.0f);
    g = toByte(hslChannel(gs, s, l) * 255.0f);
    b = toByte(hslChannel(bs, s, l) * 255.0f);
}

void Color::rgbToHsv(uint8_t r, uint8_t g, uint8_t b, float& h, float& s, float& v)
{
    float rf = r / 255.0f;
    float gf = g / 255.0f;
    float bf = b / 255.0f;
    float max = max3(r, g, b) / 255.0f;
    float min = min3(r, g, b) / 255.0f;
    float delta = max - min;
    v = max;
    if (delta == 0.0f) {
        h = 0.0f;
        s = 0.0f;
        return;
    }
    s = delta / max;
    if (rf == max)
        h = 60.0f * (gf - bf) / delta;
    else if (gf == max)
        h = 60.0f * (2.0f + (bf - rf) / delta);
    else
        h = 60.0f * (4.0f + (rf - gf) / delta);
    if (h < 0.0f)
        h += 360.0f;
}

void Color::hsvToRgb(float h, float s, float v, uint8_t& r, uint8_t& g, uint8_t& b)
{
    float rs, gs, bs;
    hueComponents(wrapDegrees(h), rs, gs, bs);
    r = toByte(v * (1.0f - s + s * rs) * 255.0f);
    g = toByte(v * (1.0f - s + s * gs) * 255.0f);
    b = toByte(v * (1.0f - s + s * bs) * 255.0f);
}

void Color::rgbToCmyk(uint8_t r, uint8_t g, uint8_t b, float& c, float& m, float& y, float& k)
{
    if (r == 0 && g == 0 && b == 0) {
        c = m = y = 0.0f;
        k = 1.0f;
        return;
    }
    float cs = 1.0f - r / 255.0f;
    float ms = 1.0f - g / 255.0f;
    float ys = 1.0f - b / 255.0f;
    k = minF(cs, minF(ms, ys));
    c = clampF((cs - k) / (1.0f - k), 0.0f, 1.0f);
    m = clampF((ms - k) / (1.0f - k), 0.0f, 1.0f);
    y = clampF((ys - k) / (1.0f - k), 0.0f, 1.0f);
}

void Color::cmykToRgb(float c, float m, float y, float k, uint8_t& r, uint8_t& g, uint8_t& b)
{
    r = toByte((1.0f - (c * (1.0f - k) + k)) * 255.0f);
    g = toByte((1.0f - (m * (1.0f - k) + k)) * 255.0f);
    b = toByte((1.0f - (y * (1.0f - k) + k)) * 255.0f);
}

const Array<Color>& Color::hueColors6()
{
    static const Array<Color> colors = [] {
        Array<Color> list;
        list.reserve(7);
        list.append(Color(255, 0, 0));
        list.append(Color(255, 255, 0));
        list.append(Color(0, 255, 0));
        list.append(Color(0, 255, 255));
        list.append(Color(0, 0, 255));
        list.append(Color(255, 0, 255));
        return list;
    }();
    return colors;
}

const Array<Color>& Color::hueColors24()
{
    static const Array<Color> colors = [] {
        // The hue circle from red, one channel moving by 64 at a time.
        const uint32_t values[] = {
            0xFFFF0000, 0xFFFF4000, 0xFFFF8000, 0xFFFFC000, 0xFFFFFF00, 0xFFC0FF00, 0xFF80FF00, 0xFF40FF00,
            0xFF00FF00, 0xFF00FF40, 0xFF00FF80, 0xFF00FFC0, 0xFF00FFFF, 0xFF00C0FF, 0xFF0080FF, 0xFF0040FF,
            0xFF0000FF, 0xFF4000FF, 0xFF8000FF, 0xFFC000FF, 0xFFFF00FF, 0xFFFF00C0, 0xFFFF0080, 0xFFFF0040,
        };
        Array<Color> list;
        list.reserve(24);
        for (uint32_t value : values)
            list.append(Color(value));
        return list;
    }();
    return colors;
}

Color Color::fromCssName(const String& name)
{
    for (const NamedColor& entry : kNamedColors) {
        if (isNamed(name, entry.name))
            return Color(entry.value);
    }
    return Color(kUnknownNameColor);
}

// Lightening, darkening, blending and the like, which the UI and the cover
// flow apply to single colours.
namespace {

float clampShare(float f)
{
    if (std::isnan(f) || f < 0.01f)
        return 0.01f;
    return f > 1.0f ? 1.0f : f;
}

uint8_t lighterChannel(uint8_t c, float f)
{
    return static_cast<uint8_t>((255 - c) * f + c);
}

uint8_t darkerChannel(uint8_t c, float f)
{
    return static_cast<uint8_t>(c - c * f);
}

// In 64 bits: (a - b) * i overflows an int for long gradients.
uint8_t gradientChannel(int a, int b, int i, int n)
{
    return static_cast<uint8_t>(a - static_cast<int64_t>(a - b) * i / n);
}

} // namespace

Color Color::blendedWith(const Color& source) const
{
    return Color(blendPixel(value(), source.value()));
}

Color Color::lighter(float f) const
{
    f = clampShare(f);
    return Color(m_alpha, lighterChannel(m_red, f), lighterChannel(m_green, f), lighterChannel(m_blue, f));
}

Color Color::darker(float f) const
{
    f = clampShare(f);
    return Color(m_alpha, darkerChannel(m_red, f), darkerChannel(m_green, f), darkerChannel(m_blue, f));
}

Array<Color> Color::lighterAll(const Array<Color>& colors, float f)
{
    Array<Color> result;
    if (!result.reserve(colors.count()))
        return result;
    for (int i = 0; i < colors.count(); ++i)
        result.append(colors[i].lighter(f));
    return result;
}

Array<Color> Color::darkerAll(const Array<Color>& colors, float f)
{
    Array<Color> result;
    if (!result.reserve(colors.count()))
        return result;
    for (int i = 0; i < colors.count(); ++i)
        result.append(colors[i].darker(f));
    return result;
}

Color Color::grayed() const
{
    const uint8_t gray = static_cast<uint8_t>(0.299f * m_red + 0.587f * m_green + 0.114f * m_blue);
    return Color(m_alpha, gray, gray, gray);
}

Color Color::inverted() const
{
    return Color(m_alpha, static_cast<uint8_t>(255 - m_red), static_cast<uint8_t>(255 - m_green),
                 static_cast<uint8_t>(255 - m_blue));
}

Color Color::blackOrWhite(int threshold) const
{
    if (m_blue + m_green + m_red <= threshold)
        return Color(0, 0, 0);
    return Color(255, 255, 255);
}

Array<Color> Color::gradient(const Color& first, const Color& second, int n)
{
    Array<Color> result;
    // Refuses n < 1 (the steps divide by n) and counts no memory can hold.
    if (n < 1 || !result.reserve(n))
        return result;
    for (int i = 0; i < n; ++i) {
        result.append(Color(gradientChannel(first.alpha(), second.alpha(), i, n),
                            gradientChannel(first.red(), second.red(), i, n),
                            gradientChannel(first.green(), second.green(), i, n),
                            gradientChannel(first.blue(), second.blue(), i, n)));
    }
    return result;
}
