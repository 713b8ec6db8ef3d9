#pragma once

#include "foundation/containers/List.h"
#include "foundation/signals/Signal.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"
#include "ui/core/input/UIClipboard.h"

#include <cstdint>
#include <memory>

class UITheme;
class UIWidget;

// The toolkit's process-wide object: every widget, the main window, the
// theme, the window icons, the modal count, the cursor override and the
// sounds switch. Built on first use, it starts the graphics back ends the
// toolkit draws with.
class UIApplication
{
public:
    // windowCount filter bits.
    static constexpr uint32_t kVisibleOnly = 1;
    static constexpr uint32_t kNoMenus = 2;
    static constexpr uint32_t kNoToolTips = 4;
    static constexpr uint32_t kNoBalloonTips = 8;
    static constexpr uint32_t kAddModal = 16;

    static UIApplication* instance();
    virtual ~UIApplication();
    UIApplication(const UIApplication&) = delete;
    UIApplication& operator=(const UIApplication&) = delete;

    void registerWidget(UIWidget* widget);
    void unregisterWidget(UIWidget* widget);
    bool contains(const UIWidget* widget) const;
    int widgetCount() const { return m_widgets.count(); }
    const List<UIWidget*>& widgetList() const { return m_widgets; }
    List<UIWidget*> windows() const;
    UIWidget* windowForHandle(void* handle) const;
    int windowCount(uint32_t filter) const;
    void setMainWindow(UIWidget* widget);
    UIWidget* mainWindow() const { return m_mainWindow; }
    void retranslateAll();

    // A name with '\' is a path; otherwise "<name>.style" in the program's
    // folder, then in its "styles" folder. False keeps the current theme.
    bool loadTheme(const String& name);
    bool loadThemeFromMemory(const void* data, int size);
    // Takes the theme; null gives false, the current one true and nothing
    // else.
    bool setTheme(UITheme* theme);
    UITheme* theme() const { return m_theme.get(); }

    Image smallWindowIcon() const { return m_smallIcon; }
    Image bigWindowIcon() const { return m_bigIcon; }
    void setSmallWindowIcon(const Image& image) { m_smallIcon = image; }
    void setBigWindowIcon(const Image& image) { m_bigIcon = image; }

    UIClipboard* clipboard() { return &m_clipboard; }

    void enterModal() { ++m_modalCount; }
    void leaveModal() { --m_modalCount; }
    int modalCount() const { return m_modalCount; }

    void setSoundsEnabled(bool enabled) { m_soundsEnabled = enabled; }
    bool soundsEnabled() const { return m_soundsEnabled; }
    void playSound(int kind);
    // Emitted with the kind of every sound asked for, played or not.
    Signal soundRequested;
    void playSoundFile(const String& path);

    // Overrides nest: each restore brings back the shape from before its own
    // set, and the last one gives the widgets their own cursors again.
    void setOverrideCursor(int shape);
    void restoreOverrideCursor();
    int overrideCursor() const;

    const String& titleSeparator() const { return m_titleSeparator; }
    void setTitleSeparator(const String& text) { m_titleSeparator = text; }

private:
    struct CursorOverride
    {
        int shape;
        int remembered;
    };

    UIApplication();
    bool adoptLoadedTheme(std::unique_ptr<UITheme> theme);
    String findThemeFile(const String& name) const;
    void repaintVisibleWindows();
    void loadIcons();
    // The platform's graphics back ends.
    static void startBackends();
    static void stopBackends();
    static void stopSound();
    static void playSystemSound(int kind);
    static void playFileAsync(const String& path);

    List<UIWidget*> m_widgets;
    UIWidget* m_mainWindow = nullptr;
    int m_modalCount = 0;
    Image m_smallIcon;
    Image m_bigIcon;
    std::unique_ptr<UITheme> m_theme;
    UIClipboard m_clipboard;
    bool m_soundsEnabled = true;
    String m_titleSeparator;
    List<CursorOverride> m_overrides;
};
