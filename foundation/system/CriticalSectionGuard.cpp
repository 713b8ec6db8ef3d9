#include "foundation/system/CriticalSectionGuard.h"

#include "foundation/system/CriticalSection.h"

CriticalSectionGuard::CriticalSectionGuard(CriticalSection& section, bool tryOnly) : m_section(&section)
{
    if (!tryOnly) {
        section.enter();
        return;
    }
    if (!section.tryEnter())
        m_section = nullptr;
}

CriticalSectionGuard::~CriticalSectionGuard()
{
    if (m_section)
        m_section->leave();
}
