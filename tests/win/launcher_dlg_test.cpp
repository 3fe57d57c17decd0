#include "launcher/launcher_dlg.h"

#include "resources/resource.h"
#include "tests/win/menu_window_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class MenuWindow : public MenuWindowFixture {
protected:
    int Width() const
    {
        const RECT r = dialog.GetWindowRect();
        return r.right - r.left;
    }

    // Right edge of a control in the window's client coordinates.
    int ClientRight(const CWnd& control) const
    {
        RECT r = control.GetWindowRect();
        dialog.ScreenToClient(r);
        return r.right;
    }

    // The template width in pixels, from the dialog's own units.
    int TemplateWidth() const
    {
        RECT r{0, 0, 387, 226};
        ::MapDialogRect(dialog.m_hWnd, &r);
        return r.right;
    }

    std::vector<std::string> SystemMenuTexts() const
    {
        std::vector<std::string> texts;
        HMENU menu = ::GetSystemMenu(dialog.m_hWnd, FALSE);
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            char text[256] = "";
            ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            const UINT id = ::GetMenuItemID(menu, i);
            texts.push_back(std::to_string(id) + ":" + text);
        }
        return texts;
    }

};

const std::string fullProfile = [] {
    std::string text = "[Main]\r\nTitle=Demo Disc\r\nAboutButtonText=&Info\r\nCloseButtonText=E&xit\r\n"
                       "WavIntro=intro.wav\r\nWavClose=close.wav\r\n";
    for (int n = 1; n <= 10; ++n)
        text += "[Button" + std::to_string(n) + "]\r\nTitle=Button " + std::to_string(n) + "\r\nRun=prog" +
                std::to_string(n) + ".exe\r\n";
    return text;
}();

TEST_F(MenuWindow, FullProfileOpensInNormalMode)
{
    Open(&fullProfile);
    EXPECT_EQ(services.boxes.size(), 0u);
    EXPECT_EQ(dialog.m_nMode, 0);
    EXPECT_EQ(dialog.GetWindowText(), "Demo Disc");
    EXPECT_EQ(dialog.m_btnAbout.GetWindowText(), "&Info");
    EXPECT_EQ(dialog.m_btnClose.GetWindowText(), "E&xit");
    // Captions in index order, which is top to bottom.
    int lastTop = -1;
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        CWnd button = dialog.GetDlgItem(CLauncherDlg::CommandButtonIds[i]);
        EXPECT_EQ(button.GetWindowText(), "Button " + std::to_string(i + 1));
        EXPECT_TRUE(Visible(button));
        EXPECT_TRUE(Enabled(button));
        EXPECT_GT(button.GetWindowRect().top, lastTop);
        lastTop = button.GetWindowRect().top;
    }
    // Narrowed to the menu part: the window ends just right of the Close button.
    EXPECT_EQ(Width(), ClientRight(dialog.m_btnClose) + 8);
    EXPECT_LT(Width(), TemplateWidth());
    // The editor buttons are disabled, not hidden.
    for (int id : {IDC_MAKE_INF, IDC_EDIT_OTHER, IDC_SAVE_HERE, IDC_SAVE_AS, IDC_TO_NORMAL}) {
        EXPECT_FALSE(Enabled(dialog.GetDlgItem(id))) << id;
        EXPECT_TRUE(Visible(dialog.GetDlgItem(id))) << id;
    }
    EXPECT_EQ(services.sounds, std::vector<std::string>{"intro.wav"});
    EXPECT_EQ(dialog.m_btnSaveHere.GetWindowText(), "Save INI to current path");
}

TEST_F(MenuWindow, UnconfiguredButtonsAreHiddenInNormalModeAndShownInEditorMode)
{
    const std::string profile = "[Main]\nTitle=Partial\n"
                                "[Button1]\nTitle=Only title\n"
                                "[Button2]\nRun=only-run.exe\n"
                                "[Button4]\nTitle=Both\nRun=both.exe\n";
    Open(&profile);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        CWnd button = dialog.GetDlgItem(CLauncherDlg::CommandButtonIds[i]);
        EXPECT_EQ(Visible(button), i == 3);
        EXPECT_EQ(Enabled(button), i == 3);
    }
    EXPECT_EQ(dialog.GetDlgItem(IDC_COMMAND3).GetWindowText(), "Both");

    dialog.SendMessage(WM_SYSCOMMAND, 0x20, 0);
    EXPECT_EQ(dialog.m_nMode, 1);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        CWnd button = dialog.GetDlgItem(CLauncherDlg::CommandButtonIds[i]);
        EXPECT_TRUE(Visible(button));
        EXPECT_TRUE(Enabled(button));
    }
    // Only buttons with both texts got a caption at start-up.
    EXPECT_EQ(dialog.GetDlgItem(IDC_COMMAND0).GetWindowText(), "");
}

TEST_F(MenuWindow, ModeSwitchesGiveTheSameWidthsEveryTime)
{
    Open(&fullProfile);
    const RECT start = dialog.GetWindowRect();
    std::vector<int> normal, editor;
    for (int round = 0; round < 2; ++round) {
        normal.push_back(Width());
        dialog.SendMessage(WM_SYSCOMMAND, 0x20, 0);
        ASSERT_EQ(dialog.m_nMode, 1);
        editor.push_back(Width());
        EXPECT_EQ(Width(), ClientRight(dialog.m_btnSaveHere) + 16);
        EXPECT_EQ(SystemMenuTexts().back(), "32:&To Normal Mode...");
        for (int id : {IDC_MAKE_INF, IDC_EDIT_OTHER, IDC_SAVE_HERE, IDC_SAVE_AS, IDC_TO_NORMAL})
            EXPECT_TRUE(Enabled(dialog.GetDlgItem(id))) << id;
        // Back through the editor panel's button.
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TO_NORMAL, BN_CLICKED),
                           reinterpret_cast<LPARAM>(dialog.m_btnToNormal.m_hWnd));
        ASSERT_EQ(dialog.m_nMode, 0);
        EXPECT_EQ(SystemMenuTexts().back(), "32:&To Editor Mode...");
        EXPECT_EQ(::GetFocus(), dialog.m_btnAbout.m_hWnd);
    }
    EXPECT_EQ(normal[0], normal[1]);
    EXPECT_EQ(editor[0], editor[1]);
    EXPECT_GT(editor[0], normal[0]);
    // Only the width changes.
    const RECT end = dialog.GetWindowRect();
    EXPECT_EQ(end.left, start.left);
    EXPECT_EQ(end.top, start.top);
    EXPECT_EQ(end.bottom - end.top, start.bottom - start.top);
}

TEST_F(MenuWindow, SystemMenuLosesRestoreSizeMaximizeAndGainsTheModeItem)
{
    Open(&fullProfile);
    HMENU menu = ::GetSystemMenu(dialog.m_hWnd, FALSE);
    for (UINT gone : {SC_RESTORE, SC_SIZE, SC_MAXIMIZE})
        EXPECT_EQ(::GetMenuState(menu, gone, MF_BYCOMMAND), static_cast<UINT>(-1)) << gone;
    for (UINT kept : {SC_MOVE, SC_MINIMIZE, SC_CLOSE})
        EXPECT_NE(::GetMenuState(menu, kept, MF_BYCOMMAND), static_cast<UINT>(-1)) << kept;
    const std::vector<std::string> texts = SystemMenuTexts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[texts.size() - 2], "0:");
    EXPECT_EQ(texts.back(), "32:&To Editor Mode...");
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const std::string& t) { return t.rfind("16:", 0) == 0; }),
              0);
}

TEST_F(MenuWindow, NoModeItemWhenModeChangeIsOff)
{
    std::string text = "[Main]\r\nEnableModeChange=no\r\n" + fullProfile.substr(8);
    Open(&text);
    EXPECT_FALSE(dialog.m_menu.EnableModeChange);
    HMENU menu = ::GetSystemMenu(dialog.m_hWnd, FALSE);
    EXPECT_EQ(::GetMenuState(menu, 32, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(SystemMenuTexts().back(), "0:") << "no separator either";
}

TEST_F(MenuWindow, MissingProfileAnsweredYesOpensTheEditor)
{
    services.boxAnswers = {IDYES};
    Open(nullptr);
    ASSERT_EQ(services.boxes.size(), 1u);
    EXPECT_EQ(services.boxes[0].text,
              "The file 'autorun.INI' was not found.\nTrayvane requires this file to run in normal mode.\n"
              "Would you like to run Trayvane in INI editor mode?");
    EXPECT_EQ(services.boxes[0].caption, "Notice");
    EXPECT_EQ(services.boxes[0].type, static_cast<UINT>(0x34));
    EXPECT_EQ(services.boxes[0].owner, dialog.m_hWnd);

    EXPECT_FALSE(dialog.IsEnding());
    EXPECT_EQ(dialog.m_nMode, 1);
    EXPECT_EQ(dialog.GetClientRect().right, TemplateWidth()) << "the template's own width";
    for (int i = 0; i < 10; ++i) {
        CWnd button = dialog.GetDlgItem(CLauncherDlg::CommandButtonIds[i]);
        EXPECT_TRUE(Visible(button) && Enabled(button)) << i;
        EXPECT_EQ(button.GetWindowText(), "") << i;
    }
    EXPECT_EQ(SystemMenuTexts().back(), "32:&To Normal Mode...");
    EXPECT_EQ(dialog.GetWindowText(), "");
    EXPECT_EQ(dialog.m_btnAbout.GetWindowText(), "&About");
    EXPECT_EQ(dialog.m_btnClose.GetWindowText(), "&Close");
    EXPECT_EQ(dialog.m_editImageText.GetWindowText(), "No image specified or unable to load image");
    EXPECT_TRUE(Visible(dialog.m_editImageText));
    EXPECT_TRUE(services.sounds.empty()) << "no intro sound without a profile";

    // The first switch to normal mode hides every button that has no title and target.
    dialog.SendMessage(WM_SYSCOMMAND, 0x20, 0);
    EXPECT_EQ(dialog.m_nMode, 0);
    for (int i = 0; i < 10; ++i)
        EXPECT_FALSE(Visible(dialog.GetDlgItem(CLauncherDlg::CommandButtonIds[i]))) << i;
    EXPECT_EQ(Width(), ClientRight(dialog.m_btnClose) + 8);
}

TEST_F(MenuWindow, MissingProfileAnsweredNoEndsTheDialog)
{
    services.boxAnswers = {IDNO};
    Open(nullptr);
    EXPECT_TRUE(dialog.IsEnding());
    EXPECT_EQ(dialog.Result(), IDCANCEL);
}

TEST_F(MenuWindow, ClosingAsksOnlyWhenEditsAreUnsaved)
{
    Open(&fullProfile);

    // Escape never asks.
    dialog.m_bModified = true;
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(dialog.IsEnding());
    EXPECT_EQ(dialog.Result(), IDCANCEL);
    EXPECT_TRUE(services.boxes.empty());
}

TEST_F(MenuWindow, CloseQuestionCancelKeepsTheWindow)
{
    Open(&fullProfile);
    dialog.m_bModified = true;
    services.boxAnswers = {IDCANCEL};
    dialog.SendMessage(WM_CLOSE);
    ASSERT_EQ(services.boxes.size(), 1u);
    EXPECT_EQ(services.boxes[0].caption, "Save before closing?");
    EXPECT_EQ(services.boxes[0].type, static_cast<UINT>(0x23));
    EXPECT_EQ(services.boxes[0].text.rfind("The INI file data has been modified.\n", 0), 0u);
    EXPECT_FALSE(dialog.IsEnding());
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_EQ(dialog.m_nMode, 0);
    EXPECT_TRUE(dialog.m_bModified);
    EXPECT_EQ(services.sounds, std::vector<std::string>{"intro.wav"});
}

TEST_F(MenuWindow, CloseQuestionNoClosesWithTheCloseSound)
{
    Open(&fullProfile);
    dialog.m_bModified = true;
    services.boxAnswers = {IDNO};
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CLOSE_BUTTON, BN_CLICKED),
                       reinterpret_cast<LPARAM>(dialog.m_btnClose.m_hWnd));
    EXPECT_EQ(services.boxes.size(), 1u);
    EXPECT_TRUE(dialog.IsEnding());
    EXPECT_EQ(dialog.Result(), IDCANCEL);
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_EQ(services.sounds, (std::vector<std::string>{"intro.wav", "close.wav"}));
    EXPECT_EQ(services.soundsToEnd, std::vector<std::string>{"close.wav"}) << "or the process end cuts it off";
}

TEST_F(MenuWindow, UnmodifiedCloseAsksNothing)
{
    Open(&fullProfile);
    dialog.SendMessage(WM_CLOSE);
    EXPECT_TRUE(services.boxes.empty());
    EXPECT_TRUE(dialog.IsEnding());
}

TEST_F(MenuWindow, IconForTheWindowAndItsDragImage)
{
    Open(&fullProfile);
    ASSERT_NE(dialog.m_hIcon, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(dialog.SendMessage(WM_GETICON, ICON_BIG)), dialog.m_hIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(dialog.SendMessage(WM_QUERYDRAGICON)), dialog.m_hIcon);
}

} // namespace
