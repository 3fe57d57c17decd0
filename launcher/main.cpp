#include "launcher/launcher_app.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    Win32Services services;
    CLauncherApp app(services);
    app.InitInstance();
    return 0;
}
