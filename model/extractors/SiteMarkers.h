#pragma once

#include "foundation/text/String.h"

// The texts by which one localized edition's pages are read, in the order the
// rules use them.
struct SiteMarkers
{
    String searchStart;
    String searchEnd;
    String titleStart;
    String titleEnd;
    String originalTitle;
    String runtimeLabel;
    String minutesSuffix;
    String titleAnchor;
    String colourLabel;
    String colourValue;
    String blackAndWhiteValue;
    String genreLabel;
    String companyLabel;
    String countryLabel;
    String languageLabel;
    String castMarker;
    String directorMarker;
    String writersMarker;
    String plotMarker;
    String ratingSuffix;
    String certificationCountry;
    String certificationLabel;
    String viewerStart;
    String viewerEnd;
    String nextLink;

    // The edition's markers; all empty for a code other than "de", "it",
    // "es" or "fr". mainDomain ends the title anchor.
    static SiteMarkers forLanguage(const String& code, const String& mainDomain);
};
