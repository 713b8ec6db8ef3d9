#include "app/Startup.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The windows join here as the toolkit lands.
    Startup startup;
    startup.loadSkin = loadWhiteSkin;
    return runReelstack(startup);
}
