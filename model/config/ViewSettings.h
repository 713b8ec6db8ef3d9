#pragma once

#include "foundation/text/String.h"
#include "graphics/color/Color.h"

#include <cstdint>

class ConfigFile;

// The view's settings that the model's side reads: the movie card's default
// colours and font, and the running-time format. The collection model holds
// the one instance (CollectionModel::viewSettings), where the card renderer
// and the windows reach it, and loads it when the start-up asks
// (CollectionModel::loadViewSettings). The sort the user chose is the model's
// own sort state; the running-time format is kept where the records'
// formatters read it (RecordFormat), so each has one home. The view's other
// keys belong to the windows.
//
// Everything is empty (0) until loadSettings.
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
};
