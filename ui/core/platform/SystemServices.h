#pragma once

#include "foundation/text/String.h"
#include "graphics/image/Image.h"

#include <cstdint>

// What widgets ask of the system: the user's preferences, the toolkit's
// fixed tool-tip timings, what the running Windows offers, two process-wide
// switches the window procedure reads, and the shell's icons, thumbnails and
// version fields of files. Every failure reads as 0, false or empty.
class SystemServices
{
public:
    static constexpr int kToolTipShowDelay = 800;
    static constexpr int kToolTipDisplayTime = 4500;
    static constexpr int kToolTipReshowDelay = 1000;
    static constexpr int kUnsetValue = -1;

    // The user's preferences, asked afresh each time.
    static bool snapToDefaultButton();
    static bool clearTypeSmoothing();
    static bool dropShadowEnabled();
    static bool cursorShadowEnabled();
    static int wheelScrollLines();
    static int menuShowDelay();
    // Milliseconds between two blinks of a text caret.
    static int caretBlinkTime();

    static int toolTipShowDelay() { return kToolTipShowDelay; }
    static int toolTipDisplayTime() { return kToolTipDisplayTime; }
    static int toolTipReshowDelay() { return kToolTipReshowDelay; }
    static int unsetValue() { return kUnsetValue; }

    // While off, the window procedure refuses the screen saver or the
    // monitor's power-off; both are on at start.
    static void setScreenSaverAllowed(bool allowed);
    static bool screenSaverAllowed();
    static void setMonitorPowerOffAllowed(bool allowed);
    static bool monitorPowerOffAllowed();
    static bool isVistaOrLater();

    // Whether Explorer is set to show hidden files.
    static bool showHiddenFilesSetting();
    // 16, 32 and 48; 256 from Windows Vista on.
    static bool isSupportedIconSize(int size);
    // The shell's icon of a file, of a file type ("txt", without the dot)
    // and of an entry of the system image list, size by size pixels.
    static Image fileIcon(const String& path, int size);
    static Image extensionIcon(const String& extension, int size);
    static Image systemImageListIcon(int size, int index);
    // The icon the file's shell folder extracts for it, and its thumbnail.
    static Image extractedIcon(const String& path, int size);
    static Image thumbnail(const String& path, int size);

    // Fields of a file's version resource; empty when the file has none.
    static String fileDescription(const String& path);
    static String fileVersion(const String& path);
    static String productName(const String& path);
    static String productVersion(const String& path);
    static String companyName(const String& path);
    static String versionField(const String& path, const String& field);
    // "\StringFileInfo\<language><code page>\<field>", both as four hex
    // digits.
    static String versionFieldPath(uint16_t language, uint16_t codePage, const String& field);

    // The name of the index-th resource of an integer type in a module, an
    // integer id as "#<id>"; empty when there are fewer.
    static String resourceName(void* module, int type, int index);

    // Finds the index-th name of a resource enumeration: offered names are
    // counted until the wanted one, which is kept and ends the search.
    struct ResourceNameSearch
    {
        int wanted = 0;
        int seen = 0;
        String found;
        // False when the search is over.
        bool offer(const String& name);
        bool offerId(int id) { return offer(String(u"#") + String::fromInt(id)); }
    };

    // The system image list of a size: 1 small (16), 0 large (32), 2 extra
    // large (48), 4 jumbo (256); -1 for any other size.
    static int imageListKind(int size);

private:
    struct State
    {
        bool screenSaverAllowed = true;
        bool monitorPowerOffAllowed = true;
        bool vistaOrLater = false;
        void* getImageList = nullptr;
        void* createItemFromParsingName = nullptr;
    };

    static State& state();
    // The capability probe, run once before the first answer.
    static State probe();
};
