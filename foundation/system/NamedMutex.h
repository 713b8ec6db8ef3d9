#pragma once

#include "foundation/text/String.h"

// A named system mutex whose mere existence marks a running instance of the
// program; it is never waited on or owned.
class NamedMutex
{
public:
    static constexpr int kCreated = 0;
    static constexpr int kAlreadyExists = 1;
    static constexpr int kNone = 2;

    NamedMutex() = default;
    ~NamedMutex();
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    // Creates the mutex in one step and returns the state: kCreated when this
    // process made it, kAlreadyExists when another process holds it, kNone
    // for an empty name or when the system refused.
    int open(const String& name);
    // Releases the handle; the result of the system call, false when none
    // was held.
    bool close();
    bool isOpen() const { return m_handle != nullptr; }
    int state() const { return m_state; }
    const String& name() const { return m_name; }

private:
    String m_name;
    void* m_handle = nullptr;
    int m_state = kNone;
};
