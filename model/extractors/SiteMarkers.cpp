#include "model/extractors/SiteMarkers.h"

namespace {

// One column per edition: de, it, es, fr. The anchor row is followed by the
// site's main domain.
const char16_t* const kColumns[][4] = {
    {u"Diskussionsforen", u"Aree Messaggi", u"Foros", u"Forums"},
    {u"Weitere Suche nach", u"Altre ricerche per", u"M\u00E1s b\u00FAsquedas para", u"Altre ricerche per"},
    {u"Diskussionsforen", u"Aree Messaggi", u"Foros", u"Forums"},
    {u"Empfehlungen", u"Raccomandazioni", u"Recomendaciones", u"Recommandations"},
    {u"(Originaltitel)", u"(titolo originale)", u"(t\u00EDtulo original)", u"(titre original)"},
    {u"L\u00E4nge:", u"Durata:", u"Duraci\u00F3n:", u"Dur\u00E9e:"},
    {u" Min", u" min", u" min", u" min"},
    {u"Mehr auf ", u"Altro ancora su ", u"M\u00E1s contenido en ", u"Plus sur "},
    {u"Farbe:", u"Colore:", u"Color:", u"Couleur:"},
    {u"Farbe", u"Colore", u"Color", u"Couleur"},
    {u"Schwarzweiss", u"Bianco e nero", u"Blanco y Negro", u"Noir et Blanc"},
    {u"Genre:", u"Genere:", u"G\u00E9nero:", u"Genre:"},
    {u"Firma:", u"Compagnia:", u"Compa\u00F1\u00EDa:", u"Soci\u00E9t\u00E9:"},
    {u"Land:", u"Nazionalit\u00E0:", u"Pa\u00EDs:", u"Pays:"},
    {u"Sprache:", u"Lingua:", u"Idioma:", u"Langue:"},
    {u"(Hauptdarsteller)", u"(Cast principale, solo i primi nomi)", u"(Descripci\u00F3n general del reparto)",
     u"(Vue d'ensemble de la distribution, par ordre d'apparition \u00E0 l'\u00E9cran)"},
    {u"Regie:", u"Registi:", u"Directores:", u"R\u00E9alisateurs:"},
    {u"Drehbuchautoren", u"Sceneggiatori", u"Escritores", u"Sc\u00E9naristes"},
    {u"Handlung:", u"Trama:", u"Trama:", u"Intrigue:"},
    {u"/10", u"/10", u"/10", u"/10"},
    {u"USA:", u"USA:", u"Estados Unidos:", u"USA:"},
    {u"Altersfreigabe:", u"Divieti:", u"Clasificaci\u00F3n:", u"Classification:"},
    {u"Diskussionsforen", u"Aree Messaggi", u"Foros", u"Forums"},
    {u"Copyright \u00A9", u"Copyright \u00A9", u"Derechos de autor \u00A9", u"Copyright \u00A9"},
    {u"vor \u00BB", u"Successivo \u00BB", u"Pr\u00F3ximo \u00BB", u"Suivant \u00BB"},
};

const char16_t* const kCodes[] = {u"de", u"it", u"es", u"fr"};

} // namespace

SiteMarkers SiteMarkers::forLanguage(const String& code, const String& mainDomain)
{
    SiteMarkers markers;
    String* fields[] = {
        &markers.searchStart,   &markers.searchEnd,          &markers.titleStart,     &markers.titleEnd,
        &markers.originalTitle, &markers.runtimeLabel,       &markers.minutesSuffix,  &markers.titleAnchor,
        &markers.colourLabel,   &markers.colourValue,        &markers.blackAndWhiteValue, &markers.genreLabel,
        &markers.companyLabel,  &markers.countryLabel,       &markers.languageLabel,  &markers.castMarker,
        &markers.directorMarker, &markers.writersMarker,     &markers.plotMarker,     &markers.ratingSuffix,
        &markers.certificationCountry, &markers.certificationLabel, &markers.viewerStart, &markers.viewerEnd,
        &markers.nextLink,
    };
    static_assert(sizeof(kColumns) / sizeof(kColumns[0]) == 25, "one row per marker");
    for (int column = 0; column < 4; ++column) {
        if (code != String(kCodes[column]))
            continue;
        for (int row = 0; row < 25; ++row)
            *fields[row] = String(kColumns[row][column]);
        markers.titleAnchor += mainDomain;
    }
    return markers;
}
