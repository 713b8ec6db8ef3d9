#include "foundation/platform/LocaleData.h"

#include "foundation/text/String.h"

namespace {

struct LocaleText
{
    uint32_t type;
    const char16_t* text;
};

// The texts the Locale reads, as the system gives them for these locales.
const LocaleText kEnglishTexts[] = {
    {0x1001, u"English"},
    {0x0002, u"English (United States)"},
    {0x0059, u"en"},
    {0x1002, u"United States"},
    {0x0006, u"United States"},
    {0x005A, u"US"},
    {0x0028, u"AM"},
    {0x0029, u"PM"},
    {0x000D, u"1"},
    {0x0023, u"0"},
    {0x100C, u"6"},
    {0x0020, u"dddd, MMMM d, yyyy"},
    {0x001F, u"M/d/yyyy"},
    {0x1003, u"h:mm:ss tt"},
    {0x0076, u"%"},
    {0x0013, u"0123456789"},
    {0x0051, u"-"},
    {0x000E, u"."},
    {0x000F, u","},
    {0x002A, u"Monday"},
    {0x002B, u"Tuesday"},
    {0x002C, u"Wednesday"},
    {0x002D, u"Thursday"},
    {0x002E, u"Friday"},
    {0x002F, u"Saturday"},
    {0x0030, u"Sunday"},
    {0x0031, u"Mon"},
    {0x0032, u"Tue"},
    {0x0033, u"Wed"},
    {0x0034, u"Thu"},
    {0x0035, u"Fri"},
    {0x0036, u"Sat"},
    {0x0037, u"Sun"},
    {0x0038, u"January"},
    {0x0039, u"February"},
    {0x003A, u"March"},
    {0x003B, u"April"},
    {0x003C, u"May"},
    {0x003D, u"June"},
    {0x003E, u"July"},
    {0x003F, u"August"},
    {0x0040, u"September"},
    {0x0041, u"October"},
    {0x0042, u"November"},
    {0x0043, u"December"},
    {0x0044, u"Jan"},
    {0x0045, u"Feb"},
    {0x0046, u"Mar"},
    {0x0047, u"Apr"},
    {0x0048, u"May"},
    {0x0049, u"Jun"},
    {0x004A, u"Jul"},
    {0x004B, u"Aug"},
    {0x004C, u"Sep"},
    {0x004D, u"Oct"},
    {0x004E, u"Nov"},
    {0x004F, u"Dec"},
};

const LocaleText kGermanTexts[] = {
    {0x1001, u"German"},     {0x0002, u"German (Germany)"},
    {0x0059, u"de"},         {0x1002, u"Germany"},
    {0x0006, u"Germany"},    {0x005A, u"DE"},
    {0x0028, u"AM"},         {0x0029, u"PM"},
    {0x000D, u"0"},          {0x0023, u"1"},
    {0x100C, u"0"},          {0x0020, u"dddd, d. MMMM yyyy"},
    {0x001F, u"d.M.yyyy"},   {0x1003, u"HH:mm:ss"},
    {0x0076, u"%"},          {0x0013, u"0123456789"},
    {0x0051, u"-"},          {0x000E, u","},
    {0x000F, u"."},          {0x002A, u"Montag"},
    {0x002B, u"Dienstag"},   {0x002C, u"Mittwoch"},
    {0x002D, u"Donnerstag"}, {0x002E, u"Freitag"},
    {0x002F, u"Samstag"},    {0x0030, u"Sonntag"},
    {0x0031, u"Mo."},        {0x0032, u"Di."},
    {0x0033, u"Mi."},        {0x0034, u"Do."},
    {0x0035, u"Fr."},        {0x0036, u"Sa."},
    {0x0037, u"So."},        {0x0038, u"Januar"},
    {0x0039, u"Februar"},    {0x003A, u"M\u00E4rz"},
    {0x003B, u"April"},      {0x003C, u"Mai"},
    {0x003D, u"Juni"},       {0x003E, u"Juli"},
    {0x003F, u"August"},     {0x0040, u"September"},
    {0x0041, u"Oktober"},    {0x0042, u"November"},
    {0x0043, u"Dezember"},   {0x0044, u"Jan"},
    {0x0045, u"Feb"},        {0x0046, u"M\u00E4r"},
    {0x0047, u"Apr"},        {0x0048, u"Mai"},
    {0x0049, u"Jun"},        {0x004A, u"Jul"},
    {0x004B, u"Aug"},        {0x004C, u"Sep"},
    {0x004D, u"Okt"},        {0x004E, u"Nov"},
    {0x004F, u"Dez"},
};

struct LocaleTable
{
    uint32_t lcid;
    const char16_t* name;
    const LocaleText* texts;
    int count;
};

const LocaleTable kLocales[] = {
    {LocaleData::kEnglishUnitedStates, u"en-US", kEnglishTexts,
     sizeof(kEnglishTexts) / sizeof(kEnglishTexts[0])},
    {LocaleData::kGermanGermany, u"de-DE", kGermanTexts, sizeof(kGermanTexts) / sizeof(kGermanTexts[0])},
};

const LocaleTable* findLocale(uint32_t lcid)
{
    for (const LocaleTable& table : kLocales) {
        if (table.lcid == lcid)
            return &table;
    }
    return nullptr;
}

} // namespace

uint32_t LocaleData::userDefaultLcid()
{
    return kEnglishUnitedStates;
}

String LocaleData::info(uint32_t lcid, uint32_t type)
{
    const LocaleTable* table = findLocale(lcid);
    if (table == nullptr)
        return String();
    for (int i = 0; i < table->count; ++i) {
        if (table->texts[i].type == type)
            return String(table->texts[i].text);
    }
    return String();
}

uint32_t LocaleData::lcidFromName(const String& name, bool)
{
    // A language alone ("de") stands for its main country, as the system
    // reads it.
    for (const LocaleTable& table : kLocales) {
        String known(table.name);
        if (String::equalsIgnoreCase(name, known) || String::equalsIgnoreCase(name, known.mid(0, 2)))
            return table.lcid;
    }
    return 0;
}
