#include "foundation/system/CriticalSection.h"

void CriticalSection::enter()
{
    m_mutex.lock();
}

void CriticalSection::leave()
{
    m_mutex.unlock();
}

bool CriticalSection::tryEnter()
{
    return m_mutex.try_lock();
}
