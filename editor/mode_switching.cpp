// Switching the menu window between normal mode (the disc's menu) and editor mode (the wider window with
// the editor panel), and the start-up set-up of a command button.
#include "launcher/launcher_dlg.h"

#include "resources/resource.h"

namespace {

const UINT ModeSwitchCommand = 0x0020;
// Margins right of the anchor control of each mode, in pixels from the window's outer left edge.
const int NormalModeMargin = 8;
const int EditorModeMargin = 16;

} // namespace

void CLauncherDlg::ToggleMode()
{
    HMENU systemMenu = GetSystemMenu(false);
    CButton* editorButtons[] = {&m_btnEditOther, &m_btnMakeInf, &m_btnSaveHere, &m_btnSaveAs, &m_btnToNormal};
    int width = 0;

    if (m_nMode == 0) {
        RECT anchor = m_btnSaveHere.GetWindowRect();
        ScreenToClient(anchor);
        width = anchor.right + EditorModeMargin;
        m_nMode = 1;
        for (CButton* button : editorButtons)
            button->ModifyStyle(WS_DISABLED, 0);
        for (CButton* button : m_pButtons) {
            button->ModifyStyle(WS_DISABLED, WS_VISIBLE);
            button->RedrawNow();
        }
    } else if (m_nMode == 1) {
        m_nMode = 0;
        m_btnAbout.SetFocus();
        for (CButton* button : editorButtons)
            button->ModifyStyle(0, WS_DISABLED);
        RECT anchor = m_btnClose.GetWindowRect();
        ScreenToClient(anchor);
        width = anchor.right + NormalModeMargin;
        for (int i = 0; i < 10; ++i) {
            const MenuButton& entry = m_menu.GetButton(i);
            if (entry.Title.empty() || entry.Run.empty())
                m_pButtons[i]->ModifyStyle(WS_VISIBLE, WS_DISABLED, SWP_FRAMECHANGED);
        }
        RedrawNow();
    }

    ::ModifyMenuA(systemMenu, ModeSwitchCommand, MF_BYCOMMAND | MF_STRING, ModeSwitchCommand,
                  Text(m_nMode == 1 ? TXT_MENU_TO_NORMAL : TXT_MENU_TO_EDITOR));

    WINDOWPLACEMENT placement{};
    GetWindowPlacement(placement);
    const RECT& normal = placement.rcNormalPosition;
    SetWindowPos(nullptr, normal.left, normal.top, width, normal.bottom - normal.top, SWP_NOZORDER | SWP_FRAMECHANGED);
}

void CLauncherDlg::UpdateCommandButton(unsigned char index)
{
    if (index > 9)
        return;
    const MenuButton& entry = m_menu.GetButton(index);
    if (!entry.Title.empty() && !entry.Run.empty())
        m_pButtons[index]->SetWindowText(entry.Title);
    else
        m_pButtons[index]->ModifyStyle(WS_VISIBLE, WS_DISABLED, 0);
}
