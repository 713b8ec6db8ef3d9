#include "ui/core/theme/UICursors.h"

#include "foundation/core/AppCore.h"
#include "foundation/data/PakArchive.h"
#include "ui/core/theme/UICursorTable.h"

#include <windows.h>

#include <algorithm>

namespace {

UICursorTable& table()
{
    static UICursorTable instance;
    return instance;
}

// The cursor this thread set last. Setting one is a trip to the window
// server and every mouse move asks for one, mostly the same again.
struct LastCursor
{
    bool known = false;
    HCURSOR handle = nullptr;
};

LastCursor& lastCursor()
{
    static LastCursor last;
    return last;
}

struct SystemCursor
{
    int shape;
    const wchar_t* id;
};

const SystemCursor kSystemCursors[] = {
    {1, IDC_ARROW},    {2, IDC_CROSS},   {3, IDC_WAIT},      {4, IDC_IBEAM},
    {9, IDC_SIZENS},   {10, IDC_SIZEWE}, {11, IDC_SIZENESW}, {12, IDC_SIZENWSE},
    {13, IDC_SIZEALL}, {26, IDC_ARROW},  {27, IDC_ARROW},    {28, IDC_ARROW},
};

const int kUtf8 = 3;

// A cursor from a picture of any size: scaled to the system's cursor size
// first, the hot spot alike, so an odd-sized picture still makes a cursor.
HCURSOR cursorFromImage(const Image& picture, int hotspotX, int hotspotY)
{
    if (picture.isNull())
        return nullptr;
    const int width = GetSystemMetrics(SM_CXCURSOR);
    const int height = GetSystemMetrics(SM_CYCURSOR);
    Image image = picture;
    if (picture.width() != width || picture.height() != height) {
        image = picture.scaled(width, height, 2);
        hotspotX = hotspotX * width / picture.width();
        hotspotY = hotspotY * height / picture.height();
    }
    hotspotX = std::min(std::max(hotspotX, 0), width - 1);
    hotspotY = std::min(std::max(hotspotY, 0), height - 1);
    return image.toCursor(hotspotX, hotspotY);
}

void loadFileCursors(const PakArchive& archive)
{
    const PakItem* list = archive.findItem(String(u"cursors"), String(u"cursors.xml"));
    if (!list)
        return;
    const String text = String::fromTextBuffer(list->data(), list->dataSize(), kUtf8);
    for (const UICursorTable::FileCursor& cursor : UICursorTable::parseCursorList(text)) {
        const PakItem* item = archive.findItem(String(u"cursors"), cursor.name + u".png");
        HCURSOR handle = nullptr;
        if (item)
            handle = cursorFromImage(Image::fromData(item->data(), item->dataSize(), String(u"png")),
                                     cursor.hotspotX, cursor.hotspotY);
        table().add(cursor.shape, handle, false);
    }
}

void fill()
{
    for (const SystemCursor& cursor : kSystemCursors)
        table().add(cursor.shape, LoadCursorW(nullptr, cursor.id), true);
    AppCore* core = AppCore::instance();
    const PakArchive* data = core ? core->findPak(String(u"data")) : nullptr;
    if (data)
        loadFileCursors(*data);
}

bool inputDesktopAvailable()
{
    HDESK desktop = OpenInputDesktop(0, FALSE, DESKTOP_READOBJECTS);
    if (!desktop)
        return false;
    CloseDesktop(desktop);
    return true;
}

HCURSOR cursorOfThread(HWND window)
{
    const DWORD own = GetCurrentThreadId();
    const DWORD other = GetWindowThreadProcessId(window, nullptr);
    if (other == own)
        return GetCursor();
    if (!AttachThreadInput(own, other, TRUE))
        return nullptr;
    HCURSOR cursor = GetCursor();
    AttachThreadInput(own, other, FALSE);
    return cursor;
}

// The cursor moved 3 down-right and 1 down, darkened to 100/255 and blurred,
// under the cursor itself.
Image withShadow(const Image& cursor)
{
    Image shadow(cursor.width() + 10, cursor.height() + 10, true);
    shadow.fill(Color(0x00FFFFFFu));
    shadow.drawImage(cursor, Point(3, 1));
    for (int y = 0; y < shadow.height(); ++y) {
        for (int x = 0; x < shadow.width(); ++x) {
            const Color c = shadow.pixel(x, y);
            if (c.alpha() > 0)
                shadow.setPixel(x, y, Color(static_cast<uint8_t>(c.alpha() * 100 / 255), 0, 0, 0));
        }
    }
    shadow.blur(3.0f);
    shadow.drawImage(cursor, Point(0, 0));
    return shadow;
}

bool systemDrawsShadow()
{
    BOOL on = FALSE;
    return SystemParametersInfoW(SPI_GETCURSORSHADOW, 0, &on, 0) && on;
}

} // namespace

void* UICursors::handle(int shape)
{
    if (table().isEmpty())
        fill();
    return table().handle(shape);
}

void UICursors::setCursor(const UICursor& cursor)
{
    void* found = handle(cursor.shape());
    if (!found && cursor.shape() != UICursorTable::kEmpty)
        found = handle(UICursorTable::kArrow);
    LastCursor& last = lastCursor();
    if (last.known && last.handle == found)
        return;
    SetCursor(static_cast<HCURSOR>(found));
    last.known = true;
    last.handle = static_cast<HCURSOR>(found);
}

void UICursors::forgetLastCursor()
{
    lastCursor().known = false;
}

void* UICursors::currentHandle()
{
    POINT point;
    if (!inputDesktopAvailable() || !GetCursorPos(&point))
        return nullptr;
    HWND window = WindowFromPoint(point);
    if (!window || !IsWindow(window))
        return nullptr;
    return cursorOfThread(window);
}

int UICursors::currentShape()
{
    handle(UICursorTable::kArrow);
    return table().shapeOf(currentHandle());
}

bool UICursors::isShadowedSystemCursor(void* cursor)
{
    handle(UICursorTable::kArrow);
    return table().isShadowedSystemCursor(cursor);
}

Image UICursors::cursorImage(int* hotspotX, int* hotspotY)
{
    void* cursor = currentHandle();
    if (!cursor)
        return Image();
    Image image = Image::fromCursorHandle(static_cast<HICON>(cursor), hotspotX, hotspotY);
    if (image.isNull() || !image.hasVisiblePixels())
        return image;
    if (!isShadowedSystemCursor(cursor) || !systemDrawsShadow())
        return image;
    return withShadow(image);
}

void UICursors::destroy()
{
    for (const UICursorTable::Entry& entry : table().entries()) {
        if (!entry.system && entry.handle)
            DestroyCursor(static_cast<HCURSOR>(entry.handle));
    }
    table().clear();
    forgetLastCursor();
}

void UICursor::apply() const
{
    UICursors::setCursor(*this);
}

UICursor UICursor::current()
{
    return UICursor(UICursors::currentShape());
}
