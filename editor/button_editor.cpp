// The button settings editor: a click on a command button in editor mode edits that button.
#include "launcher/launcher_dlg.h"

#include "resources/resource.h"

void CLauncherDlg::EditCommandButton(int index)
{
    CDialog box(IDD_BUTTON_EDITOR);
    OwnerDisabled disabled(*this);
    MenuButton& entry = m_menu.GetButton(index);
    if (!box.Create(this))
        return;

    box.GetDlgItem(IDC_BTNED_NUMBER).SetWindowText(std::to_string(index + 1));
    box.GetDlgItem(IDC_BTNED_TITLE).SetWindowText(entry.Title);
    box.GetDlgItem(IDC_BTNED_RUN).SetWindowText(entry.Run);
    box.GetDlgItem(IDC_BTNED_PARAMETERS).SetWindowText(entry.Parameters);
    box.GetDlgItem(IDC_BTNED_PLAY_WAV).SetWindowText(entry.PlayWav);
    box.GetDlgItem(IDC_BTNED_WINDOW_STATE).SendMessage(CB_SETCURSEL, static_cast<WPARAM>(entry.WindowState));
    box.GetDlgItem(IDC_BTNED_WINDOW_ACTION).SendMessage(CB_SETCURSEL, static_cast<WPARAM>(entry.WindowAction));
    box.GetDlgItem(IDC_BTNED_TOOL_TIP).SetWindowText(entry.ToolTipText);

    box.ShowWindow(SW_SHOWNORMAL);
    if (box.RunModalLoop() == IDOK) {
        entry.Title = TakeText(box.GetDlgItem(IDC_BTNED_TITLE), TXT_FIELD_WINDOW);
        m_pButtons[index]->SetWindowText(entry.Title);
        entry.Run = TakeText(box.GetDlgItem(IDC_BTNED_RUN), TXT_FIELD_RUN);
        entry.Parameters = TakeText(box.GetDlgItem(IDC_BTNED_PARAMETERS), TXT_FIELD_PARAMETERS);
        entry.PlayWav = TakeText(box.GetDlgItem(IDC_BTNED_PLAY_WAV), TXT_FIELD_WAV);
        const LRESULT state = box.GetDlgItem(IDC_BTNED_WINDOW_STATE).SendMessage(CB_GETCURSEL);
        const LRESULT action = box.GetDlgItem(IDC_BTNED_WINDOW_ACTION).SendMessage(CB_GETCURSEL);
        // The lists always hold a selection; keep the stored index should one ever be missing.
        if (state >= 0 && state < WindowStateCount)
            entry.WindowState = static_cast<int>(state);
        if (action >= 0 && action < WindowActionCount)
            entry.WindowAction = static_cast<int>(action);
        entry.ToolTipText = TakeText(box.GetDlgItem(IDC_BTNED_TOOL_TIP), TXT_FIELD_TOOL_TIP);
        m_bModified = true;
    }
    box.EndDialog(0);
}
