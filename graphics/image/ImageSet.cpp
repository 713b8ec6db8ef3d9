#include "graphics/image/ImageSet.h"

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
