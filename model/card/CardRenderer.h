#pragma once

#include "foundation/text/String.h"
#include "model/card/CardTemplates.h"
#include "model/records/CardStyle.h"

class Movie;
class PlaceholderFiller;
class ViewSettings;

// Builds the movie card, the HTML page the main window shows for the selected
// movie, from the template parts: the page "movie" with one placeholder per
// section, each section filled from its own part, and CSS fragments for the
// card's colours and fonts. Every movie value is escaped and every
// placeholder is replaced in one pass, so no value can add markup, style or
// further placeholders to the page.
class CardRenderer
{
public:
    CardRenderer() = default;

    const String& templateSet() const { return m_templates.templateSet(); }
    void setTemplateSet(const String& name) { m_templates.setTemplateSet(name); }
    String templateFolder() const { return m_templates.templateFolder(); }
    // A part with "{TEMPLATE_FOLDER}" replaced and every other placeholder
    // left as written.
    String loadTemplate(const char16_t* part);

    // The page for the movie, or the part "no-movie" for null. Colours with
    // alpha 0, an empty font family and a font size of 0 in the movie's card
    // style take the view's card settings.
    String render(const Movie* movie, const ViewSettings& view);

private:
    String moviePage(const Movie& movie, const CardStyle& look);
    // The filled part when shown, else empty.
    String section(const char16_t* part, bool shown, PlaceholderFiller& filler);
    void addSections(const Movie& movie, PlaceholderFiller& page);
    void addCrewSections(const Movie& movie, PlaceholderFiller& page);
    void addListSections(const Movie& movie, PlaceholderFiller& page);
    String castItems(const Movie& movie);
    String linkItems(const Movie& movie);
    String episodeItems(const Movie& movie);
    String posterTag(const Movie& movie) const;
    String coverTag(const Movie& movie, int kind) const;
    // A filler that already knows "{TEMPLATE_FOLDER}".
    PlaceholderFiller newFiller() const;

    CardTemplates m_templates;
};
