#include "graphics/image/ImageSet.h"

#include "graphics/image/PixelOps.h"
#include "graphics/paint/Painter.h"

namespace {

const float kHoverGamma = 1.15f;
const float kPressedGamma = 0.9f;
const int kDisabledContrast = -20;
const int kDisabledAlphaPercent = 35;

// The few tone tables every icon's states share are made once: a table
// costs 256 calls of the power function, slower than the icon's own pixels.
struct ToneTable
{
    uint8_t values[256] = {};
};

ToneTable gammaTable(float gamma)
{
    ToneTable table;
    makeGammaTable(gamma, table.values);
    return table;
}

ToneTable contrastTable(int contrast)
{
    ToneTable table;
    makeBrightnessContrastTable(0, contrast, table.values);
    return table;
}

const uint8_t* hoverTable()
{
    static const ToneTable table = gammaTable(kHoverGamma);
    return table.values;
}

const uint8_t* pressedTable()
{
    static const ToneTable table = gammaTable(kPressedGamma);
    return table.values;
}

const uint8_t* disabledTable()
{
    static const ToneTable table = contrastTable(kDisabledContrast);
    return table.values;
}

Image premultiplied(Image image)
{
    image.setPremultiplied(true);
    return image;
}

Image withTable(const Image& source, const uint8_t* table)
{
    Image image = source.copy();
    image.applyTable(table);
    return premultiplied(image);
}

// Grey, a little flatter, and faded where it is not already transparent.
Image disabledForm(const Image& source)
{
    Image image = source.copy();
    image.toGray();
    image.applyTable(disabledTable());
    if (image.hasAlpha()) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const uint8_t alpha = image.alphaAt(x, y);
                if (alpha != 0)
                    image.setAlphaAt(x, y, static_cast<uint8_t>(alpha * kDisabledAlphaPercent / 100));
            }
        }
    }
    return premultiplied(image);
}

} // namespace

ImageSet ImageSet::ImageSetFromImage(const Image& image)
{
    ImageSet set;
    if (image.isNull())
        return set;
    // The tone tables work on straight colour.
    Image source = image;
    if (source.isPremultiplied()) {
        source = image.copy();
        source.setPremultiplied(false);
    }
    set.m_images[0] = premultiplied(source.copy());
    set.m_images[1] = disabledForm(source);
    set.m_images[2] = withTable(source, hoverTable());
    set.m_images[3] = withTable(source, pressedTable());
    return set;
}

ImageSet ImageSet::ImageSetFromFile(const String& path)
{
    return ImageSetFromImage(Image::fromFile(path));
}

void ImageSet::setImage(int state, const Image& image)
{
    if (isState(state))
        m_images[state] = image.copy();
}

const Image& ImageSet::image(int state) const
{
    if (!isState(state))
        return Image::empty();
    return m_images[state];
}

bool ImageSet::isNull() const
{
    for (const Image& image : m_images) {
        if (!image.isNull())
            return false;
    }
    return true;
}

Size ImageSet::size(int state) const
{
    return image(state).size();
}

int ImageSet::width(int state) const
{
    return image(state).width();
}

int ImageSet::height(int state) const
{
    return image(state).height();
}

int ImageSet::width() const
{
    return maxSize().width;
}

int ImageSet::height() const
{
    return maxSize().height;
}

Size ImageSet::maxSize() const
{
    Size largest;
    for (const Image& image : m_images) {
        if (image.width() > largest.width)
            largest.width = image.width();
        if (image.height() > largest.height)
            largest.height = image.height();
    }
    return largest;
}

void ImageSet::draw(Painter& painter, const Rect& rect, uint32_t alignment, int state) const
{
    if (isState(state) && !m_images[state].isNull())
        painter.drawImageAligned(m_images[state], rect, alignment);
}
