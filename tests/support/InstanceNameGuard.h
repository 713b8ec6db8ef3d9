#pragma once

#include "foundation/text/String.h"

// Keeps tests off the program's own single-instance name. A core made under
// it claims the mutex that reelstack.exe looks for as it starts: a program
// a flow starts meanwhile takes itself for a second instance and quits. So
// only a test program that holds the display lock, which every test that
// starts the program holds too, may use that name; ctest tells such a
// program so through the variable kLockVariable.
class InstanceNameGuard
{
public:
    static const char kLockVariable[];
    static const char16_t kProductName[];

    // Whether ctest started this program holding the display lock.
    static bool holdsDisplayLock();
    // Any name but the program's own (in any case, as the mutex's name has
    // none), and that one too under the display lock.
    static bool allows(const String& productName, bool displayLock);
    // Every core the test program makes from now on is checked.
    static void install();
    // The check: a core the guard does not allow fails the running test and
    // ends the program at once, before the core claims the mutex.
    static void check(const String& productName);
};
