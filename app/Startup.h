#pragma once

#include "model/application/Application.h"

#include <functional>

// What the entry point needs from the parts above the model: the skin and
// the windows. Tests and tools also point the program folder elsewhere.
struct Startup
{
    // Loads the skin; false ends the start-up. None: no skin is loaded.
    std::function<bool()> loadSkin;
    // Makes the view with the main window. None: the program has no window,
    // so nothing can end the message loop and it is not run.
    Application::ViewFactory makeView;
    // Empty: the folder of the running program.
    String programFolder;
    // Empty: "Reelstack". Names the single-instance lock and the data folder.
    String productName;
};

// The skin users see: "white", beside the program or in its "styles" folder.
bool loadWhiteSkin();

// The program from start to end: the application core, one instance only,
// the data archive and the skin, the Application, the message loop, and
// everything torn down again. -1 when another instance runs or the data
// archive or the skin cannot be loaded, with nothing built; else 0.
int runReelstack(const Startup& startup);
