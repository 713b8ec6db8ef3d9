#include "ui/core/platform/UITrayIconWindow.h"

#include "foundation/platform/Input.h"
#include "ui/core/events/UIEventType.h"
#include "ui/core/events/UIMouseEvent.h"
#include "ui/core/platform/FixedText.h"
#include "ui/core/platform/UITrayIcon.h"

#include <windows.h>

#include <shellapi.h>

namespace {

const wchar_t kClassName[] = L"C97B81D7-852C-45cc-9F97-597D225C9B3E";
const wchar_t kCallbackMessageName[] = L"D2F33579-5A5F-43ff-8E19-74B1974E8488";
// The record without the trailing GUID and balloon icon, which every shell
// since Windows 2000 takes.
const DWORD kRecordBytes = 936;

char16_t* field(wchar_t* text)
{
    return reinterpret_cast<char16_t*>(text);
}

template <int N> void copyText(wchar_t (&target)[N], const String& text)
{
    FixedText::copy(text, field(target), N);
}

DWORD balloonIcon(int kind)
{
    switch (kind) {
    case UITrayIcon::kInformation:
        return NIIF_INFO;
    case UITrayIcon::kWarning:
        return NIIF_WARNING;
    case UITrayIcon::kError:
        return NIIF_ERROR;
    default:
        return NIIF_NONE;
    }
}

} // namespace

struct UITrayIconWindow::ShellRecord
{
    NOTIFYICONDATAW data;
};

UITrayIconWindow::UITrayIconWindow(UITrayIcon* owner)
    : NativeWindow(String(reinterpret_cast<const char16_t*>(kClassName)), nullptr), m_owner(owner),
      m_taskbarCreatedMessage(RegisterWindowMessageW(L"TaskbarCreated")),
      m_callbackMessage(RegisterWindowMessageW(kCallbackMessageName)),
      m_record(std::make_unique<ShellRecord>())
{
    UITrayIcon::allowMessage(handle(), m_taskbarCreatedMessage);
    add();
}

UITrayIconWindow::~UITrayIconWindow()
{
    Shell_NotifyIconW(NIM_DELETE, &m_record->data);
    destroyIconHandle();
}

bool UITrayIconWindow::add()
{
    NOTIFYICONDATAW& data = m_record->data;
    data = NOTIFYICONDATAW();
    data.cbSize = kRecordBytes;
    data.hWnd = static_cast<HWND>(handle());
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_STATE;
    data.uCallbackMessage = m_callbackMessage;
    data.dwState = NIS_HIDDEN;
    data.dwStateMask = NIS_HIDDEN;
    return Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void UITrayIconWindow::destroyIconHandle()
{
    if (m_record->data.hIcon)
        DestroyIcon(m_record->data.hIcon);
    m_record->data.hIcon = nullptr;
}

bool UITrayIconWindow::setVisible(bool visible)
{
    if (visible == m_visible)
        return true;
    m_visible = visible;
    NOTIFYICONDATAW& data = m_record->data;
    data.uFlags = NIF_STATE;
    data.dwState = visible ? 0 : NIS_HIDDEN;
    data.dwStateMask = NIS_HIDDEN;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool UITrayIconWindow::setIcon(const Image& image)
{
    m_icon = image;
    destroyIconHandle();
    NOTIFYICONDATAW& data = m_record->data;
    data.hIcon = image.toIcon();
    data.uFlags = NIF_ICON;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool UITrayIconWindow::setToolTip(const String& text)
{
    m_toolTip = text;
    NOTIFYICONDATAW& data = m_record->data;
    copyText(data.szTip, text);
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool UITrayIconWindow::showBalloon(const String& title, const String& text, int kind)
{
    NOTIFYICONDATAW& data = m_record->data;
    copyText(data.szInfoTitle, title);
    copyText(data.szInfo, text);
    data.dwInfoFlags = balloonIcon(kind);
    data.uFlags = NIF_INFO;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void UITrayIconWindow::readd()
{
    bool wasVisible = m_visible;
    m_visible = false;
    destroyIconHandle();
    add();
    if (!m_icon.isNull())
        setIcon(m_icon);
    if (!m_toolTip.isEmpty())
        setToolTip(m_toolTip);
    if (wasVisible)
        setVisible(true);
}

bool UITrayIconWindow::handleMessage(NativeMessage* message)
{
    if (message->message == m_callbackMessage && message->wParam == kIconId) {
        mouseMessage(static_cast<uint32_t>(message->lParam));
        message->result = 0;
        return true;
    }
    if (message->message == m_taskbarCreatedMessage) {
        readd();
        message->result = 0;
        return true;
    }
    return false;
}

void UITrayIconWindow::mouseMessage(uint32_t message)
{
    // A slot may delete the icon, and this window with it: nothing of this
    // object is touched after an emission unless the icon is still there.
    UITrayIcon* owner = m_owner;
    Point position = Input::cursorPos();
    uint32_t buttons = Input::mouseButtons();
    uint32_t modifiers = Input::keyboardModifiers();
    auto event = [&](int type, uint32_t button) {
        return UIMouseEvent(type, buttons, button, position, modifiers);
    };
    switch (message) {
    case WM_MOUSEMOVE: {
        m_lastActiveWindow = GetActiveWindow();
        UIMouseEvent move = event(kMouseMoveEvent, 1);
        owner->mouseMoved.emitValue(&move);
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
        UIMouseEvent press = event(kMousePressEvent, message == WM_LBUTTONDOWN ? 1 : 2);
        owner->mousePressed.emitValue(&press);
        return;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        uint32_t button = message == WM_LBUTTONUP ? 1 : 2;
        UIMouseEvent release = event(kMouseReleaseEvent, button);
        owner->mouseReleased.emitValue(&release);
        if (!UITrayIcon::isAlive(owner))
            return;
        if (button == 2)
            owner->popupMenu();
        if (!UITrayIcon::isAlive(owner))
            return;
        UIMouseEvent click = event(kClickEvent, button);
        owner->clicked.emitValue(&click);
        return;
    }
    default:
        return;
    }
}
