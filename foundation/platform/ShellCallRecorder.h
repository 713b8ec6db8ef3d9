#pragma once

#include "foundation/text/String.h"

#include <functional>

// The seam in front of every call that hands something to the system shell
// (open a file or address, run a program, show a folder). While a recorder
// is installed (the automation channel does so) the calls are reported to
// it and not run, so a driven program never starts browsers or players.
class ShellCallRecorder
{
public:
    using Recorder = std::function<void(const String& call, const String& target)>;

    static void install(Recorder recorder);
    static void remove();
    static bool isInstalled();
    // True when a recorder took the call: the caller must then not run it.
    static bool take(const char* call, const String& target);
};
