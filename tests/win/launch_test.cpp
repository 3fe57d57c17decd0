#include "launcher/launcher_dlg.h"

#include "resources/resource.h"
#include "tests/win/menu_window_fixture.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using test_files::WriteFile;

// The menu on a disc whose folder is the current one, as the program makes it at start-up.
class Launching : public MenuWindowFixture {
protected:
    Launching()
    {
        char previous[MAX_PATH] = "";
        ::GetCurrentDirectoryA(MAX_PATH, previous);
        previousFolder_ = previous;
        ::SetCurrentDirectoryA(disc.Root().string().c_str());
    }
    ~Launching() override { ::SetCurrentDirectoryA(previousFolder_.c_str()); }

    // A profile whose first button opens run with the given state and action.
    void OpenWithButton(const std::string& run, const char* state = "WS_DEFAULT", const char* action = "WA_DONOTHING")
    {
        const std::string profile = "[Main]\r\nTitle=Launch Disc\r\nWavClose=close.wav\r\n[Button1]\r\nTitle=Go\r\nRun=" +
                                    run + "\r\nParameters=/p 1\r\nPlayWav=click.wav\r\nWindowState=" + state +
                                    "\r\nWindowAction=" + action + "\r\n";
        Open(&profile);
    }

    void Click(int index = 0)
    {
        const int id = CLauncherDlg::CommandButtonIds[index];
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(id).m_hWnd));
    }

    std::string Folder() const { return disc.Root().string(); }

private:
    std::string previousFolder_;
};

TEST_F(Launching, OpensAProgramInItsOwnFolderWithParameters)
{
    std::filesystem::create_directory(disc.Path("programs"));
    WriteFile(disc.Path("programs\\probe.exe"), "MZ");
    OpenWithButton("programs\\probe.exe", "WS_MAXIMIZED");
    Click();
    ASSERT_EQ(services.launches.size(), 1u);
    const FakeServices::Launch& launch = services.launches[0];
    EXPECT_EQ(launch.verb, "open");
    EXPECT_EQ(launch.file, Folder() + "\\programs\\probe.exe");
    EXPECT_EQ(launch.directory, Folder() + "\\programs");
    EXPECT_EQ(launch.parameters, "/p 1");
    EXPECT_EQ(launch.showCommand, SW_SHOWMAXIMIZED);
    EXPECT_EQ(services.sounds.back(), "click.wav");
    EXPECT_TRUE(services.boxes.empty());
}

TEST_F(Launching, ShowCommandFollowsTheWindowState)
{
    const struct {
        const char* state;
        int show;
    } cases[] = {{"WS_DEFAULT", SW_SHOWDEFAULT},      {"WS_MINIMIZED", SW_MINIMIZE},
                 {"WS_MAXIMIZED", SW_SHOWMAXIMIZED},  {"WS_RESTORED", SW_RESTORE},
                 {"WS_NOACTIVATE", SW_SHOWNOACTIVATE}, {"WS_MINIMIZED_NOACTIVATE", SW_SHOWMINNOACTIVE}};
    WriteFile(disc.Path("readme.txt"), "hello");
    OpenWithButton("readme.txt");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        dialog.m_menu.GetButton(0).WindowState = static_cast<int>(&c - cases);
        Click();
        ASSERT_FALSE(services.launches.empty());
        EXPECT_EQ(services.launches.back().showCommand, c.show);
    }
}

TEST_F(Launching, DotOpensTheExecutablesFolderWithoutAVerb)
{
    OpenWithButton(".", "WS_RESTORED");
    Click();
    ASSERT_EQ(services.launches.size(), 1u);
    EXPECT_EQ(services.launches[0].verb, "(null)");
    EXPECT_EQ(services.launches[0].file, Folder());
    EXPECT_EQ(services.launches[0].directory, Folder());
    EXPECT_EQ(services.launches[0].showCommand, SW_RESTORE);
}

TEST_F(Launching, FoldersAndPatternsAreFoundBeforeTheShellIsAsked)
{
    std::filesystem::create_directory(disc.Path("docs"));
    WriteFile(disc.Path("b.txt"), "b");
    WriteFile(disc.Path("a.txt"), "a");
    OpenWithButton("docs");
    Click();
    ASSERT_EQ(services.launches.size(), 1u);
    EXPECT_EQ(services.launches[0].file, Folder() + "\\docs");
    EXPECT_EQ(services.launches[0].directory, Folder());

    // A pattern opens the first match the file system reports, and only that one.
    WIN32_FIND_DATAA first;
    HANDLE find = ::FindFirstFileA("*.txt", &first);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    ::FindClose(find);
    dialog.m_menu.GetButton(0).Run = "*.txt";
    Click();
    ASSERT_EQ(services.launches.size(), 2u);
    EXPECT_EQ(services.launches[1].file, Folder() + "\\" + first.cFileName);
}

TEST_F(Launching, FailuresNameTheReasonAndTheTargetAndChangeNothing)
{
    const struct {
        INT_PTR code;
        const char* text;
    } cases[] = {
        {0, "The operating system is out of memory or resources."},
        {3, "The specified path was not found."},
        {5, "The operating system denied access to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .exe file is invalid (non-Win32\xAE .exe or error in .exe image)."},
        {26, "A sharing violation occurred."},
        {27, "The file name association is incomplete or invalid."},
        {28, "The DDE transaction could not be completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not be completed because other DDE transactions were being processed."},
        {31, "There is no application associated with the given file name extension."},
        {32, "The specified dynamic-link library was not found."},
        {1, "Unknown Error."},
        {12, "Unknown Error."},
        {-5, "Unknown Error."},
    };
    WriteFile(disc.Path("setup.exe"), "MZ");
    OpenWithButton("setup.exe", "WS_DEFAULT", "WA_CLOSE");
    const RECT before = dialog.GetWindowRect();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        services.shellResult = c.code;
        services.boxes.clear();
        Click();
        ASSERT_EQ(services.boxes.size(), 1u);
        EXPECT_EQ(services.boxes[0].text, std::string(c.text) + "\n\n\"setup.exe\"");
        EXPECT_EQ(services.boxes[0].caption, "Notice");
        EXPECT_EQ(services.boxes[0].type, static_cast<UINT>(MB_ICONINFORMATION));
        EXPECT_FALSE(dialog.IsEnding()) << "no window action after a failure";
    }
    EXPECT_STREQ(ShellErrorText(33), "Executed OK");
    EXPECT_TRUE(dialog.IsWindowVisible());
    const RECT after = dialog.GetWindowRect();
    EXPECT_EQ(::memcmp(&before, &after, sizeof before), 0);
    EXPECT_EQ(dialog.m_nMode, 0);
}

TEST_F(Launching, MissingTargetIsReportedWithoutAskingTheShell)
{
    OpenWithButton("setup.exe");
    Click();
    EXPECT_TRUE(services.launches.empty());
    ASSERT_EQ(services.boxes.size(), 1u);
    EXPECT_EQ(services.boxes[0].text, "The specified file was not found.\n\n\"setup.exe\"");
    // The sound plays whether or not the launch works.
    EXPECT_EQ(services.sounds.back(), "click.wav");
}

TEST_F(Launching, MinimizeAction)
{
    WriteFile(disc.Path("readme.txt"), "hello");
    OpenWithButton("readme.txt", "WS_DEFAULT", "WA_MINIMIZE");
    Click();
    EXPECT_TRUE(dialog.IsIconic());
    EXPECT_FALSE(dialog.IsEnding());
    WINDOWPLACEMENT placement{};
    dialog.GetWindowPlacement(placement);
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
}

TEST_F(Launching, CloseActionEndsWithoutTheCloseSound)
{
    WriteFile(disc.Path("readme.txt"), "hello");
    OpenWithButton("readme.txt", "WS_DEFAULT", "WA_CLOSE");
    Click();
    EXPECT_EQ(services.launches.size(), 1u);
    EXPECT_TRUE(dialog.IsEnding());
    EXPECT_EQ(dialog.Result(), IDOK);
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_EQ(services.sounds, std::vector<std::string>{"click.wav"});
}

TEST_F(Launching, CloseActionWithUnsavedEditsAsksAfterTheLaunch)
{
    WriteFile(disc.Path("readme.txt"), "hello");
    OpenWithButton("readme.txt", "WS_DEFAULT", "WA_CLOSE");
    dialog.m_bModified = true;
    services.boxAnswers = {IDCANCEL, IDNO};
    Click();
    EXPECT_EQ(services.launches.size(), 1u);
    ASSERT_EQ(services.boxes.size(), 1u);
    EXPECT_EQ(services.boxes[0].caption, "Save before closing?");
    EXPECT_EQ(services.boxes[0].type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_FALSE(dialog.IsEnding());
    EXPECT_TRUE(dialog.IsWindowVisible());

    Click();
    EXPECT_EQ(services.launches.size(), 2u);
    EXPECT_TRUE(dialog.IsEnding());
    EXPECT_EQ(dialog.Result(), IDOK);
}

TEST_F(Launching, EditorModeNeverLaunches)
{
    WriteFile(disc.Path("readme.txt"), "hello");
    OpenWithButton("readme.txt");
    dialog.SendMessage(WM_SYSCOMMAND, 0x20, 0);
    ASSERT_EQ(dialog.m_nMode, 1);
    // The click opens the button editor instead, which is cancelled here.
    ChildDialogScript::Schedule(dialog.m_hWnd, [](HWND box) { PressButton(box, IDCANCEL); });
    Click();
    EXPECT_TRUE(ChildDialogScript::Ran());
    EXPECT_TRUE(services.launches.empty());
    EXPECT_EQ(services.sounds, std::vector<std::string>{});
}

// ---- Tool tips ----

TEST_F(Launching, ToolTipsOnlyForCommandButtonsAndWithoutACopy)
{
    OpenWithButton("x.exe");
    dialog.m_menu.GetButton(4).ToolTipText = "Fifth";
    // Asks through the window as the tip control does; true when a text came back.
    const auto ask = [this](int controlId, UINT flags, TOOLTIPTEXTA& request) {
        request = TOOLTIPTEXTA{};
        request.hdr.hwndFrom = dialog.m_hToolTips;
        request.hdr.idFrom = reinterpret_cast<UINT_PTR>(dialog.GetDlgItem(controlId).m_hWnd);
        request.hdr.code = TTN_NEEDTEXTA;
        request.uFlags = flags;
        dialog.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        return request.lpszText != nullptr;
    };
    TOOLTIPTEXTA request;
    EXPECT_TRUE(ask(IDC_COMMAND4, TTF_IDISHWND, request));
    EXPECT_EQ(request.lpszText, dialog.m_menu.GetButton(4).ToolTipText.c_str());
    EXPECT_EQ(request.hinst, ::GetModuleHandleA(nullptr));
    EXPECT_TRUE(ask(IDC_COMMAND9, TTF_IDISHWND, request));
    EXPECT_STREQ(request.lpszText, "");
    EXPECT_FALSE(ask(IDC_ABOUT_BUTTON, TTF_IDISHWND, request));
    EXPECT_FALSE(ask(IDC_CLOSE_BUTTON, TTF_IDISHWND, request));
    EXPECT_FALSE(ask(IDC_SAVE_HERE, TTF_IDISHWND, request));
    EXPECT_FALSE(ask(IDC_COMMAND4, 0, request)) << "only tools named by their window";

    // The handler tells whether it gave a text.
    ask(IDC_COMMAND0, TTF_IDISHWND, request);
    EXPECT_TRUE(dialog.OnToolTipNeedText(&request.hdr));
    ask(IDC_CLOSE_BUTTON, TTF_IDISHWND, request);
    EXPECT_FALSE(dialog.OnToolTipNeedText(&request.hdr));

    // Every command button is a tool of the dialog's tip control.
    ASSERT_NE(dialog.m_hToolTips, nullptr);
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = dialog.m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(dialog.GetDlgItem(IDC_COMMAND4).m_hWnd);
    EXPECT_TRUE(::SendMessageA(dialog.m_hToolTips, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)));
}

// ---- About box ----

struct AboutBoxSeen {
    bool found = false;
    bool mainDisabled = false;
    std::string title, author, notes, web, credits, caption;
    size_t soundsWhenVisible = 0;
};
AboutBoxSeen seen;
HWND seenOwner = nullptr;
FakeServices* seenServices = nullptr;

// Runs inside the About box's own message loop: reads the box, then presses OK.
void CALLBACK InspectAboutBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = ::GetWindow(seenOwner, GW_ENABLEDPOPUP);
    if (box == nullptr)
        box = ::FindWindowA("#32770", "About");
    if (box == nullptr || !::IsWindowVisible(box))
        return;
    ::KillTimer(nullptr, timer);
    const auto text = [box](int id) { return CWnd(::GetDlgItem(box, id)).GetWindowText(); };
    seen.found = true;
    seen.caption = CWnd(box).GetWindowText();
    seen.mainDisabled = (::GetWindowLongPtrA(seenOwner, GWL_STYLE) & WS_DISABLED) != 0;
    seen.title = text(IDC_ABOUTBOX_TITLE);
    seen.author = text(IDC_ABOUTBOX_AUTHOR);
    seen.notes = text(IDC_ABOUTBOX_NOTES);
    seen.web = text(IDC_ABOUTBOX_WEB_ADDRESS);
    seen.credits = text(IDC_ABOUTBOX_CREDITS);
    seen.soundsWhenVisible = seenServices->sounds.size();
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

TEST_F(Launching, AboutBoxShowsTheDiscAndTheProgram)
{
    const std::string profile = "[Main]\r\nTitle=About Disc\r\nAuthor=An Author\r\nNotes=Line one\r\n"
                                "WavAbout=about.wav\r\n";
    Open(&profile);
    for (bool fromSystemMenu : {false, true}) {
        SCOPED_TRACE(fromSystemMenu);
        seen = AboutBoxSeen{};
        seenOwner = dialog.m_hWnd;
        seenServices = &services;
        services.sounds.clear();
        ::SetTimer(nullptr, 0, 20, InspectAboutBox);
        if (fromSystemMenu)
            dialog.SendMessage(WM_SYSCOMMAND, 0x10, 0);
        else
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ABOUT_BUTTON, BN_CLICKED),
                               reinterpret_cast<LPARAM>(dialog.m_btnAbout.m_hWnd));
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.caption, "About");
        EXPECT_TRUE(seen.mainDisabled);
        EXPECT_EQ(seen.title, "About Disc");
        EXPECT_EQ(seen.author, "An Author");
        EXPECT_EQ(seen.notes, "Line one");
        EXPECT_FALSE(seen.web.empty());
        EXPECT_NE(seen.credits.find("\r\n"), std::string::npos);
        EXPECT_EQ(seen.soundsWhenVisible, 1u) << "the About sound starts once the box is up";
        EXPECT_EQ(services.sounds, std::vector<std::string>{"about.wav"});
        // Afterwards the main window takes input again and the box is gone.
        EXPECT_TRUE(Enabled(dialog));
        EXPECT_EQ(::FindWindowA("#32770", "About"), nullptr);
    }
}

// ---- Picture panel ----

// A 24-bit BMP file of the given size.
void WriteBitmap(const std::string& path, int width, int height)
{
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(stride * height);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    bytes.append(info.biSizeImage, '\x80');
    WriteFile(path, bytes);
}

SIZE ShownBitmapSize(const CLauncherDlg& dialog)
{
    HBITMAP shown = reinterpret_cast<HBITMAP>(dialog.m_picture.SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
    BITMAP bitmap{};
    if (shown == nullptr || ::GetObjectA(shown, sizeof bitmap, &bitmap) == 0)
        return SIZE{0, 0};
    return SIZE{bitmap.bmWidth, bitmap.bmHeight};
}

TEST_F(Launching, PictureFittedRealSizeOrFallbackText)
{
    WriteBitmap(disc.Path("small.bmp"), 100, 100);
    const std::string profile = "[Main]\r\nBitmapPictureFile=small.bmp\r\nFitImage=YES\r\nImageText=no picture\r\n";
    Open(&profile);
    EXPECT_EQ(ShownBitmapSize(dialog).cx, 250);
    EXPECT_EQ(ShownBitmapSize(dialog).cy, 350);
    EXPECT_EQ(dialog.m_picture.GetStyle() & SS_REALSIZEIMAGE, 0u);
    EXPECT_FALSE(Visible(dialog.m_editImageText));

    dialog.m_menu.FitImage = false;
    dialog.LoadPicture();
    EXPECT_EQ(ShownBitmapSize(dialog).cx, 100);
    EXPECT_EQ(ShownBitmapSize(dialog).cy, 100);
    EXPECT_NE(dialog.m_picture.GetStyle() & SS_REALSIZEIMAGE, 0u);

    // A picture that goes away clears the panel and brings the text back.
    dialog.m_menu.BitmapPictureFile = "missing.bmp";
    dialog.LoadPicture();
    EXPECT_EQ(dialog.m_picture.SendMessage(STM_GETIMAGE, IMAGE_BITMAP), 0);
    EXPECT_TRUE(Visible(dialog.m_editImageText));
    EXPECT_TRUE(Enabled(dialog.m_editImageText));
    EXPECT_EQ(dialog.m_editImageText.GetWindowText(), "no picture");
}

TEST_F(Launching, ReloadingThePictureFreesTheOneItReplaces)
{
    WriteBitmap(disc.Path("pic.bmp"), 40, 30);
    const std::string profile = "[Main]\r\nBitmapPictureFile=pic.bmp\r\n";
    Open(&profile);
    int stillAlive = 0;
    for (int i = 0; i < 200; ++i) {
        HGDIOBJ before = reinterpret_cast<HGDIOBJ>(dialog.m_picture.SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
        dialog.m_menu.FitImage = (i % 2) == 0;
        dialog.LoadPicture();
        HGDIOBJ after = reinterpret_cast<HGDIOBJ>(dialog.m_picture.SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
        ASSERT_NE(after, nullptr);
        if (before != after && ::GetObjectType(before) != 0)
            ++stillAlive;
    }
    EXPECT_EQ(stillAlive, 0) << "replaced bitmaps that were not freed";
}

} // namespace
