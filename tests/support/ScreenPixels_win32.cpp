#include "tests/support/ScreenPixels.h"

#include "graphics/image/Image.h"

namespace testsupport {

namespace {

bool nearValue(int a, int b)
{
    return a - b <= 8 && b - a <= 8;
}

bool nearColour(const Color& pixel, COLORREF colour)
{
    return nearValue(pixel.red(), GetRValue(colour)) && nearValue(pixel.green(), GetGValue(colour)) &&
           nearValue(pixel.blue(), GetBValue(colour));
}

} // namespace

int screenPixelsOf(const JsonValue& rect, COLORREF colour)
{
    const int width = rect.at(2).toInt();
    const int height = rect.at(3).toInt();
    if (width <= 0 || height <= 0)
        return 0;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.at(0).toInt(), rect.at(1).toInt(), SRCCOPY);
    SelectObject(memory, old);
    const Image image = Image::fromBitmapHandle(bitmap, false);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += nearColour(image.pixel(x, y), colour) ? 1 : 0;
    }
    return count;
}

} // namespace testsupport
