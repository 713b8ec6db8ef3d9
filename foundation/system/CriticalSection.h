#pragma once

#include <mutex>

// A re-entrant lock: the thread that holds it may enter again and must leave
// as often as it entered. Never copied; every owner has its own.
class CriticalSection
{
public:
    CriticalSection() = default;
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    void enter();
    void leave();
    // Enters only when no other thread holds the section; true when entered.
    bool tryEnter();

private:
    std::recursive_mutex m_mutex;
};
