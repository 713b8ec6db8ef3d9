#include "ui/core/input/UIClipboard.h"

#include "foundation/platform/NativeWindow.h"
#include "ui/core/input/UIGlobalBlock.h"

#include <windows.h>

namespace {

const char16_t kViewerClass[] = u"6F6C82DD-D848-4b56-B1B7-E67DE88F7425";

// Holds the clipboard open for one read or write.
class OpenClipboardScope
{
public:
    explicit OpenClipboardScope(void* owner) : m_open(OpenClipboard(static_cast<HWND>(owner)) != FALSE) {}
    ~OpenClipboardScope()
    {
        if (m_open)
            CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;

    bool isOpen() const { return m_open; }

private:
    bool m_open;
};

} // namespace

// The hidden window that owns what we put on the clipboard and, while
// active, sits in the chain of windows told about every change.
struct UIClipboard::Viewer : public NativeWindow
{
    explicit Viewer(UIClipboard* owner) : NativeWindow(String(kViewerClass), nullptr), owner(owner) {}
    // The chain would otherwise keep pointing at a window that is gone.
    ~Viewer() override { leave(); }

    bool join()
    {
        if (active)
            return true;
        // An empty chain answers null without setting an error: an error
        // left over from an earlier call must not read as a failure.
        SetLastError(0);
        next = SetClipboardViewer(static_cast<HWND>(handle()));
        active = GetLastError() == 0;
        return active;
    }

    bool leave()
    {
        if (!active)
            return false;
        BOOL left = ChangeClipboardChain(static_cast<HWND>(handle()), next);
        next = nullptr;
        active = false;
        return left != FALSE;
    }

    bool handleMessage(NativeMessage* message) override
    {
        if (message->message == WM_DRAWCLIPBOARD) {
            if (next)
                PostMessageW(next, WM_DRAWCLIPBOARD, message->wParam, message->lParam);
            owner->emit();
            return false;
        }
        if (message->message != WM_CHANGECBCHAIN)
            return false;
        if (reinterpret_cast<HWND>(message->wParam) == next)
            next = reinterpret_cast<HWND>(message->lParam);
        else if (next)
            PostMessageW(next, WM_CHANGECBCHAIN, message->wParam, message->lParam);
        message->result = 0;
        return true;
    }

    UIClipboard* owner;
    HWND next = nullptr;
    bool active = false;
};

UIClipboard::UIClipboard() : m_viewer(std::make_unique<Viewer>(this)) {}

UIClipboard::~UIClipboard() = default;

bool UIClipboard::setViewerActive(bool on)
{
    return on ? m_viewer->join() : m_viewer->leave();
}

bool UIClipboard::hasFormat(int format)
{
    return IsClipboardFormatAvailable(UINT(format)) != FALSE;
}

bool UIClipboard::writeBlock(int format, const ByteArray& block)
{
    // Made before the clipboard is emptied, so that a failure here keeps
    // what the user had there.
    HGLOBAL memory = static_cast<HGLOBAL>(UIGlobalBlock::fromBytes(block));
    if (!memory)
        return false;
    OpenClipboardScope clipboard(m_viewer->handle());
    if (!clipboard.isOpen() || !EmptyClipboard() || !SetClipboardData(UINT(format), memory)) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

bool UIClipboard::readBlock(int format, ByteArray* block) const
{
    OpenClipboardScope clipboard(m_viewer->handle());
    if (!clipboard.isOpen())
        return false;
    UIGlobalBlock data(GetClipboardData(UINT(format)));
    *block = data.bytes();
    return !block->isEmpty();
}

Image UIClipboard::readBitmap() const
{
    OpenClipboardScope clipboard(m_viewer->handle());
    if (!clipboard.isOpen())
        return Image();
    return Image::fromBitmapHandle(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)), true);
}
