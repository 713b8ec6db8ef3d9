#pragma once

#include "foundation/time/Locale.h"

#include <cstdint>

// Switches the program's Locale for one scope and back afterwards, so tests
// do not depend on the regional setting of the machine that runs them.
class LocaleScope
{
public:
    explicit LocaleScope(uint32_t lcid) : m_previous(Locale::instance().lcid())
    {
        Locale::instance().load(lcid);
    }
    ~LocaleScope() { Locale::instance().load(m_previous); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    uint32_t m_previous;
};
