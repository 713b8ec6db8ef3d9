#include "model/config/ViewSettings.h"

#include "foundation/data/ConfigFile.h"
#include "foundation/data/Variant.h"
#include "model/records/RecordFormat.h"

namespace {

const char16_t kTimeFormatKey[] = u"view/timeFormat";
const char16_t kBackgroundKey[] = u"view/movieCardBackgroundColor";
const char16_t kTextKey[] = u"view/movieCardTextColor";
const char16_t kTitleKey[] = u"view/movieCardTitleColor";
const char16_t kLinkKey[] = u"view/movieCardLinkColor";
const char16_t kFontFamilyKey[] = u"view/movieCardFontFamily";
const char16_t kFontSizeKey[] = u"view/movieCardFontSize";

Variant stored(const ConfigFile& config, const char16_t* key)
{
    return config.value(String(key), Variant());
}

Color storedColor(const ConfigFile& config, const char16_t* key)
{
    return Color::fromValue(stored(config, key).toUInt());
}

void store(ConfigFile& config, const char16_t* key, const Variant& value)
{
    config.setValue(String(key), value);
}

} // namespace

void ViewSettings::loadSettings(const ConfigFile& config)
{
    RecordFormat::setTimeFormat(stored(config, kTimeFormatKey).toInt());
    movieCardBackgroundColor = storedColor(config, kBackgroundKey);
    movieCardTextColor = storedColor(config, kTextKey);
    movieCardTitleColor = storedColor(config, kTitleKey);
    movieCardLinkColor = storedColor(config, kLinkKey);
    movieCardFontFamily = stored(config, kFontFamilyKey).toString();
    movieCardFontSize = stored(config, kFontSizeKey).toInt();
}

void ViewSettings::saveSettings(ConfigFile& config) const
{
    store(config, kTimeFormatKey, Variant(RecordFormat::timeFormat()));
    store(config, kBackgroundKey, Variant(movieCardBackgroundColor.value()));
    store(config, kTextKey, Variant(movieCardTextColor.value()));
    store(config, kTitleKey, Variant(movieCardTitleColor.value()));
    store(config, kLinkKey, Variant(movieCardLinkColor.value()));
    store(config, kFontFamilyKey, Variant(movieCardFontFamily));
    store(config, kFontSizeKey, Variant(movieCardFontSize));
}
