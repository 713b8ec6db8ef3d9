#include "app/Startup.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // The skin and the windows join here as the toolkit lands.
    return runReelstack(Startup{});
}
