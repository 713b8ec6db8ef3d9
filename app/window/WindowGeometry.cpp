#include "app/window/WindowGeometry.h"

#include "foundation/data/ConfigFile.h"
#include "foundation/data/Variant.h"
#include "foundation/platform/Screen.h"
#include "model/application/Application.h"
#include "ui/core/widget/UIWidget.h"

#include <algorithm>

namespace {

String geometryKey(const String& name, const char16_t* part)
{
    return String(u"view/window") + name + part;
}

int32_t storedInt(const ConfigFile& config, const String& name, const char16_t* part)
{
    return config.value(geometryKey(name, part), Variant()).toInt();
}

// What ConfigDefaults registers for a place never stored.
const int32_t kNotStored = -1;

bool placeStored(const StoredGeometry& stored)
{
    return stored.left != kNotStored || stored.top != kNotStored;
}

Rect clientAreaOf(const Rect& frame, const Rect& margins)
{
    return frame.adjusted(margins.x, margins.y, -margins.width, -margins.height);
}

// The stored length, cut to the area's but never below the hint's.
int32_t fittedLength(int32_t stored, int32_t hint, int32_t area)
{
    int32_t length = std::max(stored, hint);
    if (area > 0 && length > area)
        length = std::max(area, hint);
    return length;
}

} // namespace

StoredGeometry readStoredGeometry(const ConfigFile& config, const String& name)
{
    StoredGeometry stored;
    stored.height = storedInt(config, name, u"Height");
    stored.width = storedInt(config, name, u"Width");
    stored.top = storedInt(config, name, u"Top");
    stored.left = storedInt(config, name, u"Left");
    return stored;
}

RestoredPlacement placeRestoredWindow(const StoredGeometry& stored, const Size& frameHint,
                                      const Rect& frameMargins, const Rect& workArea, bool restorePosition,
                                      bool restoreSize)
{
    RestoredPlacement placement;
    placement.size = frameHint;
    if (restoreSize) {
        placement.resize = true;
        placement.size = Size(fittedLength(stored.width, frameHint.width, workArea.width),
                              fittedLength(stored.height, frameHint.height, workArea.height));
    }
    if (!restorePosition || workArea.isEmpty())
        return placement;
    Rect wanted(stored.left, stored.top, placement.size.width, placement.size.height);
    placement.move = true;
    if (placeStored(stored) && workArea.containsRect(clientAreaOf(wanted, frameMargins))) {
        placement.position = wanted.topLeft();
        return placement;
    }
    placement.position = workArea.align(wanted, Rect::kAlignVCenter | Rect::kAlignHCenter).topLeft();
    return placement;
}

bool writeWindowGeometry(ConfigFile& config, const String& name, const Rect& frame, const Rect& frameMargins,
                         const Rect& desktop, bool savePosition, bool saveSize)
{
    if (!desktop.contains(clientAreaOf(frame, frameMargins).topLeft()))
        return false;
    if (savePosition) {
        config.setValue(geometryKey(name, u"Left"), Variant(frame.x));
        config.setValue(geometryKey(name, u"Top"), Variant(frame.y));
    }
    if (saveSize) {
        config.setValue(geometryKey(name, u"Width"), Variant(frame.width));
        config.setValue(geometryKey(name, u"Height"), Variant(frame.height));
    }
    return true;
}

Size frameSizeHint(UIWidget* window)
{
    Size hint = window->effectiveSizeHint();
    Rect margins = window->frameMargins();
    return Size(hint.width + margins.x + margins.width, hint.height + margins.y + margins.height);
}

// Without the application (a window run on its own) there is no
// configuration to keep the place in.
void restoreWindowGeometry(UIWidget* window, const String& name, bool restorePosition, bool restoreSize)
{
    if (!window || !Application::instance())
        return;
    StoredGeometry stored = readStoredGeometry(Application::config(), name);
    Rect margins = window->frameMargins();
    RestoredPlacement placement = placeRestoredWindow(
        stored, frameSizeHint(window), margins, Screen::primaryRect(true), restorePosition, restoreSize);
    if (placement.resize) {
        // The toolkit sizes a window by its client area.
        window->resize(placement.size.width - margins.x - margins.width,
                       placement.size.height - margins.y - margins.height);
    }
    if (placement.move)
        window->moveTo(placement.position);
}

void saveWindowGeometry(UIWidget* window, const String& name, bool savePosition, bool saveSize)
{
    if (!window || !Application::instance() || window->isMaximized() || window->isMinimized())
        return;
    writeWindowGeometry(Application::config(), name, window->frameGeometry(), window->frameMargins(),
                        Screen::virtualDesktopRect(), savePosition, saveSize);
}
