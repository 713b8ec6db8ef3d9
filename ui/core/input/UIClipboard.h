#pragma once

#include "foundation/signals/Signal.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"

#include <memory>

// The system clipboard for texts and images. The object is itself the
// clipboard-changed signal, emitted while the viewer is active whenever any
// program changes the clipboard. Every failure plays the failure sound.
class UIClipboard : public Signal
{
public:
    // What availableFormat reports.
    static constexpr int kNothing = 0;
    static constexpr int kText = 1;
    static constexpr int kImage = 2;

    UIClipboard();
    ~UIClipboard() override;

    // An empty text or a null image leaves the clipboard as it was.
    void setText(const String& text);
    void setImage(const Image& image);
    // Text wins over an image.
    static int availableFormat();
    String text() const;
    // The null image while the clipboard holds a text.
    Image image() const;
    // Joins or leaves the system's chain of clipboard viewers.
    bool setViewerActive(bool on);

    // An image whose alpha is 0 everywhere comes from a program that keeps
    // no alpha: it is made opaque instead of invisible.
    static Image visibleImage(const Image& image);

private:
    // The system's clipboard format numbers.
    static constexpr int kUnicodeTextFormat = 13;
    static constexpr int kDibFormat = 8;
    static constexpr int kBitmapFormat = 2;

    struct Viewer;

    static void failed();
    Image readImage() const;
    // The platform clipboard. A block is written whole or not at all, and the
    // clipboard keeps its content when the block cannot be made.
    static bool hasFormat(int format);
    bool writeBlock(int format, const ByteArray& block);
    bool readBlock(int format, ByteArray* block) const;
    // The system's bitmap format, where there is one.
    Image readBitmap() const;

    std::unique_ptr<Viewer> m_viewer;
};
