#include "foundation/signals/Lockable.h"

void Lockable::lock()
{
    m_section.enter();
}

void Lockable::unlock()
{
    m_section.leave();
}
