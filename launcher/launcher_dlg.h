// The menu window: the program's only top-level window, in normal mode the disc's menu and in editor mode
// the profile editor.
#ifndef AUTORUN_LAUNCHER_LAUNCHER_DLG_H
#define AUTORUN_LAUNCHER_LAUNCHER_DLG_H

#include "core/menu.h"
#include "core/text_catalogue.h"
#include "win32/services.h"
#include "win32/window.h"

#include <string>

// The fixed English text for a result code of the shell.
const char* ShellErrorText(INT_PTR code);

class CLauncherDlg : public CDialog {
public:
    explicit CLauncherDlg(Services& services, CWnd* parent = nullptr);
    ~CLauncherDlg() override;

    // Control identifier of each command button, by button index.
    static const int CommandButtonIds[10];
    // The button index of a control identifier, or -1 when it is no command button.
    static int ButtonIndexOf(int controlId);

    // Mode switching.
    void ToggleMode();
    void UpdateCommandButton(unsigned char index);

    // Handlers, public so that the whole window can be driven in-process.
    void OnCommandButton(int index);
    void OnClose();
    void OnSysCommand(UINT id);
    void LoadPicture();
    void LaunchButton(int index);
    void EditCommandButton(int index);
    void ShowAboutBox();
    void MakeAutorunInf();
    void ReadAutorunInf();
    void SaveAutorunInf();
    void OnEditOther();
    void EditMainSettings();
    void SaveProfileInPlace();
    // True only when the profile was written; cancelling, refusing the name warning or a failed write
    // leaves the edits unsaved.
    bool SaveProfileAs();
    void OnToNormalMode();
    // Answers a tool tip's request for its text; TRUE when it gave one (the ten command buttons only).
    BOOL OnToolTipNeedText(NMHDR* header);

    // The profile name shown in messages ("autorun.INI") and the folder of the executable with its backslash.
    std::string ProfileName() const;

    CEdit m_editHelp;
    CButton m_btnMakeInf;
    CEdit m_editImageText;
    CButton m_btnClose;
    CStatic m_picture;
    CButton m_btnAbout;
    CButton m_btnSaveAs;
    CButton m_btnToNormal;
    CButton m_btnSaveHere;
    CButton m_btnEditOther;
    CButton m_btnCommand8, m_btnCommand9;
    CButton m_btnCommand0, m_btnCommand1, m_btnCommand2, m_btnCommand3, m_btnCommand4, m_btnCommand5,
        m_btnCommand6, m_btnCommand7;
    Menu m_menu;
    bool m_bModified = false;
    CButton* m_pButtons[10] = {};
    int m_nMode = 1;
    std::string m_strInfLabel, m_strInfIcon, m_strInfOpen;
    HICON m_hIcon = nullptr;
    HWND m_hToolTips = nullptr;
    CBitmapHandle m_pictureBitmap; // the picture shown in the panel

protected:
    BOOL OnInitDialog() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void DoDataExchange();
    void EnableToolTips();
    bool OnPaint();
    const char* Text(TextId id) const;
    // An edited text, cut to 255 characters with a notice naming the field when it is longer.
    std::string TakeText(const CWnd& control, TextId field);
    static std::string UpperCaseName(const std::string& name);
    // The question before closing with unsaved edits; false when the window must stay open: the user
    // cancelled, or chose to save and the profile was not saved.
    bool AskToSaveBeforeClosing();
    // Starts a sound of the profile; an empty name plays nothing.
    void PlayWav(const std::string& file);

    Services& m_services;
};

#endif
