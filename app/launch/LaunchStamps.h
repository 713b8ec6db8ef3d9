#pragma once

#include "foundation/data/JsonValue.h"

#include <string>

// When one start of the program reached each of its steps ("start",
// "window", "timer", "readStart", "read", "shown", "painted"), in
// milliseconds of the performance counter. The first mark of a name counts,
// so a later collection read or repaint does not move it. Timing tools and
// the automation channel's "timings" section read them; the program itself
// never looks.
class LaunchStamps
{
public:
    // Forgets every mark: a process that runs the program again starts over.
    static void reset();
    static void mark(const std::string& name);
    // Milliseconds of the counter; -1 when not reached.
    static double at(const std::string& name);
    // Milliseconds from "start" to the mark; -1 when either is missing.
    static double since(const std::string& name);
    // {"start": ms, "window": ms, ...}: each mark reached, in counter time.
    static JsonValue dump();
};
