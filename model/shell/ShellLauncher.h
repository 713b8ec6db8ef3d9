#pragma once

#include "foundation/text/String.h"

// Where the model hands a file, folder or web address to the system's shell.
// The native build, which only runs tests and tools, opens nothing.
class ShellLauncher
{
public:
    // Opens the file or folder with its default program.
    static void open(const String& target);
    // Opens a web address in the browser, in the form shellWebAddress gives
    // it; an address that form refuses opens nothing.
    static void openAddress(const String& address);
    // Starts the file with an empty parameter list.
    static void start(const String& file);
    // Opens the folder that holds the file, with the file selected.
    static void reveal(const String& file);
};
