// Handlers whose work comes with the launching, About box and editor features.
#include "launcher/launcher_dlg.h"

void CLauncherDlg::LaunchButton(int) {}
void CLauncherDlg::EditCommandButton(int) {}
void CLauncherDlg::ShowAboutBox() {}
void CLauncherDlg::MakeAutorunInf() {}
void CLauncherDlg::OnEditOther() {}
void CLauncherDlg::SaveProfileInPlace() {}
void CLauncherDlg::SaveProfileAs() {}
