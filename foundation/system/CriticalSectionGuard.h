#pragma once

class CriticalSection;

// Holds a section for the lifetime of the guard. With the try flag the guard
// only takes a free section; ownsLock tells whether it did, and a guard that
// did not get the section leaves nothing on destruction.
class CriticalSectionGuard
{
public:
    explicit CriticalSectionGuard(CriticalSection& section, bool tryOnly = false);
    ~CriticalSectionGuard();
    CriticalSectionGuard(const CriticalSectionGuard&) = delete;
    CriticalSectionGuard& operator=(const CriticalSectionGuard&) = delete;

    bool ownsLock() const { return m_section != nullptr; }

private:
    CriticalSection* m_section;
};
