// bare_dialog.exe: the yardstick of the start-up benchmark (script/bench-startup). It shows the menu
// window's own dialog template (IDD_LAUNCHER) with no logic at all: no profile, no picture, no sounds,
// no mode switching. The time autorun.exe needs beyond this is the cost of what it does at start-up.
#include <windows.h>

#include "resources/resource.h"

namespace {

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_CLOSE:
        ::EndDialog(dialog, IDCANCEL);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            ::EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    ::DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_LAUNCHER), nullptr, BareDialogProc, 0);
    return 0;
}
