#include "launcher/launcher_dlg.h"

#include "core/module_path.h"
#include "resources/resource.h"

#include <commctrl.h>

namespace {

// The system-menu command that switches modes, and the one that shows the About box.
const UINT ModeSwitchCommand = 0x0020;
const UINT AboutCommand = 0x0010;
// Posted at the end of a successful start-up: the intro sound starts as soon as the window is up, so that
// loading the sound system does not delay the menu's first appearance.
const UINT PlayIntroMessage = WM_APP + 1;

} // namespace

const int CLauncherDlg::CommandButtonIds[10] = {IDC_COMMAND0, IDC_COMMAND1, IDC_COMMAND2, IDC_COMMAND3, IDC_COMMAND4,
                                                IDC_COMMAND5, IDC_COMMAND6, IDC_COMMAND7, IDC_COMMAND8, IDC_COMMAND9};

int CLauncherDlg::ButtonIndexOf(int controlId)
{
    for (int i = 0; i < 10; ++i)
        if (CommandButtonIds[i] == controlId)
            return i;
    return -1;
}

CLauncherDlg::CLauncherDlg(Services& services, CWnd* parent) : CDialog(IDD_LAUNCHER, parent), m_services(services)
{
    m_menu.ProfilePath = ProfilePathFor(m_services.ExecutablePath());
    m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAIN));
}

CLauncherDlg::~CLauncherDlg() = default;

std::string CLauncherDlg::ProfileName() const
{
    return ProfileFileName(m_services.ExecutablePath());
}

void CLauncherDlg::PlayWav(const std::string& file)
{
    if (!file.empty())
        m_services.PlaySound(file);
}

const char* CLauncherDlg::Text(TextId id) const
{
    return GetText(m_menu.LanguageIndex, id);
}

void CLauncherDlg::DoDataExchange()
{
    const struct {
        int id;
        CWnd* control;
    } bindings[] = {
        {IDC_EDITOR_HELP, &m_editHelp},   {IDC_MAKE_INF, &m_btnMakeInf},   {IDC_IMAGE_TEXT, &m_editImageText},
        {IDC_CLOSE_BUTTON, &m_btnClose},  {IDC_PICTURE, &m_picture},       {IDC_ABOUT_BUTTON, &m_btnAbout},
        {IDC_SAVE_AS, &m_btnSaveAs},      {IDC_TO_NORMAL, &m_btnToNormal}, {IDC_SAVE_HERE, &m_btnSaveHere},
        {IDC_EDIT_OTHER, &m_btnEditOther}, {IDC_COMMAND8, &m_btnCommand8}, {IDC_COMMAND9, &m_btnCommand9},
        {IDC_COMMAND0, &m_btnCommand0},   {IDC_COMMAND1, &m_btnCommand1},  {IDC_COMMAND2, &m_btnCommand2},
        {IDC_COMMAND3, &m_btnCommand3},   {IDC_COMMAND4, &m_btnCommand4},  {IDC_COMMAND5, &m_btnCommand5},
        {IDC_COMMAND6, &m_btnCommand6},   {IDC_COMMAND7, &m_btnCommand7},
    };
    for (const auto& b : bindings)
        b.control->Attach(::GetDlgItem(m_hWnd, b.id));
}

BOOL CLauncherDlg::OnInitDialog()
{
    DoDataExchange();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    CButton* buttons[10] = {&m_btnCommand0, &m_btnCommand1, &m_btnCommand2, &m_btnCommand3, &m_btnCommand4,
                            &m_btnCommand5, &m_btnCommand6, &m_btnCommand7, &m_btnCommand8, &m_btnCommand9};
    for (int i = 0; i < 10; ++i)
        m_pButtons[i] = buttons[i];

    EnableToolTips();

    if (m_menu.Load()) {
        ToggleMode();
        for (unsigned char i = 0; i < 10; ++i)
            UpdateCommandButton(i);
        if (!m_menu.WavIntro.empty())
            ::PostMessageA(m_hWnd, PlayIntroMessage, 0, 0);
    } else {
        const std::string question = ReplaceTokens(Text(TXT_INI_MISSING), ProfileName());
        if (m_services.MessageBox(m_hWnd, question, Text(TXT_NOTICE_CAPTION), MB_YESNO | MB_ICONWARNING) == IDNO)
            EndDialog(IDCANCEL);
    }

    HMENU systemMenu = GetSystemMenu(false);
    if (systemMenu != nullptr) {
        for (UINT position = 0; position < 3; ++position)
            ::RemoveMenu(systemMenu, position, MF_BYPOSITION);
        if (m_menu.EnableModeChange) {
            ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(systemMenu, MF_STRING, ModeSwitchCommand,
                          Text(m_nMode == 1 ? TXT_MENU_TO_NORMAL : TXT_MENU_TO_EDITOR));
        }
    }

    SetWindowText(m_menu.Title);
    m_btnAbout.SetWindowText(m_menu.AboutButtonText);
    m_btnClose.SetWindowText(m_menu.CloseButtonText);

    LoadPicture();

    m_editHelp.SetWindowText(Text(TXT_EDITOR_HELP));
    m_btnMakeInf.SetWindowText(Text(TXT_BTN_MAKE_INF));
    m_btnEditOther.SetWindowText(Text(TXT_BTN_EDIT_OTHER));
    m_btnSaveAs.SetWindowText(Text(TXT_BTN_SAVE_AS));
    m_btnSaveHere.SetWindowText(Text(TXT_BTN_SAVE_IN_PLACE));
    m_btnToNormal.SetWindowText(Text(TXT_BTN_TO_NORMAL));
    return TRUE;
}

INT_PTR CLauncherDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    switch (message) {
    case WM_SYSCOMMAND: {
        const UINT command = static_cast<UINT>(wParam) & 0xFFF0;
        if (command == AboutCommand || command == ModeSwitchCommand) {
            OnSysCommand(static_cast<UINT>(wParam));
            return TRUE;
        }
        break;
    }
    case WM_PAINT:
        if (OnPaint())
            return TRUE;
        break;
    case PlayIntroMessage:
        PlayWav(m_menu.WavIntro);
        return TRUE;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(m_hIcon);
    case WM_CLOSE:
        OnClose();
        return TRUE;
    case WM_NOTIFY: {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        if (header != nullptr && header->code == TTN_NEEDTEXTA)
            return OnToolTipNeedText(header);
        break;
    }
    case WM_COMMAND: {
        if (HIWORD(wParam) != BN_CLICKED)
            break;
        const int id = LOWORD(wParam);
        const int index = ButtonIndexOf(id);
        if (index >= 0) {
            OnCommandButton(index);
            return TRUE;
        }
        switch (id) {
        case IDC_ABOUT_BUTTON:
            ShowAboutBox();
            return TRUE;
        case IDC_CLOSE_BUTTON:
            OnClose();
            return TRUE;
        case IDC_MAKE_INF:
            MakeAutorunInf();
            return TRUE;
        case IDC_EDIT_OTHER:
            OnEditOther();
            return TRUE;
        case IDC_SAVE_HERE:
            SaveProfileInPlace();
            return TRUE;
        case IDC_SAVE_AS:
            SaveProfileAs();
            return TRUE;
        case IDC_TO_NORMAL:
            OnToNormalMode();
            return TRUE;
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
    handled = false;
    return FALSE;
}

void CLauncherDlg::OnSysCommand(UINT id)
{
    const UINT command = id & 0xFFF0;
    if (command == AboutCommand)
        ShowAboutBox();
    else if (command == ModeSwitchCommand)
        ToggleMode();
    else
        ::DefWindowProcA(m_hWnd, WM_SYSCOMMAND, id, 0);
}

// Paints the icon centred in the client area while the window is minimized; false leaves painting to the
// dialog's default.
bool CLauncherDlg::OnPaint()
{
    if (!IsIconic())
        return false;
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    const RECT client = GetClientRect();
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    ::EndPaint(m_hWnd, &paint);
    return true;
}

bool CLauncherDlg::AskToSaveBeforeClosing()
{
    if (!m_bModified)
        return true;
    const int answer = m_services.MessageBox(m_hWnd, Text(TXT_SAVE_BEFORE_CLOSE), Text(TXT_SAVE_BEFORE_CLOSE_CAPTION),
                                             MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL)
        return false;
    // Closing after a save that did not happen would lose the edits the user asked to keep.
    if (answer == IDYES)
        return SaveProfileAs();
    return true;
}

std::string CLauncherDlg::TakeText(const CWnd& control, TextId field)
{
    const std::string::size_type limit = 255;
    std::string text = control.GetWindowText();
    if (text.size() > limit) {
        text.resize(limit);
        m_services.MessageBox(m_hWnd, ReplaceTokens(Text(TXT_TEXT_TOO_LONG), Text(field)), nullptr, MB_OK);
    }
    return text;
}

void CLauncherDlg::OnClose()
{
    if (!AskToSaveBeforeClosing())
        return;
    ShowWindow(SW_HIDE);
    // The window is gone already; the close sound is played to its end, since the process ends right
    // after the dialog and would cut it off.
    if (!m_menu.WavClose.empty())
        m_services.PlaySoundToEnd(m_menu.WavClose);
    OnCancel();
}

void CLauncherDlg::OnCommandButton(int index)
{
    if (m_nMode == 0)
        LaunchButton(index);
    else if (m_nMode == 1)
        EditCommandButton(index);
}

void CLauncherDlg::OnToNormalMode()
{
    ToggleMode();
}

void CLauncherDlg::LoadPicture()
{
    int width = 0, height = 0;
    if (m_menu.FitImage) {
        m_picture.ModifyStyle(SS_REALSIZEIMAGE, SS_NOPREFIX);
        width = 250;
        height = 350;
    } else {
        m_picture.ModifyStyle(0, SS_REALSIZEIMAGE | SS_NOPREFIX);
    }
    HBITMAP bitmap = m_menu.BitmapPictureFile.empty()
                         ? nullptr
                         : static_cast<HBITMAP>(::LoadImageA(nullptr, m_menu.BitmapPictureFile.c_str(), IMAGE_BITMAP,
                                                             width, height, LR_LOADFROMFILE));
    HGDIOBJ previous;
    if (bitmap != nullptr) {
        m_editImageText.ModifyStyle(WS_VISIBLE, WS_DISABLED);
        previous = reinterpret_cast<HGDIOBJ>(
            m_picture.SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    } else {
        m_editImageText.SetWindowText(m_menu.ImageText);
        m_editImageText.ModifyStyle(WS_DISABLED, WS_VISIBLE);
        previous = reinterpret_cast<HGDIOBJ>(m_picture.SendMessage(STM_SETIMAGE, IMAGE_BITMAP, 0));
        RedrawNow();
    }
    // The panel hands back what it showed before: the bitmap replaced here, or a copy the control made of
    // it (it copies bitmaps with an alpha channel). Both are freed; the panel never leaks a picture.
    if (previous != nullptr && previous != m_pictureBitmap.Get() && previous != bitmap)
        ::DeleteObject(previous);
    m_pictureBitmap.Reset(bitmap);
}
