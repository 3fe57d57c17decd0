// The main settings editor: the window-wide settings, shown in the main window as soon as OK is pressed.
#include "launcher/launcher_dlg.h"

#include "resources/resource.h"

void CLauncherDlg::OnEditOther()
{
    EditMainSettings();
}

void CLauncherDlg::EditMainSettings()
{
    CDialog box(IDD_MAIN_SETTINGS);
    OwnerDisabled disabled(*this);
    if (!box.Create(this))
        return;

    // The language list is hidden: it keeps the current language.
    const CWnd languages = box.GetDlgItem(IDC_MAINSET_LANGUAGE);
    for (int language = 0; language < LanguageCount; ++language)
        languages.SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(language),
                              reinterpret_cast<LPARAM>(GetText(language, TXT_LANGUAGE_NAME)));
    languages.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(m_menu.LanguageIndex));

    box.GetDlgItem(IDC_MAINSET_TITLE).SetWindowText(m_menu.Title);
    box.GetDlgItem(IDC_MAINSET_BITMAP).SetWindowText(m_menu.BitmapPictureFile);
    box.GetDlgItem(IDC_MAINSET_AUTHOR).SetWindowText(m_menu.Author);
    box.GetDlgItem(IDC_MAINSET_NOTES).SetWindowText(m_menu.Notes);
    box.GetDlgItem(IDC_MAINSET_WAV_INTRO).SetWindowText(m_menu.WavIntro);
    box.GetDlgItem(IDC_MAINSET_WAV_CLOSE).SetWindowText(m_menu.WavClose);
    box.GetDlgItem(IDC_MAINSET_WAV_ABOUT).SetWindowText(m_menu.WavAbout);
    box.GetDlgItem(IDC_MAINSET_FIT_IMAGE).SendMessage(BM_SETCHECK, m_menu.FitImage ? BST_CHECKED : BST_UNCHECKED);
    box.GetDlgItem(IDC_MAINSET_ABOUT_TEXT).SetWindowText(m_menu.AboutButtonText);
    box.GetDlgItem(IDC_MAINSET_CLOSE_TEXT).SetWindowText(m_menu.CloseButtonText);
    box.GetDlgItem(IDC_MAINSET_IMAGE_TEXT).SetWindowText(m_menu.ImageText);

    box.ShowWindow(SW_SHOWNORMAL);
    if (box.RunModalLoop() == IDOK) {
        const CWnd title = box.GetDlgItem(IDC_MAINSET_TITLE);
        const LRESULT language = languages.SendMessage(CB_GETCURSEL);
        if (language != m_menu.LanguageIndex && (m_menu.LanguageIndex == 0 || m_menu.LanguageIndex == 1) &&
            language >= 0 && language < LanguageCount)
            m_menu.LanguageIndex = static_cast<int>(language);
        m_menu.Title = TakeText(title, TXT_FIELD_WINDOW_TITLE);
        SetWindowText(m_menu.Title);
        m_menu.BitmapPictureFile = TakeText(box.GetDlgItem(IDC_MAINSET_BITMAP), TXT_FIELD_BITMAP);
        m_menu.Author = TakeText(box.GetDlgItem(IDC_MAINSET_AUTHOR), TXT_FIELD_AUTHOR);
        m_menu.Notes = TakeText(box.GetDlgItem(IDC_MAINSET_NOTES), TXT_FIELD_NOTES);
        m_menu.WavIntro = box.GetDlgItem(IDC_MAINSET_WAV_INTRO).GetWindowText();
        m_menu.WavClose = box.GetDlgItem(IDC_MAINSET_WAV_CLOSE).GetWindowText();
        m_menu.WavAbout = box.GetDlgItem(IDC_MAINSET_WAV_ABOUT).GetWindowText();
        m_menu.SetAboutButtonText(box.GetDlgItem(IDC_MAINSET_ABOUT_TEXT).GetWindowText());
        m_menu.SetCloseButtonText(box.GetDlgItem(IDC_MAINSET_CLOSE_TEXT).GetWindowText());
        m_menu.FitImage = box.GetDlgItem(IDC_MAINSET_FIT_IMAGE).SendMessage(BM_GETCHECK) == BST_CHECKED;
        m_btnAbout.SetWindowText(m_menu.AboutButtonText);
        m_btnClose.SetWindowText(m_menu.CloseButtonText);
        m_menu.SetImageText(box.GetDlgItem(IDC_MAINSET_IMAGE_TEXT).GetWindowText());
        LoadPicture();
        m_bModified = true;
    }
    box.EndDialog(0);
}
