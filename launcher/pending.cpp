// Handlers whose work comes with the editor features.
#include "launcher/launcher_dlg.h"

void CLauncherDlg::EditCommandButton(int) {}
void CLauncherDlg::MakeAutorunInf() {}
void CLauncherDlg::OnEditOther() {}
void CLauncherDlg::SaveProfileInPlace() {}
void CLauncherDlg::SaveProfileAs() {}
