// Compile-only: the calls the toolkit and the windows make of the graphics
// library's Windows side (handles, surfaces, regions, devices, codecs),
// written the way those callers write them. It is never run.
#include "graphics/codecs/ImageCodec.h"
#include "graphics/d3d/D3D9Texture.h"
#include "graphics/image/Image.h"
#include "graphics/paint/BitmapSurface.h"
#include "graphics/paint/FontFamilies.h"
#include "graphics/paint/PaintDevice.h"
#include "graphics/paint/Region.h"

namespace callforms {

void handles(HBITMAP__* bitmap, HICON__* icon)
{
    Image fromBitmap = Image::fromBitmapHandle(bitmap, true);
    int hotSpotX = 0;
    int hotSpotY = 0;
    Image fromIcon = Image::fromIconHandle(icon, &hotSpotX, &hotSpotY);
    HICON__* madeIcon = fromIcon.toIcon();
    HICON__* madeCursor = fromIcon.toCursor(hotSpotX, hotSpotY);
    HBITMAP__* madeBitmap = fromBitmap.toBitmapHandle();
    (void)madeIcon, (void)madeCursor, (void)madeBitmap;
}

void surfacesAndRegions(D3D9Texture& texture)
{
    ImageCodec::registerAll();
    PaintDevice::createDefault();
    BitmapSurface surface(16, 16);
    surface.setFillColor(Color::ColorRgb(1, 2, 3));
    bool resized = surface.resize(32, 32);
    HDC__* dc = surface.hdc();
    Region region = Region::RegionFromRect(Rect(0, 0, 10, 10));
    Region rest = region.subtracted(Region::RegionFromRect(Rect(0, 0, 5, 5)));
    region.assign(rest);
    StringList families = availableFontFamilies();
    Size textureSize = texture.size();
    int format = texture.formatCode();
    texture.release();
    PaintDevice::destroyAll();
    ImageCodec::unregisterAll();
    (void)resized, (void)dc, (void)families, (void)textureSize, (void)format;
}

} // namespace callforms
