// Compile-only: every call the toolkit, the views and the windows make of the
// graphics library, written the way those callers write them. It is never run;
// it breaks the build when one of these forms goes missing.
#include "graphics/color/Color.h"
#include "graphics/image/Image.h"
#include "graphics/image/ImageSet.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/FontMetrics.h"
#include "graphics/paint/Gradient.h"
#include "graphics/paint/PaintTarget.h"
#include "graphics/paint/Painter.h"
#include "graphics/paint/Pen.h"

namespace callforms {

void colors()
{
    Color none;
    Color opaque = Color::ColorRgb(1, 2, 3);
    Color translucent = Color::ColorArgb(128, 1, 2, 3);
    Color packed = Color::ColorFromValue(0x00FFFFFF);
    Color sameValue = Color::fromValue(0xFF000000);
    Color fromArgb = Color::ColorFromArgb(0x55FFFFFF);
    Color copy = Color::ColorCopy(opaque);
    bool visible = packed.isVisible();
    Color darker = opaque.darker(0.5f);
    Color blended = opaque.blendOver(translucent);
    String texts = opaque.toString(true) + opaque.toDecimalText();
    uint8_t red = opaque.red();
    uint32_t value = opaque.value();
    (void)none, (void)sameValue, (void)fromArgb, (void)copy, (void)visible, (void)darker, (void)blended;
    (void)texts, (void)red, (void)value;
}

void pensAndBrushes()
{
    Pen pen;
    Pen colored = Pen::PenFromColor(Color::ColorRgb(1, 2, 3));
    Pen copy = Pen::PenCopy(colored);
    pen.assign(copy);
    bool translucent = pen.isTranslucent();
    Color penColor = pen.color();
    Gradient gradient(1);
    Array<Color> stops;
    stops.append(Color::ColorRgb(0, 0, 0));
    gradient.setColors(stops);
    gradient.addStop(Color::ColorRgb(1, 1, 1), 0.5f);
    Brush brush;
    Brush solid = Brush::BrushFromColor(Color::ColorRgb(1, 2, 3), 0);
    Brush solidShort = Brush::BrushFromColor(Color::ColorRgb(1, 2, 3));
    Brush shaded = Brush::BrushFromGradient(gradient);
    brush.assign(solid);
    bool brushState = brush.isVisible() || brush.isTranslucent();
    Color brushColor = brush.color();
    (void)translucent, (void)penColor, (void)solidShort, (void)shaded, (void)brushState, (void)brushColor;
}

void fonts(PaintTarget* target)
{
    FontDesc font;
    FontDesc copy = FontDesc::FontDescCopy(font);
    font.assign(copy);
    font.setFamily(String(u"Tahoma"));
    font.setSize(9.0f);
    font.setStyle(1);
    font.setPixelSize(12);
    String family = font.family();
    float size = font.size() + float(font.style()) + float(font.pixelSize());
    bool clearType = clearTypeEnabled();
    setClearTypeEnabled(!clearType);
    FontMetrics metrics(font, target);
    int height = metrics.height() + metrics.textWidth(u"abc", 3, false) + metrics.charWidth(u'a');
    Size textSize = metrics.textSize(u"abc", 3, false);
    (void)family, (void)size, (void)height, (void)textSize;
}

void images()
{
    Image empty;
    Image sized = Image::ImageSized(4, 4, true);
    Image shared = Image::ImageCopy(sized);
    shared.assign(sized);
    bool facts = sized.isNull() || sized.isPremultiplied() || sized.hasVisiblePixels();
    int numbers = sized.width() + sized.height() + sized.byteSize() + sized.pixelCount() + sized.size().width;
    uint8_t* bits = sized.bits();
    sized.setPremultiplied(true);
    sized.fill(Color::ColorRgb(1, 2, 3));
    sized.setAlpha(255, Rect());
    Image scaled = sized.scaled(8, 8, 2).flipped(true, false);
    scaled.blur(1.5f);
    scaled.drawImageAt(sized, Point(1, 1));
    Image decoded = Image::fromData(bits, 16, String(u"png"));
    Image pixels = Image::fromPixels(bits, 2, 2, true, 16);
    Image file = Image::fromFile(String(u"a.png"));
    bool saved = file.save(String(u"b.png"), true);
    ImageSet set;
    ImageSet states = ImageSet::ImageSetFromImage(sized);
    ImageSet fromFile = ImageSet::ImageSetFromFile(String(u"a.png"));
    set.assign(states);
    const Image& hovered = set.image(2);
    int setSize = set.width() + set.height();
    bool setNull = set.isNull();
    (void)empty, (void)facts, (void)numbers, (void)decoded, (void)pixels, (void)saved, (void)fromFile;
    (void)hovered, (void)setSize, (void)setNull;
}

void painting(PaintTarget* target, const ImageSet& set, const Image& image)
{
    int targetSize = target->width() + target->height();
    Painter painter(target);
    painter.setFont(FontDesc());
    painter.setPen(Pen::PenFromColor(Color::ColorRgb(1, 2, 3)));
    painter.setPenColor(Color::ColorRgb(1, 2, 3));
    painter.setRenderHint(2, true);
    painter.setClipRect(Rect(0, 0, 10, 10));
    painter.resetClip();
    FontMetrics metrics = painter.fontMetrics();
    painter.fillRect(Rect(0, 0, 4, 4), Brush::BrushFromColor(Color::ColorRgb(1, 2, 3)));
    painter.fillRectColor(Rect(0, 0, 4, 4), Color::ColorRgb(1, 2, 3));
    painter.drawRect(Rect(0, 0, 4, 4));
    painter.drawLine(0, 0, 4, 4);
    Rect drawn;
    bool elided = painter.drawText(String(u"abc"), Rect(0, 0, 40, 10), 1, 2, 0, &drawn);
    painter.drawImage(image, Rect(0, 0, 4, 4));
    painter.drawImageAligned(image, Rect(0, 0, 4, 4), 16 | 32);
    painter.drawImageRect(image, Rect(0, 0, 2, 2), Rect(0, 0, 4, 4));
    painter.drawImagePart(image, Point(0, 0), Point(1, 1), 2, 2);
    painter.tileImage(Rect(0, 0, 40, 40), image);
    set.draw(painter, Rect(0, 0, 16, 16), 16 | 32, 0);
    (void)targetSize, (void)metrics, (void)elided;
}

} // namespace callforms
