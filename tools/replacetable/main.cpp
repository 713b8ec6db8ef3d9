// replacetable: writes the extractors' replace table, the pairs of entity and
// character references that site pages hold and the characters they stand
// for, as the XML file the program reads beside itself.
//   replacetable TARGET.xml
// A no-break space becomes a plain blank: the rules compare the page's
// spacing with plain blanks. "&amp;" comes last so that "&amp;lt;" stays
// "&lt;". Exits 0 on success, 1 with a one-line message on failure, 2 on bad
// usage.
#include "foundation/io/PosixPath.h"
#include "foundation/net/HtmlEntities.h"
#include "foundation/xml/XmlDocument.h"
#include "foundation/xml/XmlElement.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: replacetable TARGET.xml\n");
        return 2;
    }
    StringList references;
    StringList characters;
    htmlEntityPairs(references, characters);
    XmlDocument document;
    XmlElement* pairs = document.root().addChild(String(u"pairs"));
    StringList::Node* character = characters.first();
    for (const String& reference : references) {
        bool noBreakSpace = character->value == String(u"\u00A0");
        XmlElement* pair = pairs->addChild(String(u"pair"));
        pair->addAttribute(String(u"before"), reference);
        pair->addAttribute(String(u"after"), noBreakSpace ? String(u" ") : character->value);
        character = character->next;
    }
    if (!document.save(fromNativePath(argv[1]), 3)) {
        std::fprintf(stderr, "replacetable: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%d pairs written to %s\n", references.count(), argv[1]);
    return 0;
}
