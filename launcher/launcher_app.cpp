#include "launcher/launcher_app.h"

#include "core/module_path.h"
#include "launcher/launcher_dlg.h"

#include <commctrl.h>

CLauncherApp::CLauncherApp(Services& services) : m_services(services)
{
    const std::string exePath = m_services.ExecutablePath();
    m_pszProfileName = ProfileFileName(exePath);
    m_pszAppName = ExecutableTitle(exePath);
}

bool CLauncherApp::InitInstance()
{
    // Every relative path of the profile (targets, picture, sounds) is taken from the executable's folder,
    // whatever folder the program was started from. A drive root gives "E:", that drive's current folder.
    ::SetCurrentDirectoryA(ExecutableFolder(m_services.ExecutablePath()).c_str());

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&controls);

    {
        CLauncherDlg dialog(m_services);
        dialog.DoModal();
    }
    return false;
}
