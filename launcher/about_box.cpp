// The About box: the disc's title, author and notes, with the program's credits and web address.
#include "launcher/launcher_dlg.h"

#include "resources/resource.h"

namespace {

std::string LoadResourceString(UINT id)
{
    char text[1024] = "";
    const int n = ::LoadStringA(::GetModuleHandleA(nullptr), id, text, sizeof text);
    return std::string(text, n > 0 ? static_cast<size_t>(n) : 0);
}

} // namespace

void CLauncherDlg::ShowAboutBox()
{
    CDialog box(IDD_ABOUT);
    // The main window is disabled while the box runs, and enabled again before the box is destroyed.
    OwnerDisabled disabled(*this);
    if (!box.Create(this))
        return;
    box.GetDlgItem(IDC_ABOUTBOX_TITLE).SetWindowText(m_menu.Title);
    box.GetDlgItem(IDC_ABOUTBOX_NOTES).SetWindowText(m_menu.Notes);
    box.GetDlgItem(IDC_ABOUTBOX_AUTHOR).SetWindowText(m_menu.Author);
    box.GetDlgItem(IDC_ABOUTBOX_WEB_ADDRESS).SetWindowText(LoadResourceString(IDS_WEB_ADDRESS));
    box.GetDlgItem(IDC_ABOUTBOX_CREDITS).SetWindowText(LoadResourceString(IDS_CREDITS));
    box.ShowWindow(SW_SHOWNORMAL);
    box.RedrawNow();
    PlayWav(m_menu.WavAbout);
    box.RunModalLoop();
    box.EndDialog(0);
}
