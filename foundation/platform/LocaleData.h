#pragma once

#include <cstdint>

class String;

// Where the Locale reads its texts: the system's locale data in the Windows
// build (GetLocaleInfoW); natively a table of our own for English (United
// States) and German (Germany), the user default being English unless a test
// chooses otherwise. Types are the system's LCTYPE numbers.
class LocaleData
{
public:
    static constexpr uint32_t kEnglishUnitedStates = 0x0409;
    static constexpr uint32_t kGermanGermany = 0x0407;

    static uint32_t userDefaultLcid();
    // The text of one type, or the empty String when there is none.
    static String info(uint32_t lcid, uint32_t type);
    // The locale id of a name such as "de-DE" or "de"; 0 when it is unknown.
    // Without exact, a system that can only guess may answer its guess.
    static uint32_t lcidFromName(const String& name, bool exact);
};
