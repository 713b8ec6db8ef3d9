#include "foundation/signals/GlobalLockable.h"

#include "foundation/system/CriticalSection.h"

namespace {

CriticalSection& globalSection()
{
    // Deliberately never deleted: static objects may still lock it at exit.
    static CriticalSection* section = new CriticalSection;
    return *section;
}

} // namespace

GlobalLockable::GlobalLockable()
{
    globalSection();
}

void GlobalLockable::lock()
{
    globalSection().enter();
}

void GlobalLockable::unlock()
{
    globalSection().leave();
}
