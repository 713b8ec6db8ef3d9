#pragma once

#include "foundation/geometry/Size.h"
#include "ui/views/scene/RenderDevice.h"

class Image;
class String;
struct _GUID;

// Turns image files into the 32-bit pixel blocks textures are made from,
// through the system's GDI+. The block is ours to free with freePixels once
// the texture exists.
class TextureLoader
{
public:
    // GDI+ for the loader alone: its start and stop never end a GDI+ that
    // someone else started.
    static bool startGdiplus();
    static void stopGdiplus();

    // Starts GDI+, loads, stops it again.
    static bool loadImagePixels(PixelBlock& out, const String& path, const Size& box);
    // With GDI+ running: the picture fitted into box keeping its aspect (each
    // side at least 1), or whole when the box is under 1 x 1. False, with out
    // untouched, for a missing, unreadable or oversized picture.
    static bool loadImageFile(PixelBlock& out, const String& path, const Size& box);
    // The size the picture gets in the box.
    static Size fittedSize(const Size& picture, const Size& box);
    static void freePixels(PixelBlock& block);
    // A copy of a 32-bit picture's rows in a block of its own; false, with
    // out untouched, when the memory is not there.
    static bool pixelsFromImage(const Image& image, PixelBlock& out);
    // The installed encoder for a file extension written without the dot, in
    // lower case exactly as the files we write carry it ("JPG" finds none).
    static bool encoderForExtension(const String& extension, _GUID& clsid);
};
