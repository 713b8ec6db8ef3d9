#include "app/Startup.h"
#include "app/view/View.h"
#include "model/application/Application.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    Startup startup;
    startup.loadSkin = loadWhiteSkin;
    startup.makeView = [] { return new View(Application::model()); };
    return runReelstack(startup);
}
