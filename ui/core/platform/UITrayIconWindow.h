#pragma once

#include "foundation/platform/NativeWindow.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"

#include <cstdint>
#include <memory>

class UITrayIcon;

// The hidden window of a tray icon: it keeps the shell's record of the icon,
// hears the icon's mouse messages and adds the icon again when the taskbar
// is recreated.
class UITrayIconWindow : public NativeWindow
{
public:
    static constexpr uint32_t kIconId = 1;

    explicit UITrayIconWindow(UITrayIcon* owner);
    ~UITrayIconWindow() override;

    bool handleMessage(NativeMessage* message) override;

    bool setVisible(bool visible);
    bool isVisible() const { return m_visible; }
    bool setIcon(const Image& image);
    const Image& icon() const { return m_icon; }
    bool setToolTip(const String& text);
    const String& toolTip() const { return m_toolTip; }
    bool showBalloon(const String& title, const String& text, int kind);
    void* lastActiveWindow() const { return m_lastActiveWindow; }
    uint32_t callbackMessage() const { return m_callbackMessage; }

private:
    struct ShellRecord;

    bool add();
    void readd();
    void mouseMessage(uint32_t message);
    void destroyIconHandle();

    UITrayIcon* m_owner;
    uint32_t m_taskbarCreatedMessage;
    uint32_t m_callbackMessage;
    void* m_lastActiveWindow = nullptr;
    std::unique_ptr<ShellRecord> m_record;
    bool m_visible = false;
    String m_toolTip;
    Image m_icon;
};
