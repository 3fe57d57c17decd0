// Tool tips of the command buttons: every child control is a tool identified by its window, and the tip
// text is asked for when it is shown.
#include "launcher/launcher_dlg.h"

#include <commctrl.h>

namespace {

BOOL CALLBACK AddToolForChild(HWND child, LPARAM lParam)
{
    HWND tips = reinterpret_cast<HWND>(lParam);
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = ::GetParent(child);
    tool.uId = reinterpret_cast<UINT_PTR>(child);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    ::SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    return TRUE;
}

} // namespace

void CLauncherDlg::EnableToolTips()
{
    m_hToolTips = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
    if (m_hToolTips != nullptr)
        ::EnumChildWindows(m_hWnd, AddToolForChild, reinterpret_cast<LPARAM>(m_hToolTips));
}

BOOL CLauncherDlg::OnToolTipNeedText(NMHDR* header)
{
    TOOLTIPTEXTA* request = reinterpret_cast<TOOLTIPTEXTA*>(header);
    if ((request->uFlags & TTF_IDISHWND) == 0)
        return FALSE;
    const int index = ButtonIndexOf(::GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom)));
    if (index < 0)
        return FALSE;
    // The tip points into the menu: no copy, and an edited text shows at the next request.
    request->lpszText = const_cast<char*>(m_menu.GetButton(index).ToolTipText.c_str());
    request->hinst = ::GetModuleHandleA(nullptr);
    return TRUE;
}
