#include "model/config/ConfigDefaults.h"

#include "graphics/color/Color.h"

namespace {

void add(ConfigDefaultList& out, const String& key, const Variant& value)
{
    out.append(ConfigDefault{key, value});
}

void add(ConfigDefaultList& out, const char16_t* key, const Variant& value)
{
    add(out, String(key), value);
}

struct WindowGeometry
{
    const char16_t* name;
    bool hasSize;
};

// Windows that the user can resize store their size as well as their place.
const WindowGeometry kWindows[] = {
    {u"Main", true},
    {u"NewCollection", false},
    {u"OpenCollection", false},
    {u"AddEditMovie", true},
    {u"Statistics", false},
    {u"Options", false},
    {u"AddEditMovieLink", false},
    {u"AddEditMovieCast", false},
    {u"AddEditMovieCrew", false},
    {u"AddEditMovieEpisode", false},
    {u"SelectMovie", false},
    {u"ExtractOptions", true},
    {u"SelectLinkToPlay", false},
    {u"AddMovieByBarCode", false},
    {u"AddMoviesByScanningFolder", true},
    {u"AddEditLoan", false},
    {u"AddEditLoaner", true},
    {u"Loans", true},
};

const int32_t kColumnWidths[ConfigDefaults::kColumnCount] = {150, 50, 70, 70, 70, 70, 50, 95,
                                                             120, 70, 50, 80, 50, 50, 50, 50};

} // namespace

void ConfigDefaults::registerAll(ConfigDefaultList& out)
{
    registerModelKeys(out);
    registerWindowKeys(out);
    registerViewKeys(out);
    registerColumnKeys(out);
}

void ConfigDefaults::registerModelKeys(ConfigDefaultList& out)
{
    add(out, u"model/language", Variant(u"English"));
    add(out, u"model/ignoreArticleWhenSortingTitles", Variant(true));
    add(out, u"model/askForConfirmationWhenRemovingMovies", Variant(true));
    add(out, u"model/whenReelstackStartsOpenTheLastUsedCollection", Variant(true));
    add(out, u"model/defaultLoanPeriod", Variant(int32_t(14)));
    add(out, u"model/recentBrowsedFolder", Variant(String()));
    add(out, u"model/recentCollection", Variant(String()));
    add(out, u"model/extractOptions", Variant(int32_t(65535)));
    add(out, u"model/extractor", Variant(int32_t(-1)));
}

// -1 means that the window has not stored its place yet: it then takes its
// preferred size and is centred.
void ConfigDefaults::registerWindowKeys(ConfigDefaultList& out)
{
    static const char16_t* const kPlace[] = {u"Left", u"Top"};
    static const char16_t* const kSize[] = {u"Width", u"Height"};
    for (const WindowGeometry& window : kWindows) {
        String prefix = String(u"view/window") + window.name;
        for (const char16_t* part : kPlace)
            add(out, prefix + part, Variant(int32_t(-1)));
        if (!window.hasSize)
            continue;
        for (const char16_t* part : kSize)
            add(out, prefix + part, Variant(int32_t(-1)));
    }
}

void ConfigDefaults::registerViewKeys(ConfigDefaultList& out)
{
    add(out, u"view/screenLayout", Variant(int32_t(0)));
    add(out, u"view/timeFormat", Variant(int32_t(0)));
    add(out, u"view/alwaysOnTop", Variant(false));
    add(out, u"view/toolbar", Variant(true));
    add(out, u"view/viewMode", Variant(int32_t(1)));
    add(out, u"view/listZoom", Variant(0.0f));
    add(out, u"view/imagesZoom", Variant(0.7f));
    add(out, u"view/coverFlowZoom", Variant(1.0f));
    add(out, u"view/movieListBackgroundColor", Variant(Color(165, 133, 0).value()));
    add(out, u"view/movieListTextColor", Variant(Color(250, 242, 231).value()));
    add(out, u"view/movieListSelectedTextColor", Variant(Color(82, 62, 1).value()));
    add(out, u"view/movieListShowTitleUnderImage", Variant(true));
    add(out, u"view/movieCardBackgroundColor", Variant(Color(242, 238, 209).value()));
    add(out, u"view/movieCardTextColor", Variant(Color(139, 105, 1).value()));
    add(out, u"view/movieCardTitleColor", Variant(Color(121, 75, 0).value()));
    add(out, u"view/movieCardLinkColor", Variant(Color(0, 134, 255).value()));
    add(out, u"view/movieCardFontFamily", Variant(u"Tahoma"));
    add(out, u"view/movieCardFontSize", Variant(int32_t(14)));
    add(out, u"view/movieCardAutoResizeBackground", Variant(true));
    add(out, u"view/sortMode", Variant(int32_t(2)));
    add(out, u"view/sortOrder", Variant(int32_t(1)));
}

void ConfigDefaults::registerColumnKeys(ConfigDefaultList& out)
{
    for (int column = 0; column < kColumnCount; ++column)
        add(out, String(u"view/column") + String::fromInt(column), Variant(true));
    for (int column = 0; column < kColumnCount; ++column)
        add(out, String(u"view/columnWidth") + String::fromInt(column), Variant(kColumnWidths[column]));
}
