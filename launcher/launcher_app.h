// The application: prepares the process and runs the menu window.
#ifndef AUTORUN_LAUNCHER_LAUNCHER_APP_H
#define AUTORUN_LAUNCHER_LAUNCHER_APP_H

#include "win32/services.h"

#include <string>

class CLauncherApp {
public:
    explicit CLauncherApp(Services& services);

    // Makes the executable's folder the current directory, sets up the common controls and runs the menu
    // window until it ends. Always returns false: there is no message loop of the application's own.
    bool InitInstance();

    std::string m_pszProfileName; // "autorun.INI" for autorun.exe
    std::string m_pszAppName;     // "autorun": the caption of message boxes without one

private:
    Services& m_services;
};

#endif
