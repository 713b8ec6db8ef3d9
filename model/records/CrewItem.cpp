#include "model/records/CrewItem.h"

#include "model/records/ModelText.h"

String CrewItem::roleName(int32_t role)
{
    static const char16_t* const kNames[] = {u"Director", u"Producer",       u"Writer",
                                             u"Musician", u"Cinematography", u"Creator"};
    if (role < kDirector || role > kCreator)
        return String();
    return ModelText::translate(kNames[role], u"Movie");
}
