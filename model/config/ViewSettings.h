#pragma once

#include "foundation/text/String.h"
#include "graphics/color/Color.h"

#include <cstdint>

class ConfigFile;

// The view's settings that the model's side reads: the movie card's default
// colours and font, the sort the user chose, and the running-time format. The
// running-time format is kept where the records' formatters read it
// (RecordFormat), so it has one home; these operations only load and save
// it. The view's other keys belong to the windows.
//
// Everything is empty (0) until loadSettings; the start-up loads the settings
// before any window reads them.
class ViewSettings
{
public:
    // Reads the keys; missing ones read as 0 or empty.
    void loadSettings(const ConfigFile& config);
    // Stores the keys without saving the file.
    void saveSettings(ConfigFile& config) const;

    Color movieCardBackgroundColor;
    Color movieCardTextColor;
    Color movieCardTitleColor;
    Color movieCardLinkColor;
    String movieCardFontFamily;
    // Pixels.
    int32_t movieCardFontSize = 0;
    int32_t sortMode = 0;
    int32_t sortOrder = 0;
};
