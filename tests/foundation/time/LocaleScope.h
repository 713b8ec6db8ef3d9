#pragma once

#include "foundation/platform/LocaleData.h"
#include "foundation/time/Locale.h"

// Switches the program's Locale for one test and back to the user's afterwards.
class LocaleScope
{
public:
    explicit LocaleScope(uint32_t lcid) { Locale::instance().load(lcid); }
    ~LocaleScope() { Locale::instance().load(LocaleData::userDefaultLcid()); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;
};
