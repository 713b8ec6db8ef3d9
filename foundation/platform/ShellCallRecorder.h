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

    // A recorder that lets the program's own executables run (the channel
    // of a driven program, whose restart must really happen) still has
    // their starts reported.
    static void install(Recorder recorder, bool runsOwnPrograms = false);
    static void remove();
    static bool isInstalled();
    // True when a recorder took the call: the caller must then not run it.
    static bool take(const char* call, const String& target);
    // The same for a start of one of the program's own executables: the
    // call is reported, and held only by a recorder that does not run them.
    static bool takeOwnProgram(const char* call, const String& target);
};
