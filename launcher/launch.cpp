// What a command button does in normal mode: its sound, its target opened through the shell with its show
// state and parameters, and then its window action; a failure names the shell's reason and the target.
#include "launcher/launcher_dlg.h"

#include "core/module_path.h"
#include "win32/file_find.h"

namespace {

// Show command passed to the shell, by WindowState.
const int ShowCommands[WindowStateCount] = {SW_SHOWDEFAULT,    SW_MINIMIZE,       SW_SHOWMAXIMIZED,
                                            SW_RESTORE,        SW_SHOWNOACTIVATE, SW_SHOWMINNOACTIVE};

// The shell's code for a target that does not exist.
const INT_PTR FileNotFound = 2;

} // namespace

const char* ShellErrorText(INT_PTR code)
{
    if (code > 32)
        return "Executed OK";
    switch (code) {
    case 0:
        return "The operating system is out of memory or resources.";
    case 2:
        return "The specified file was not found.";
    case 3:
        return "The specified path was not found.";
    case 11:
        return "The .exe file is invalid (non-Win32\xAE .exe or error in .exe image).";
    case 5:
        return "The operating system denied access to the specified file.";
    case 27:
        return "The file name association is incomplete or invalid.";
    case 30:
        return "The DDE transaction could not be completed because other DDE transactions were being processed.";
    case 29:
        return "The DDE transaction failed.";
    case 28:
        return "The DDE transaction could not be completed because the request timed out.";
    case 32:
        return "The specified dynamic-link library was not found.";
    case 31:
        return "There is no application associated with the given file name extension.";
    case 8:
        return "There was not enough memory to complete the operation.";
    case 26:
        return "A sharing violation occurred.";
    default:
        return "Unknown Error.";
    }
}

void CLauncherDlg::LaunchButton(int index)
{
    const MenuButton& button = m_menu.GetButton(index);
    const std::string run = button.Run;
    PlayWav(button.PlayWav);

    const int state = (button.WindowState >= 0 && button.WindowState < WindowStateCount) ? button.WindowState : 0;
    const int show = ShowCommands[state];
    INT_PTR result;
    if (run == ".") {
        // The executable's own folder, opened with its default action.
        const std::string folder = ExecutableFolder(m_services.ExecutablePath());
        result = m_services.ShellOpen(m_hWnd, nullptr, folder, button.Parameters, folder, show);
    } else {
        CFileFind finder;
        if (!finder.FindFile(run)) {
            result = FileNotFound;
        } else {
            finder.FindNextFile();
            result = m_services.ShellOpen(m_hWnd, "open", finder.GetFilePath(), button.Parameters,
                                          finder.GetRoot(), show);
        }
    }

    if (result <= 32) {
        const std::string message = std::string(ShellErrorText(result)) + "\n\n\"" + run + "\"";
        m_services.MessageBox(m_hWnd, message, Text(TXT_NOTICE_CAPTION), MB_ICONINFORMATION);
        return;
    }

    if (button.WindowAction == WA_MINIMIZE) {
        WINDOWPLACEMENT placement{};
        GetWindowPlacement(placement);
        placement.showCmd = SW_SHOWMINIMIZED;
        ::SetWindowPlacement(m_hWnd, &placement);
    } else if (button.WindowAction == WA_CLOSE) {
        if (!AskToSaveBeforeClosing())
            return;
        ShowWindow(SW_HIDE);
        EndDialog(IDOK);
    }
}
