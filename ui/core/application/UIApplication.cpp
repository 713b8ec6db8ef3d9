#include "ui/core/application/UIApplication.h"

#include "foundation/core/AppCore.h"
#include "foundation/data/PakArchive.h"
#include "foundation/io/File.h"
#include "foundation/io/Path.h"
#include "graphics/paint/FontDesc.h"
#include "ui/core/input/UICursorHost.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UIWidget.h"

namespace {

const char16_t kEnDashSeparator[] = {u' ', 0x2013, u' ', 0};

// A missing archive or item leaves the icon empty.
Image iconFromData(const String& itemName)
{
    AppCore* core = AppCore::instance();
    PakArchive* archive = core ? core->findPak(String(u"data")) : nullptr;
    PakItem* item = archive ? archive->findItem(String(u"images"), itemName) : nullptr;
    if (!item)
        return Image();
    return Image::fromData(item->data(), item->dataSize(), String(u"png"));
}

} // namespace

UIApplication* UIApplication::instance()
{
    static UIApplication application;
    return &application;
}

UIApplication::UIApplication() : m_titleSeparator(kEnDashSeparator)
{
    startBackends();
    loadIcons();
}

UIApplication::~UIApplication()
{
    m_theme.reset();
    stopBackends();
}

void UIApplication::loadIcons()
{
    m_smallIcon = iconFromData(String(u"window_icon_small.png"));
    m_bigIcon = iconFromData(String(u"window_icon_big.png"));
}

void UIApplication::registerWidget(UIWidget* widget)
{
    m_widgets.append(widget);
}

void UIApplication::unregisterWidget(UIWidget* widget)
{
    m_widgets.removeOne(widget);
    if (m_mainWindow == widget)
        m_mainWindow = nullptr;
}

bool UIApplication::contains(const UIWidget* widget) const
{
    for (UIWidget* known : m_widgets) {
        if (known == widget)
            return true;
    }
    return false;
}

List<UIWidget*> UIApplication::windows() const
{
    List<UIWidget*> result;
    for (UIWidget* widget : m_widgets) {
        if (widget->isWindow())
            result.append(widget);
    }
    return result;
}

UIWidget* UIApplication::windowForHandle(void* handle) const
{
    for (UIWidget* widget : m_widgets) {
        if (widget->isWindow() && widget->existingNativeHandle() == handle)
            return widget;
    }
    return nullptr;
}

int UIApplication::windowCount(uint32_t filter) const
{
    int count = 0;
    for (UIWidget* widget : m_widgets) {
        if (!widget->isWindow())
            continue;
        if ((filter & kVisibleOnly) && !widget->isVisible())
            continue;
        const String& style = widget->styleName();
        if ((filter & kNoMenus) && style == String(u"UIMenu"))
            continue;
        if ((filter & kNoToolTips) && style == String(u"UIToolTip"))
            continue;
        if ((filter & kNoBalloonTips) && style == String(u"UIBalloonTip"))
            continue;
        ++count;
    }
    if (filter & kAddModal)
        count += m_modalCount;
    return count;
}

void UIApplication::setMainWindow(UIWidget* widget)
{
    m_mainWindow = widget;
    if (AppCore* core = AppCore::instance())
        core->setMainWindow(widget ? widget->nativeHandle() : nullptr);
}

void UIApplication::setClearTypeEnabled(bool enabled)
{
    if (enabled == FontDesc::clearTypeEnabled())
        return;
    FontDesc::setClearTypeEnabled(enabled);
    // A paint handler may close a window: each is looked up before use.
    for (UIWidget* window : windows()) {
        if (contains(window) && window->isVisible())
            window->update();
    }
}

bool UIApplication::clearTypeEnabled() const
{
    return FontDesc::clearTypeEnabled();
}

void UIApplication::retranslateAll()
{
    for (UIWidget* widget : m_widgets)
        widget->retranslate();
}

String UIApplication::findThemeFile(const String& name) const
{
    if (name.containsChar(u'\\', String::kCaseSensitive))
        return File::exists(name) ? name : String();
    // Any other name is joined to the program's folders, so it must stay a
    // plain name there ("../x" would not) and no device's ("CON.style" is
    // still the console).
    AppCore* core = AppCore::instance();
    if (!core || !isUsableFileName(name))
        return String();
    String folder = core->appDirectory();
    folder.appendChar(u'\\');
    String direct = folder + name + String(u".style");
    if (File::exists(direct))
        return direct;
    String inStyles = folder + String(u"styles\\") + name + String(u".style");
    return File::exists(inStyles) ? inStyles : String();
}

bool UIApplication::loadTheme(const String& name)
{
    String path = findThemeFile(name);
    if (path.isEmpty())
        return false;
    auto theme = std::make_unique<UITheme>();
    if (!theme->loadFromPath(path))
        return false;
    return setTheme(theme.release());
}

bool UIApplication::loadThemeFromMemory(const void* data, int size)
{
    auto theme = std::make_unique<UITheme>();
    if (!theme->loadFromMemory(data, size))
        return false;
    return setTheme(theme.release());
}

bool UIApplication::setTheme(UITheme* theme)
{
    if (!theme)
        return false;
    if (theme == m_theme.get())
        return true;
    m_theme.reset(theme);
    repaintVisibleWindows();
    return true;
}

void UIApplication::repaintVisibleWindows()
{
    for (UIWidget* widget : m_widgets) {
        if (widget->isWindow() && widget->isVisible()) {
            widget->relayout();
            widget->update();
        }
    }
}

void UIApplication::playSound(int kind)
{
    soundRequested.emitValue(static_cast<intptr_t>(kind));
    if (!m_soundsEnabled)
        return;
    stopSound();
    playSystemSound(kind);
}

void UIApplication::playSoundFile(const String& path)
{
    if (!m_soundsEnabled || !File::exists(path))
        return;
    stopSound();
    playFileAsync(path);
}

void UIApplication::setOverrideCursor(int shape)
{
    UICursorHost* cursor = UICursorHost::instance();
    m_overrides.append(CursorOverride{shape, cursor->shape()});
    cursor->setShape(shape);
}

void UIApplication::restoreOverrideCursor()
{
    List<CursorOverride>::Node* last = m_overrides.last();
    if (!last)
        return;
    int remembered = last->value.remembered;
    m_overrides.erase(last);
    // The shape from before the outermost override may have been none at all
    // (no cursor read back): the arrow is shown rather than a hidden pointer.
    UICursorHost::instance()->setShape(remembered != 0 ? remembered : UIWidget::kArrowCursor);
}

int UIApplication::overrideCursor() const
{
    List<CursorOverride>::Node* last = m_overrides.last();
    return last ? last->value.shape : 0;
}
