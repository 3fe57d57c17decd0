// The autorun.inf creator: proposes the disc's open, label and icon entries and writes the file.
#include "launcher/launcher_dlg.h"

#include "core/module_path.h"
#include "core/private_profile.h"
#include "resources/resource.h"

namespace {

const char* const InfSection = "autorun";
const char* const InfFileName = "AUTORUN.INF";
const char* const ProposedProgram = "autorun.exe";
const unsigned InfValueCapacity = 255;

std::string ReadInfValue(const char* key, const std::string& path)
{
    char buffer[InfValueCapacity];
    const unsigned n = private_profile::GetString(InfSection, key, "", buffer, InfValueCapacity, path.c_str());
    return std::string(buffer, n);
}

} // namespace

void CLauncherDlg::MakeAutorunInf()
{
    CDialog box(IDD_AUTORUN_INF);
    bool save = false;
    {
        OwnerDisabled disabled(*this);
        if (!box.Create(this))
            return;
        ReadAutorunInf();
        box.GetDlgItem(IDC_INF_LABEL).SetWindowText(m_strInfLabel.empty() ? m_menu.Title : m_strInfLabel);
        box.GetDlgItem(IDC_INF_OPEN).SetWindowText(m_strInfOpen.empty() ? ProposedProgram : m_strInfOpen);
        box.GetDlgItem(IDC_INF_ICON).SetWindowText(m_strInfIcon.empty() ? ProposedProgram : m_strInfIcon);
        box.ShowWindow(SW_SHOWNORMAL);
        if (box.RunModalLoop() == IDOK) {
            m_strInfLabel = box.GetDlgItem(IDC_INF_LABEL).GetWindowText();
            m_strInfOpen = box.GetDlgItem(IDC_INF_OPEN).GetWindowText();
            m_strInfIcon = box.GetDlgItem(IDC_INF_ICON).GetWindowText();
            save = true;
        }
        box.EndDialog(0);
        if (save)
            SaveAutorunInf();
    }
}

void CLauncherDlg::ReadAutorunInf()
{
    const std::string path = ExecutableFolderWithSeparator(m_services.ExecutablePath()) + "autorun.inf";
    private_profile::ScopedReader reader(path.c_str());
    m_strInfOpen = ReadInfValue("open", path);
    m_strInfLabel = ReadInfValue("label", path);
    m_strInfIcon = ReadInfValue("icon", path);
}

void CLauncherDlg::SaveAutorunInf()
{
    SaveFileRequest request;
    request.defaultExtension = "inf";
    request.title = Text(TXT_SAVE_INF_TITLE);
    request.fileName = InfFileName;
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    request.filter = Text(TXT_INF_FILTER);
    SaveFileAnswer answer;
    if (!m_services.SaveFileDialog(m_hWnd, request, answer))
        return;

    if (UpperCaseName(answer.fileName) != InfFileName) {
        const std::string warning = ReplaceTokens(Text(TXT_INF_NAME_WARNING), InfFileName, answer.path);
        if (m_services.MessageBox(m_hWnd, warning, Text(TXT_NOTICE_CAPTION), MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
            return;
    }

    const char* path = answer.path.c_str();
    const bool written = private_profile::WriteString(InfSection, "open", m_strInfOpen.c_str(), path) &&
                         private_profile::WriteString(InfSection, "label", m_strInfLabel.c_str(), path) &&
                         private_profile::WriteString(InfSection, "icon", m_strInfIcon.c_str(), path);
    if (!written)
        m_services.MessageBox(m_hWnd, ReplaceTokens(Text(TXT_INF_SAVE_ERROR), answer.path), nullptr,
                              MB_ICONEXCLAMATION);
}
