// A skin archive comes from outside the program: loading any bytes as one must
// never crash, and no grid or frame count it gives may make a skin image read
// outside its picture. The same bytes as text go through every style value
// parser and the cursor list reader.
#include "foundation/xml/XmlElement.h"
#include "graphics/paint/Painter.h"
#include "tests/support/RecordingDevice.h"
#include "ui/core/theme/UICursorTable.h"
#include "ui/core/theme/UIStyleModel.h"
#include "ui/core/theme/UIStyleValues.h"
#include "ui/core/theme/UITheme.h"

#include <cstddef>
#include <cstdint>

namespace {

bool inside(const Image& image, const Rect& source)
{
    return source.x >= 0 && source.y >= 0 && source.width >= 0 && source.height >= 0 &&
           int64_t(source.x) + source.width <= image.width() &&
           int64_t(source.y) + source.height <= image.height();
}

// Traps on any image source that is not inside its picture.
class CheckingDevice : public RecordingDevice
{
public:
    void drawImage(const Image& image, const Rect& source, const Rect&) override
    {
        if (!inside(image, source))
            __builtin_trap();
    }
    void drawImagePart(const Image& image, const Point& source, const Point&, int width, int height) override
    {
        if (!inside(image, Rect(source.x, source.y, width, height)))
            __builtin_trap();
    }
};

class ParsingSink : public UIStylePropertySink
{
public:
    void setStyleProperty(const String&, const String& value) override { parseAll(value); }

    static void parseAll(const String& text)
    {
        parseStyleInt(text);
        parseStyleFloat(text);
        parseStyleFont(text);
        parseStyleColor(text);
        parseStyleMargins(text);
        parseStylePoint(text);
        parseStyleSize(text);
        parseStylePen(text);
        parseStyleBrush(text);
    }
};

// Every skin's grid and count over a small picture, drawn at a few sizes.
void drawSkins(const UITheme& theme, uint8_t seed)
{
    CheckingDevice device;
    PaintDevice* previous = PaintDevice::current();
    PaintDevice::setCurrent(&device);
    FakeTarget target;
    {
        Painter painter(&target);
        for (const UITheme::SkinEntry& entry : theme.skins()) {
            UISkinImage skin(Image(1 + seed % 37, 1 + seed % 53, true), true);
            skin.setGrid(entry.skin.grid(), entry.skin.frameCount());
            for (int frame = -1; frame < 3; ++frame) {
                skin.draw(painter, Rect(0, 0, 1 + seed, 2 + seed / 2), frame, 511);
                skin.draw(painter, Rect(3, 1, skin.grid().width, skin.grid().height), frame, seed);
                skin.drawCell(painter, Rect(0, 0, 5, 5), frame, 1u << (seed % 10));
            }
        }
    }
    PaintDevice::setCurrent(previous);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 0x100000)
        return 0;
    UITheme theme;
    if (theme.loadFromMemory(data, int(size)) || !theme.skins().isEmpty()) {
        ParsingSink sink;
        if (const XmlElement* models = theme.modelsElement()) {
            for (const XmlElement* model : models->children())
                applyStyleModel(models, model->attribute(String(u"name")), sink);
        }
        drawSkins(theme, size > 0 ? data[size - 1] : 0);
    }
    const String text = String::fromUtf8(data, int(size));
    ParsingSink::parseAll(text);
    UICursorTable::parseCursorList(text);
    return 0;
}
