// Saving the profile next to the executable or under a chosen name.
#include "launcher/launcher_dlg.h"

#include "core/module_path.h"

namespace {

// Upper-cases by the rules of the system's code page.
std::string UpperCase(std::string text)
{
    if (!text.empty())
        ::CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

} // namespace

std::string CLauncherDlg::UpperCaseName(const std::string& name)
{
    return UpperCase(name);
}

void CLauncherDlg::SaveProfileInPlace()
{
    const std::string path = ExecutableFolderWithSeparator(m_services.ExecutablePath()) + ProfileName();
    if (m_menu.Save(path.c_str()))
        m_bModified = false;
    else
        m_services.MessageBox(m_hWnd, ReplaceTokens(Text(TXT_INI_SAVE_ERROR), path), Text(TXT_ERROR_CAPTION),
                              MB_ICONEXCLAMATION);
}

bool CLauncherDlg::SaveProfileAs()
{
    SaveFileRequest request;
    // "ini" is what a name typed without an extension receives; the catalogue text names the dialog.
    request.defaultExtension = "ini";
    request.title = Text(TXT_SAVE_INI_TITLE);
    request.fileName = ProfileName();
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    request.filter = Text(TXT_INI_FILTER);
    SaveFileAnswer answer;
    if (!m_services.SaveFileDialog(m_hWnd, request, answer))
        return false;

    const std::string expected = UpperCase(ProfileName());
    const std::string chosen = UpperCase(answer.fileName);
    if (chosen != expected) {
        const std::string warning = ReplaceTokens(Text(TXT_INI_NAME_WARNING), expected, chosen);
        if (m_services.MessageBox(m_hWnd, warning, Text(TXT_NOTICE_CAPTION), MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
            return false;
    }

    if (!m_menu.Save(answer.path.c_str())) {
        m_services.MessageBox(m_hWnd, ReplaceTokens(Text(TXT_INI_SAVE_ERROR), answer.path), Text(TXT_ERROR_CAPTION),
                              MB_ICONEXCLAMATION);
        return false;
    }
    m_bModified = false;
    return true;
}
