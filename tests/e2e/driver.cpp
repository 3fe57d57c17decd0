// e2e_driver: starts the real autorun.exe in a disc folder of its own and steers it from another process,
// as a user at the desktop would: it finds the windows, reads their texts, styles and places, clicks
// buttons and sends system commands.
//
//   e2e_driver <scenario> <path of autorun.exe> [<path of probe.exe>]
//       Runs one scenario; prints one "FAIL: ..." line per failed check; exit status 0 when all passed.
//       The scenarios that launch programs put copies of probe.exe on the disc and read its probe.log.
//   e2e_driver play-sounds <autorun.exe> <probe.exe> <intro.wav> <click.wav> <about.wav> <close.wav>
//       Plays the four sounds of a profile one after another, for script/check-sounds to hear.
//   e2e_driver time-startup <exe> <runs> [profile]
//       Prints, one line per run, the milliseconds from starting <exe> until its first top-level window
//       is visible and answers a message.
#include "remote_ui.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace remote_ui;

// ---------------------------------------------------------------------------------------------------------
// Identifiers of the menu window's controls.

const int CommandButtonIds[10] = {1000, 1001, 1002, 1004, 3, 7, 4, 1008, 1009, 1010};
const int AboutButtonId = 5;
const int CloseButtonId = 1005;
const int EditorButtonIds[] = {1050, 1034, 1035, 1036, 1037};
const int SaveHereButtonId = 1035;
const int ImageTextId = 1043;
const UINT ModeSwitchCommand = 0x0020;

// Outer window width beyond the right edge of the anchor control (client coordinates) in each mode.
const int NormalModeMargin = 8;
const int EditorModeMargin = 16;

const char* const MissingProfileQuestion
    = "The file 'autorun.INI' was not found.\nTrayvane requires this file to run in normal mode.\n"
      "Would you like to run Trayvane in INI editor mode?";

// The programs a scenario works with: the product, and the probe that launch scenarios start from the disc.
struct Inputs {
    std::string autorun;
    std::string probe;
};

// ---------------------------------------------------------------------------------------------------------
// Places of windows.

// A rectangle in the client coordinates of `window`.
RECT ClientRectOf(HWND control, HWND window)
{
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string Describe(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + ","
        + std::to_string(r.bottom) + ")";
}

// ---------------------------------------------------------------------------------------------------------
// Files and folders.

std::string WithoutExtension(const std::string& name)
{
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// ---------------------------------------------------------------------------------------------------------
// Profiles.

struct ButtonEntry {
    const char* title; // nullptr: no such key
    const char* run;
    bool Shown() const { return title != nullptr && *title != '\0' && run != nullptr && *run != '\0'; }
};

struct Profile {
    const char* title;
    const char* aboutText;
    const char* closeText;
    const char* enableModeChange;
    ButtonEntry buttons[10];

    std::string Text() const
    {
        std::string text = "[Main]\r\n";
        const struct {
            const char* key;
            const char* value;
        } mainKeys[] = {{"Title", title}, {"AboutButtonText", aboutText}, {"CloseButtonText", closeText},
            {"EnableModeChange", enableModeChange}};
        for (const auto& k : mainKeys)
            if (k.value != nullptr)
                text += std::string(k.key) + "=" + k.value + "\r\n";
        for (int i = 0; i < 10; ++i) {
            const ButtonEntry& b = buttons[i];
            if (b.title == nullptr && b.run == nullptr)
                continue;
            text += "\r\n[Button" + std::to_string(i + 1) + "]\r\n";
            if (b.title != nullptr)
                text += std::string("Title=") + b.title + "\r\n";
            if (b.run != nullptr)
                text += std::string("Run=") + b.run + "\r\n";
        }
        return text;
    }
};

// Eight buttons with title and program; button 4 has a title only and button 8 a program only.
const Profile FullProfile = {
    "Sample Disc 2026",
    "Ab&out this disc",
    "E&xit",
    nullptr,
    {{"&Install", "setup\\setup.exe"}, {"Read me", "readme.txt"}, {"Browse the disc", "explorer.exe"},
        {"Title without program", nullptr}, {"Drivers", "drivers\\install.exe"}, {"Manual (PDF)", "docs\\manual.pdf"},
        {"Web site", "http://www.example.org/"}, {nullptr, "orphan.exe"}, {"Extras", "extras\\extras.exe"},
        {"Uninstall", "setup\\uninstall.exe"}},
};

Profile WithModeChange(Profile profile, const char* value)
{
    profile.enableModeChange = value;
    return profile;
}

// ---------------------------------------------------------------------------------------------------------
// What a disc holds besides autorun.exe: its profile, folders, and files copied or written from bytes.

struct DiscFile {
    std::string path;   // relative to the disc's root
    std::string source; // a file to copy; empty: write `bytes`
    std::string bytes;
};

struct Disc {
    bool hasProfile = true;
    std::string profile; // the text of autorun.INI
    std::vector<std::string> folders;
    std::vector<DiscFile> files;
};

Disc DiscOf(const Profile* profile)
{
    Disc disc;
    disc.hasProfile = profile != nullptr;
    if (profile != nullptr)
        disc.profile = profile->Text();
    return disc;
}

// ---------------------------------------------------------------------------------------------------------
// A disc folder with the program and its profile, and the program running from it.

class Session {
public:
    Session(Report& report, const std::string& scenario, const std::string& productExe, const Profile* profile)
        : Session(report, scenario, productExe, DiscOf(profile))
    {
    }

    Session(Report& report, const std::string& scenario, const std::string& productExe, const Disc& disc)
        : m_report(report), m_folder(scenario), m_user(report, m_program)
    {
        if (!m_folder.Ok()) {
            m_report.Fail("creating the disc folder under %TEMP%", "a new folder", LastErrorText());
            return;
        }
        const std::string exe = m_folder.File("autorun.exe");
        if (!::CopyFileA(WindowsPath(productExe).c_str(), exe.c_str(), FALSE)) {
            m_report.Fail("copying " + productExe, "a copy in the disc folder", LastErrorText());
            return;
        }
        if (disc.hasProfile && !WriteFileText(m_folder.File("autorun.INI"), disc.profile)) {
            m_report.Fail("writing autorun.INI", "the profile written", LastErrorText());
            return;
        }
        for (const std::string& folder : disc.folders) {
            if (!::CreateDirectoryA(m_folder.File(folder).c_str(), nullptr)) {
                m_report.Fail("creating the folder " + folder + " of the disc", "a new folder", LastErrorText());
                return;
            }
        }
        for (const DiscFile& file : disc.files) {
            const std::string path = m_folder.File(file.path);
            const bool ok = file.source.empty()
                ? WriteFileText(path, file.bytes)
                : ::CopyFileA(WindowsPath(file.source).c_str(), path.c_str(), FALSE) != 0;
            if (!ok) {
                m_report.Fail("putting " + file.path + " on the disc", "the file written", LastErrorText());
                return;
            }
        }
        const std::string folder = exe.substr(0, exe.find_last_of('\\'));
        if (!m_program.Start(exe, folder))
            m_report.Fail("starting autorun.exe", "a new process", LastErrorText());
        else
            m_started = true;
    }

    // The full path of a file or folder of the disc; "" is the disc's root.
    std::string PathOf(const std::string& relative) const
    {
        return relative.empty() ? m_folder.Path() : m_folder.File(relative);
    }
    const Program& TheProgram() const { return m_program; }

    bool Started() const { return m_started; }

    // The menu window once it is visible and answers, or nullptr after reporting why not. A modal dialog's
    // message loop shows its window (ShowWindow SW_SHOWNORMAL) when its queue first runs empty or at its first
    // WM_TIMER, whichever comes first; a minimize before that is undone. No user clicks that early, but a driver
    // can: a WM_TIMER of no timer is posted ahead of any click, so that the loop does it first.
    HWND WaitForMenuWindow() { return m_user.WaitForMainWindow("the menu window"); }

    // A message box of the program (an owned dialog) once it is visible and answers.
    HWND WaitForMessageBox() { return WaitForOwnedDialog("a message box"); }

    // A dialog owned by one of the program's windows, once it is visible and answers.
    HWND WaitForOwnedDialog(const std::string& what) { return m_user.WaitForOwnedDialog(what); }

    // Reports any window the program owns (a message box, a dialog): after a click that must ask nothing.
    void ExpectNoQuestion(const std::string& after)
    {
        if (HWND window = FindWindowOf(m_program.Id(), nullptr, Owner::Some))
            m_report.Fail("a question of the program after " + after, "none", DescribeWindow(window));
    }

    // Waits for the program to end by itself, watching that it asks nothing meanwhile: no owned window
    // (message box, dialog, even a tool tip) shows but `answered`, the one just answered.
    //
    // The menu window itself is not watched: when a dialog is ended during WM_INITDIALOG, Wine still shows
    // it for a moment before destroying it if its template is WS_VISIBLE.
    void ExpectEnd(const std::string& after, HWND answered)
    {
        ExpectProgramEnd(m_report, m_program, after, answered, false);
    }

    // Posts a click to a button of `window` the way a user could click it: only when it is visible and enabled.
    // The click is posted, not sent, so that it comes after the WM_TIMER that WaitForMenuWindow posted.
    bool Click(HWND window, int id, const std::string& name)
    {
        HWND button = ::GetDlgItem(window, id);
        if (button == nullptr || !::IsWindowVisible(button) || !::IsWindowEnabled(button)) {
            m_report.Fail(name + " (id " + std::to_string(id) + ") clickable", "visible and enabled",
                button == nullptr ? "no such control"
                                  : "visible " + YesNo(::IsWindowVisible(button) != 0) + ", enabled "
                        + YesNo(::IsWindowEnabled(button) != 0));
            return false;
        }
        ::PostMessageA(button, BM_CLICK, 0, 0);
        return true;
    }

private:
    Report& m_report;
    TempFolder m_folder; // removed after the program below was ended
    Program m_program;
    User m_user; // only waits for windows: it sends the program nothing
    bool m_started = false;
};

// ---------------------------------------------------------------------------------------------------------
// Checks of the menu window.

std::string ButtonName(int index)
{
    return "command button " + std::to_string(index) + " (id " + std::to_string(CommandButtonIds[index]) + ")";
}

void ExpectShownAndEnabled(Report& report, HWND control, const std::string& name, bool shown, bool enabled)
{
    const bool visible = HasStyle(control, WS_VISIBLE);
    const bool disabled = HasStyle(control, WS_DISABLED);
    report.Check(visible == shown, name + " WS_VISIBLE", YesNo(shown), YesNo(visible));
    report.Check(disabled == !enabled, name + " WS_DISABLED", YesNo(!enabled), YesNo(disabled));
}

// Normal mode for `profile`: title and captions, the command buttons in index order from top to bottom
// with the unconfigured ones hidden, the window ending just right of the Close button and the editor
// panel cut off beyond it.
void ExpectNormalMode(Report& report, HWND window, const Profile& profile)
{
    report.Equal("window title", profile.title, TextOf(window));
    report.Equal("About button caption", profile.aboutText ? profile.aboutText : "&About",
        TextOf(::GetDlgItem(window, AboutButtonId)));
    report.Equal("Close button caption", profile.closeText ? profile.closeText : "&Close",
        TextOf(::GetDlgItem(window, CloseButtonId)));

    LONG previousTop = 0;
    for (int i = 0; i < 10; ++i) {
        HWND button = ::GetDlgItem(window, CommandButtonIds[i]);
        if (button == nullptr) {
            report.Fail(ButtonName(i), "a control", "none");
            continue;
        }
        const ButtonEntry& entry = profile.buttons[i];
        ExpectShownAndEnabled(report, button, ButtonName(i), entry.Shown(), entry.Shown());
        if (entry.Shown())
            report.Equal(ButtonName(i) + " caption", entry.title, TextOf(button));
        const LONG top = ClientRectOf(button, window).top;
        if (i > 0)
            report.Check(
                top > previousTop, ButtonName(i) + " top", "below " + std::to_string(previousTop), std::to_string(top));
        previousTop = top;
    }

    const RECT close = ClientRectOf(::GetDlgItem(window, CloseButtonId), window);
    const RECT outer = WindowRectOf(window);
    report.Equal("normal mode window width (Close button right edge " + std::to_string(close.right) + " + "
            + std::to_string(NormalModeMargin) + ")",
        close.right + NormalModeMargin, outer.right - outer.left);

    RECT client{};
    ::GetClientRect(window, &client);
    for (int id : EditorButtonIds) {
        HWND button = ::GetDlgItem(window, id);
        const std::string name = "editor button " + std::to_string(id) + " in normal mode";
        ExpectShownAndEnabled(report, button, name, true, false);
        const RECT r = ClientRectOf(button, window);
        report.Check(r.left >= client.right, name + " left edge",
            "at or beyond the client width " + std::to_string(client.right), std::to_string(r.left));
    }
}

// Editor mode: every command button and editor button shown and enabled.
void ExpectEditorControls(Report& report, HWND window, const std::string& when)
{
    for (int i = 0; i < 10; ++i)
        ExpectShownAndEnabled(
            report, ::GetDlgItem(window, CommandButtonIds[i]), ButtonName(i) + " " + when, true, true);
    for (int id : EditorButtonIds)
        ExpectShownAndEnabled(
            report, ::GetDlgItem(window, id), "editor button " + std::to_string(id) + " " + when, true, true);
}

bool ToggleMode(Report& report, HWND window, const std::string& when)
{
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(
            window, WM_SYSCOMMAND, ModeSwitchCommand, 0, SMTO_ABORTIFHUNG, AnswerTimeoutMs, &result)) {
        report.Fail("WM_SYSCOMMAND 0x20 " + when, "handled", "no answer");
        return false;
    }
    return true;
}

INT_PTR CALLBACK ReferenceDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The width in pixels of `dialogUnits` horizontal dialog units of a dialog in 8 point MS Sans Serif, measured
// on a dialog of our own with that font; 0 when it cannot be created.
int DialogUnitsToPixels(int dialogUnits)
{
    // A DLGTEMPLATEEX without controls: dlgVer, signature, helpID, exStyle, style, cDlgItems, x, y, cx, cy, menu,
    // class, title, point size, weight, italic and charset (DEFAULT_CHARSET), then the typeface.
    std::vector<WORD> words = {1, 0xFFFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 50, 0, 0, 0, 8, 0, 0x0100};
    const DWORD style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;
    words[6] = LOWORD(style);
    words[7] = HIWORD(style);
    for (const char* c = "MS Sans Serif";; ++c) {
        words.push_back(static_cast<WORD>(*c));
        if (*c == '\0')
            break;
    }
    std::vector<DWORD> aligned((words.size() + 1) / 2);
    std::memcpy(aligned.data(), words.data(), words.size() * sizeof(WORD));
    HWND dialog = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr),
        reinterpret_cast<LPCDLGTEMPLATEA>(aligned.data()), nullptr, ReferenceDialogProc, 0);
    if (dialog == nullptr)
        return 0;
    RECT r = {0, 0, dialogUnits, 0};
    ::MapDialogRect(dialog, &r);
    ::DestroyWindow(dialog);
    return r.right;
}

// ---------------------------------------------------------------------------------------------------------
// What a click started: the probe's log, the programs still running from the disc, windows of other processes.

bool LiesIn(const std::string& path, const std::string& folder)
{
    return path.size() > folder.size() + 1 && SamePath(path.substr(0, folder.size()), folder)
        && path[folder.size()] == '\\';
}

std::string ImageOf(DWORD processId)
{
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr)
        return "";
    char path[MAX_PATH * 2] = {};
    DWORD size = sizeof path;
    if (!::QueryFullProcessImageNameA(process, 0, path, &size))
        path[0] = '\0';
    ::CloseHandle(process);
    return path;
}

// Waits until no process runs whose program lies in `folder`: the programs a click started have ended.
bool WaitForProgramsIn(const std::string& folder)
{
    return WaitUntil([&folder] {
        HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        if (snapshot == INVALID_HANDLE_VALUE)
            return false;
        bool running = false;
        PROCESSENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = ::Process32First(snapshot, &entry); more && !running; more = ::Process32Next(snapshot, &entry))
            running = entry.th32ProcessID != ::GetCurrentProcessId() && LiesIn(ImageOf(entry.th32ProcessID), folder);
        ::CloseHandle(snapshot);
        return !running;
    });
}

// A visible top-level window with a caption of a process other than ours and `excludeProcess`, not among
// `before`.
HWND NewWindowOfAnotherProcess(const std::vector<HWND>& before, DWORD excludeProcess)
{
    for (HWND window : TopLevelWindows()) {
        DWORD processId = 0;
        ::GetWindowThreadProcessId(window, &processId);
        if (processId != excludeProcess && processId != ::GetCurrentProcessId() && ::IsWindowVisible(window)
            && (::GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION
            && std::find(before.begin(), before.end(), window) == before.end())
            return window;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------------------------
// The menu window as a user sees it, to compare before and after something that must change nothing.

struct MenuState {
    std::string title;
    RECT rect;
    bool visible, enabled, iconic;
    std::string controls; // the command and editor buttons, "id:VE" for visible and enabled, '-' where not
};

MenuState StateOf(HWND window)
{
    MenuState state{TextOf(window), WindowRectOf(window), ::IsWindowVisible(window) != 0,
        !HasStyle(window, WS_DISABLED), ::IsIconic(window) != 0, ""};
    std::vector<int> ids(std::begin(CommandButtonIds), std::end(CommandButtonIds));
    ids.insert(ids.end(), std::begin(EditorButtonIds), std::end(EditorButtonIds));
    for (int id : ids) {
        HWND control = ::GetDlgItem(window, id);
        state.controls += std::to_string(id) + ":" + (HasStyle(control, WS_VISIBLE) ? "V" : "-")
            + (HasStyle(control, WS_DISABLED) ? "-" : "E") + " ";
    }
    return state;
}

void ExpectState(Report& report, HWND window, const MenuState& expected, const std::string& when)
{
    const MenuState now = StateOf(window);
    report.Equal("window title " + when, expected.title, now.title);
    report.Equal("window rectangle " + when, Describe(expected.rect), Describe(now.rect));
    report.Check(
        now.visible == expected.visible, "window visible " + when, YesNo(expected.visible), YesNo(now.visible));
    report.Check(
        now.enabled == expected.enabled, "window enabled " + when, YesNo(expected.enabled), YesNo(now.enabled));
    report.Check(now.iconic == expected.iconic, "window minimized " + when, YesNo(expected.iconic), YesNo(now.iconic));
    report.Equal("buttons shown and enabled (the mode) " + when, expected.controls, now.controls);
}

// ---------------------------------------------------------------------------------------------------------
// Pictures.

// A 24-bit BMP file of `width` × `height` pixels: four coloured quarters, so that a fitted or clipped copy
// looks different from the original.
std::string BitmapFile(int width, int height)
{
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const DWORD pixelBytes = static_cast<DWORD>(rowBytes * height);
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + pixelBytes;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = pixelBytes;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    const unsigned char quarters[4][3]
        = {{0x20, 0x60, 0xE0}, {0x30, 0xC0, 0x30}, {0xE0, 0x40, 0x20}, {0x20, 0xD0, 0xF0}};
    for (int y = 0; y < height; ++y) {
        std::string row(static_cast<size_t>(rowBytes), '\0');
        for (int x = 0; x < width; ++x) {
            const unsigned char* bgr = quarters[(y < height / 2 ? 2 : 0) + (x < width / 2 ? 0 : 1)];
            std::memcpy(&row[static_cast<size_t>(x) * 3], bgr, 3);
        }
        bytes += row;
    }
    return bytes;
}

// ---------------------------------------------------------------------------------------------------------
// Message boxes.

// The colours of a bitmap of the screen's format, one 32-bit RGB value a pixel.
std::vector<DWORD> PixelsOf(HDC dc, HBITMAP bitmap, int width, int height)
{
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    if (!::GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &format, DIB_RGB_COLORS))
        return {};
    for (DWORD& p : pixels)
        p &= 0xFFFFFF;
    return pixels;
}

// What the screen shows in `rect`.
std::vector<DWORD> ScreenPixels(const RECT& rect)
{
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ::SelectObject(memory, old);
    std::vector<DWORD> pixels = PixelsOf(memory, bitmap, width, height);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

// `icon` drawn as an icon control draws it: stretched to width × height over a background of one colour.
std::vector<DWORD> DrawnIcon(HICON icon, int width, int height, DWORD background)
{
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    HBRUSH brush = ::CreateSolidBrush(RGB(GetBValue(background), GetGValue(background), GetRValue(background)));
    const RECT all = {0, 0, width, height};
    ::FillRect(memory, &all, brush);
    ::DeleteObject(brush);
    ::DrawIconEx(memory, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    ::SelectObject(memory, old);
    std::vector<DWORD> pixels = PixelsOf(memory, bitmap, width, height);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

// Which of the system's message box icons a message box shows: "information", "warning", "error", "question",
// "none" or "another icon". An icon handle cannot be read from another process, so this compares what the
// screen shows in the icon control with each system icon drawn on the same background (the top left pixel,
// which the round icons leave transparent).
std::string IconNameOf(HWND box)
{
    HWND control = ::GetDlgItem(box, MessageBoxIconId);
    if (control == nullptr || !::IsWindowVisible(control))
        return "none";
    RECT rect{};
    ::GetClientRect(control, &rect);
    ::MapWindowPoints(control, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    const struct {
        LPCSTR id;
        const char* name;
    } icons[] = {{IDI_INFORMATION, "information"}, {IDI_WARNING, "warning"}, {IDI_ERROR, "error"},
        {IDI_QUESTION, "question"}};
    std::string name = "another icon";
    // The box may not have painted itself yet.
    WaitUntil([&] {
        const std::vector<DWORD> shown = ScreenPixels(rect);
        for (const auto& i : icons) {
            if (!shown.empty()
                && DrawnIcon(::LoadIconA(nullptr, i.id), rect.right - rect.left, rect.bottom - rect.top, shown[0])
                    == shown) {
                name = i.name;
                return true;
            }
        }
        return false;
    });
    return name;
}

// ---------------------------------------------------------------------------------------------------------
// Scenarios.

void FullProfileScenario(Report& report, const Inputs& in)
{
    Session session(report, "full-profile", in.autorun, &FullProfile);
    if (HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr)
        ExpectNormalMode(report, window, FullProfile);
}

void ModeChangeOffScenario(Report& report, const Inputs& in)
{
    const Profile profile = WithModeChange(FullProfile, "NO");
    Session session(report, "mode-change-off", in.autorun, &profile);
    if (HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr)
        ExpectNormalMode(report, window, profile);
}

void ModeRoundTripsScenario(Report& report, const Inputs& in)
{
    Session session(report, "mode-round-trips", in.autorun, &FullProfile);
    HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr;
    if (window == nullptr)
        return;
    const RECT normal = WindowRectOf(window);
    RECT firstEditor{};
    for (int round = 1; round <= 2; ++round) {
        const std::string editorWhen = "in editor mode, round " + std::to_string(round);
        if (!ToggleMode(report, window, "to editor mode, round " + std::to_string(round)))
            return;
        const RECT editor = WindowRectOf(window);
        const RECT saveHere = ClientRectOf(::GetDlgItem(window, SaveHereButtonId), window);
        report.Equal("window width " + editorWhen + " (button 1035 right edge " + std::to_string(saveHere.right) + " + "
                + std::to_string(EditorModeMargin) + ")",
            saveHere.right + EditorModeMargin, editor.right - editor.left);
        report.Equal("window left " + editorWhen, normal.left, editor.left);
        report.Equal("window top " + editorWhen, normal.top, editor.top);
        report.Equal("window height " + editorWhen, normal.bottom - normal.top, editor.bottom - editor.top);
        if (round == 1)
            firstEditor = editor;
        else
            report.Equal("window rectangle " + editorWhen, Describe(firstEditor), Describe(editor));
        ExpectEditorControls(report, window, editorWhen);

        if (!ToggleMode(report, window, "back to normal mode, round " + std::to_string(round)))
            return;
        report.Equal("window rectangle back in normal mode, round " + std::to_string(round), Describe(normal),
            Describe(WindowRectOf(window)));
        ExpectNormalMode(report, window, FullProfile);
    }
}

void MissingProfileYesScenario(Report& report, const Inputs& in)
{
    Session session(report, "missing-profile-yes", in.autorun, nullptr);
    HWND box = session.Started() ? session.WaitForMessageBox() : nullptr;
    if (box == nullptr)
        return;
    HWND owner = ::GetWindow(box, GW_OWNER);
    report.Equal("message box owner class", "#32770", ClassOf(owner));
    report.Equal("message box caption", "Notice", TextOf(box));
    report.Equal("message box text", MissingProfileQuestion, TextOf(::GetDlgItem(box, MessageBoxTextId)));
    report.Check(::GetDlgItem(box, IDNO) != nullptr, "message box No button", "present", "absent");
    if (!session.Click(box, IDYES, "message box Yes button"))
        return;

    HWND window = session.WaitForMenuWindow();
    if (window == nullptr)
        return;
    report.Check(window == owner, "menu window", "the owner of the message box", "another window");
    report.Check(!::IsWindow(box), "message box after Yes", "closed", "still there");
    report.Equal("window title", "", TextOf(window));
    report.Equal("About button caption", "&About", TextOf(::GetDlgItem(window, AboutButtonId)));
    report.Equal("Close button caption", "&Close", TextOf(::GetDlgItem(window, CloseButtonId)));
    report.Equal("picture text (id 1043)", "No image specified or unable to load image",
        TextOf(::GetDlgItem(window, ImageTextId)));
    for (int i = 0; i < 10; ++i)
        report.Equal(ButtonName(i) + " caption", "", TextOf(::GetDlgItem(window, CommandButtonIds[i])));
    ExpectEditorControls(report, window, "in editor mode without a profile");

    // The window keeps its template's full width: 387 dialog units of client area, the editor panel inside.
    RECT client{};
    ::GetClientRect(window, &client);
    const int templateWidth = DialogUnitsToPixels(387);
    report.Check(templateWidth > 0, "measuring dialog units", "a reference dialog", LastErrorText());
    if (templateWidth > 0)
        report.Equal("client width without a profile (387 dialog units)", templateWidth, client.right);
    const RECT close = ClientRectOf(::GetDlgItem(window, CloseButtonId), window);
    const RECT outer = WindowRectOf(window);
    report.Check(outer.right - outer.left > close.right + NormalModeMargin, "window width without a profile",
        "wider than normal mode's " + std::to_string(close.right + NormalModeMargin),
        std::to_string(outer.right - outer.left));
    const RECT saveHere = ClientRectOf(::GetDlgItem(window, SaveHereButtonId), window);
    report.Check(saveHere.right <= client.right, "button 1035 right edge without a profile",
        "within the client width " + std::to_string(client.right), std::to_string(saveHere.right));
}

void MissingProfileNoScenario(Report& report, const Inputs& in)
{
    Session session(report, "missing-profile-no", in.autorun, nullptr);
    HWND box = session.Started() ? session.WaitForMessageBox() : nullptr;
    if (box == nullptr)
        return;
    report.Equal("message box caption", "Notice", TextOf(box));
    report.Equal("message box text", MissingProfileQuestion, TextOf(::GetDlgItem(box, MessageBoxTextId)));
    if (session.Click(box, IDNO, "message box No button"))
        session.ExpectEnd("answering No", box);
}

// Escape as the keyboard gives it: key down and up posted to the control with the focus.
void EscapeScenario(Report& report, const Inputs& in)
{
    Session session(report, "escape", in.autorun, &FullProfile);
    HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr;
    if (window == nullptr)
        return;
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    HWND target = window;
    if (::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &gui) && gui.hwndFocus != nullptr
        && (gui.hwndFocus == window || ::IsChild(window, gui.hwndFocus)))
        target = gui.hwndFocus;
    const UINT scanCode = ::MapVirtualKeyA(VK_ESCAPE, MAPVK_VK_TO_VSC);
    ::PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 1 | (scanCode << 16));
    ::PostMessageA(target, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(1u | (scanCode << 16) | (1u << 30) | (1u << 31)));
    session.ExpectEnd("Escape", nullptr);
}

void CloseButtonScenario(Report& report, const Inputs& in)
{
    Session session(report, "close-button", in.autorun, &FullProfile);
    HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr;
    if (window != nullptr && session.Click(window, CloseButtonId, "Close button"))
        session.ExpectEnd("clicking Close", nullptr);
}

// ---------------------------------------------------------------------------------------------------------
// Scenarios of the command buttons, the About box and the picture.

const char* const ProbeParameters = "--from-menu \"two words\" 42";

// A profile with a title and the given buttons, [Button1] first.
std::string ProfileText(const std::string& title, const std::vector<Keys>& buttons, const Keys& moreMain = {})
{
    Keys main = {{"Title", title}};
    main.insert(main.end(), moreMain.begin(), moreMain.end());
    std::string text = Section("Main", main);
    for (size_t i = 0; i < buttons.size(); ++i)
        text += Section("Button" + std::to_string(i + 1), buttons[i]);
    return text;
}

// A disc with the probe as programs\<name> for each name.
Disc ProbeDisc(
    Report& report, const std::string& profile, const std::string& probe, const std::vector<std::string>& names)
{
    if (probe.empty())
        report.Fail("the path of probe.exe", "the third argument", "none");
    Disc disc;
    disc.profile = profile;
    disc.folders = {"programs"};
    for (const std::string& name : names)
        disc.files.push_back({"programs\\" + name, probe, ""});
    return disc;
}

// After a click that starts probes from programs\: waits for the first line of probe.log, for the click to be
// handled and for every program started from the folder to end; then gives all lines logged.
std::vector<ProbeStart> WaitForProbeStarts(Report& report, const Session& session, HWND window)
{
    const std::string log = session.PathOf("programs\\probe.log");
    if (!WaitUntil([&log] { return !ReadProbeLog(log).empty(); })) {
        report.Fail("probe.log", "a line within " + std::to_string(WaitTimeoutMs) + " ms", "none");
        return {};
    }
    if (::IsWindow(window))
        Answers(window);
    if (!WaitForProgramsIn(session.PathOf("programs")))
        report.Fail("the programs started from programs\\", "ended", "still running");
    return ReadProbeLog(log);
}

void LaunchProbeScenario(Report& report, const Inputs& in)
{
    const std::string profile = ProfileText("Launch the probe",
        {{{"Title", "Run the probe"}, {"Run", "programs\\probe.exe"}, {"Parameters", ProbeParameters},
            {"WindowState", "WS_MAXIMIZED"}, {"WindowAction", "WA_DONOTHING"}}});
    Session session(report, "launch-probe", in.autorun, ProbeDisc(report, profile, in.probe, {"probe.exe"}));
    HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr;
    if (window == nullptr)
        return;
    const MenuState before = StateOf(window);
    if (!session.Click(window, CommandButtonIds[0], ButtonName(0)))
        return;
    const std::vector<ProbeStart> starts = WaitForProbeStarts(report, session, window);
    report.Equal("starts of the probe", 1, static_cast<long long>(starts.size()));
    if (!starts.empty()) {
        const ProbeStart& start = starts[0];
        const auto program = SplitCommandLine(start.commandLine);
        report.Check(SamePath(session.PathOf("programs"), start.cwd), "probe's working folder",
            Printable(session.PathOf("programs")), Printable(start.cwd));
        report.Check(SamePath(session.PathOf("programs\\probe.exe"), program.first), "program of the command line",
            Printable(session.PathOf("programs\\probe.exe")), Printable(start.commandLine));
        report.Equal("parameters on the command line", ProbeParameters, program.second);
        report.Equal("probe's wShowWindow (WS_MAXIMIZED)", "3", start.showWindow);
        report.Equal("probe's STARTF_USESHOWWINDOW", "yes", start.useShowWindow);
    }
    report.Check(session.TheProgram().Running(), "the program after the launch", "running", "ended");
    session.ExpectNoQuestion("the launch");
    ExpectState(report, window, before, "after the launch");
}

// Every way a target can be missing shows the reason and the target as written, and changes nothing, whatever
// the button's window action.
void MissingTargetScenario(Report& report, const Inputs& in)
{
    const struct {
        const char* run;
        const char* action;
    } cases[] = {
        {"setup.exe", "WA_DONOTHING"},
        {"programs\\missing.exe", "WA_MINIMIZE"},
        {"no such folder\\setup.exe", "WA_CLOSE"},
        {"programs\\*.zzz", "WA_CLOSE"},
    };
    std::vector<Keys> buttons;
    for (const auto& c : cases)
        buttons.push_back({{"Title", c.run}, {"Run", c.run}, {"WindowAction", c.action}});
    Disc disc;
    disc.profile = ProfileText("Missing targets", buttons);
    disc.folders = {"programs"};
    Session session(report, "missing-target", in.autorun, disc);
    HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr;
    if (window == nullptr)
        return;
    const MenuState before = StateOf(window);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::string when = "after " + std::string(cases[i].run) + " (" + cases[i].action + ")";
        if (!session.Click(window, CommandButtonIds[i], ButtonName(static_cast<int>(i))))
            return;
        HWND box = session.WaitForMessageBox();
        if (box == nullptr)
            return;
        report.Check(::GetWindow(box, GW_OWNER) == window, "owner of the message box " + when, "the menu window",
            DescribeWindow(::GetWindow(box, GW_OWNER)));
        report.Equal("message box caption " + when, "Notice", TextOf(box));
        report.Equal("message box text " + when,
            std::string("The specified file was not found.\n\n\"") + cases[i].run + "\"",
            TextOf(::GetDlgItem(box, MessageBoxTextId)));
        report.Equal("message box icon " + when, "information", IconNameOf(box));
        report.Equal("message box buttons " + when, "OK", ButtonsOf(box));
        if (!session.Click(box, IDOK, "message box OK button"))
            return;
        if (!WaitUntil([box] { return !::IsWindow(box); }))
            report.Fail("message box " + when, "closed by OK", "still there");
        report.Check(Answers(window), "menu window " + when, "answering", "no answer");
        report.Check(session.TheProgram().Running(), "the program " + when, "running", "ended");
        ExpectState(report, window, before, when);
    }
}

void MinimizeActionScenario(Report& report, const Inputs& in)
{
    const std::string profile = ProfileText("Minimize after the launch",
        {{{"Title", "Run and minimize"}, {"Run", "programs\\probe.exe"}, {"WindowAction", "WA_MINIMIZE"}}});
    Session session(report, "minimize-action", in.autorun, ProbeDisc(report, profile, in.probe, {"probe.exe"}));
    HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr;
    if (window == nullptr || !session.Click(window, CommandButtonIds[0], ButtonName(0)))
        return;
    report.Equal("starts of the probe", 1, static_cast<long long>(WaitForProbeStarts(report, session, window).size()));
    report.Check(WaitUntil([window] { return ::IsIconic(window) != 0; }), "the menu window after the launch",
        "minimized", "not minimized");
    report.Check(session.TheProgram().Running(), "the program after the launch", "running", "ended");
    session.ExpectNoQuestion("the launch");
}

void CloseActionScenario(Report& report, const Inputs& in)
{
    const std::string profile = ProfileText("Close after the launch",
        {{{"Title", "Run and close"}, {"Run", "programs\\probe.exe"}, {"WindowAction", "WA_CLOSE"}}});
    Session session(report, "close-action", in.autorun, ProbeDisc(report, profile, in.probe, {"probe.exe"}));
    HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr;
    if (window == nullptr || !session.Click(window, CommandButtonIds[0], ButtonName(0)))
        return;
    report.Equal("starts of the probe", 1, static_cast<long long>(WaitForProbeStarts(report, session, window).size()));
    session.ExpectEnd("the launch with WA_CLOSE", nullptr);
}

// A folder opens in a window of another process (Explorer); the menu stays as it was.
void OpenFolderScenario(Report& report, const Inputs& in)
{
    const struct {
        const char* run;
        const char* folder; // relative to the disc's root
    } cases[] = {{"extras", "extras"}, {".", ""}};
    std::vector<Keys> buttons;
    for (const auto& c : cases)
        buttons.push_back({{"Title", std::string("Open ") + c.run}, {"Run", c.run}});
    Disc disc;
    disc.profile = ProfileText("Open folders", buttons);
    disc.folders = {"extras"};
    Session session(report, "open-folder", in.autorun, disc);
    HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr;
    if (window == nullptr)
        return;
    const MenuState before = StateOf(window);
    const DWORD productId = session.TheProgram().Id();
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::string when = "after opening " + Printable(cases[i].run);
        const std::vector<HWND> existing = TopLevelWindows();
        if (!session.Click(window, CommandButtonIds[i], ButtonName(static_cast<int>(i))))
            return;
        HWND opened = nullptr;
        if (!WaitUntil([&] { return (opened = NewWindowOfAnotherProcess(existing, productId)) != nullptr; })) {
            report.Fail("a window of another process " + when, "one within " + std::to_string(WaitTimeoutMs) + " ms",
                "none");
            session.ExpectNoQuestion("opening " + Printable(cases[i].run));
            continue;
        }
        DWORD openerId = 0;
        ::GetWindowThreadProcessId(opened, &openerId);
        report.Equal("program of the new window " + when, "explorer.exe", FileNameOf(ImageOf(openerId)));
        report.Equal("title of the new window (the folder's name) " + when,
            FileNameOf(session.PathOf(cases[i].folder)), TextOf(opened));
        ::PostMessageA(opened, WM_CLOSE, 0, 0);
        report.Check(WaitUntil([opened] { return !::IsWindow(opened); }), "the new window " + when,
            "closed by WM_CLOSE", "still there");
        report.Check(Answers(window), "menu window " + when, "answering", "no answer");
        session.ExpectNoQuestion("opening " + Printable(cases[i].run));
        ExpectState(report, window, before, when);
    }
}

// Run with a wildcard opens the first match in the order the file system lists them, once.
void WildcardScenario(Report& report, const Inputs& in)
{
    const std::string profile
        = ProfileText("Wildcard", {{{"Title", "First program"}, {"Run", "programs\\*.exe"}}});
    Session session(
        report, "wildcard", in.autorun, ProbeDisc(report, profile, in.probe, {"a-probe.exe", "b-probe.exe"}));
    HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr;
    if (window == nullptr)
        return;
    WIN32_FIND_DATAA found{};
    HANDLE find = ::FindFirstFileA(session.PathOf("programs\\*.exe").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        report.Fail("FindFirstFileA of programs\\*.exe", "a match", LastErrorText());
        return;
    }
    ::FindClose(find);
    const std::string expected = session.PathOf(std::string("programs\\") + found.cFileName);
    if (!session.Click(window, CommandButtonIds[0], ButtonName(0)))
        return;
    const std::vector<ProbeStart> starts = WaitForProbeStarts(report, session, window);
    report.Equal("starts of a probe", 1, static_cast<long long>(starts.size()));
    for (const ProbeStart& start : starts)
        report.Check(SamePath(expected, SplitCommandLine(start.commandLine).first), "program started",
            Printable(expected) + " (the first match)", Printable(start.commandLine));
    session.ExpectNoQuestion("the launch");
}

// The About box, opened by its button and by the system-menu command, shows the profile's texts while the menu
// window is disabled; OK closes it and enables the menu window again.
void AboutBoxScenario(Report& report, const Inputs& in)
{
    const char* const title = "Sample Disc & Friends";
    const char* const author = "The Sample Disc Makers, 2026";
    const char* const notes = "Notes of the disc: three programs, two folders and a picture.";
    Disc disc;
    disc.profile = ProfileText(title, {}, {{"Author", author}, {"Notes", notes}});
    Session session(report, "about-box", in.autorun, disc);
    HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr;
    if (window == nullptr)
        return;
    const MenuState before = StateOf(window);
    const char* const ways[] = {"the About button", "WM_SYSCOMMAND 0x10"};
    for (const char* way : ways) {
        const std::string when = "opened by " + std::string(way);
        if (way == ways[0]) {
            if (!session.Click(window, AboutButtonId, "About button"))
                return;
        } else {
            ::PostMessageA(window, WM_SYSCOMMAND, 0x10, 0);
        }
        HWND box = session.WaitForOwnedDialog("the About box " + when);
        if (box == nullptr)
            return;
        report.Equal("About box caption " + when, "About", TextOf(box));
        report.Check(::GetWindow(box, GW_OWNER) == window, "owner of the About box " + when, "the menu window",
            DescribeWindow(::GetWindow(box, GW_OWNER)));
        const struct {
            int id;
            const char* name;
            const char* text;
        } fields[] = {{1011, "title", title}, {1009, "author", author}, {1010, "notes", notes}};
        for (const auto& f : fields)
            report.Equal(std::string("About box ") + f.name + " (id " + std::to_string(f.id) + ") " + when, f.text,
                TextOf(::GetDlgItem(box, f.id)));
        for (int id : {1018, 1019})
            report.Check(!TextOf(::GetDlgItem(box, id)).empty(), "About box text id " + std::to_string(id) + " " + when,
                "some text", "\"\"");
        report.Check(HasStyle(window, WS_DISABLED), "menu window while the About box is up (" + when + ")",
            "disabled", "enabled");
        if (!session.Click(box, IDOK, "About box OK button"))
            return;
        report.Check(WaitUntil([box] { return !::IsWindow(box); }), "About box " + when + " after OK", "closed",
            "still there");
        report.Check(Answers(window), "menu window after the About box " + when, "answering", "no answer");
        ExpectState(report, window, before, "after the About box " + when);
    }
}

// The picture panel: a picture that loads hides the text in its place; without one the text shows.
void PictureScenario(Report& report, const Inputs& in)
{
    const char* const DefaultImageText = "No image specified or unable to load image";
    const struct {
        const char* name;
        const char* fit;
        const char* file;   // BitmapPictureFile, nullptr: no key
        std::string bytes;  // picture.bmp on the disc; empty: none
        const char* imageText;
        bool shown;
        const char* text; // of id 1043 when no picture shows
    } cases[] = {
        {"a fitted 100x100 picture", "YES", "picture.bmp", BitmapFile(100, 100), "Text of a shown picture", true, ""},
        {"a 400x500 picture at its own size", "NO", "picture.bmp", BitmapFile(400, 500), nullptr, true, ""},
        {"a missing picture", "YES", "missing.bmp", "", "The picture is missing", false, "The picture is missing"},
        {"no picture named", "NO", nullptr, "", nullptr, false, DefaultImageText},
        {"a file that is no bitmap", "YES", "picture.bmp", "not a bitmap\r\n", nullptr, false, DefaultImageText},
    };
    for (const auto& c : cases) {
        Keys main = {{"FitImage", c.fit}};
        if (c.file != nullptr)
            main.push_back({"BitmapPictureFile", c.file});
        if (c.imageText != nullptr)
            main.push_back({"ImageText", c.imageText});
        Disc disc;
        disc.profile = ProfileText("Picture", {}, main);
        if (!c.bytes.empty())
            disc.files.push_back({"picture.bmp", "", c.bytes});
        Session session(report, "picture", in.autorun, disc);
        HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr;
        if (window == nullptr)
            continue;
        const std::string with = std::string(" with ") + c.name;
        DWORD_PTR image = 0;
        ::SendMessageTimeoutA(::GetDlgItem(window, 1040), STM_GETIMAGE, IMAGE_BITMAP, 0, SMTO_ABORTIFHUNG,
            AnswerTimeoutMs, &image);
        report.Check((image != 0) == c.shown, "a bitmap in the picture panel (id 1040)" + with, YesNo(c.shown),
            YesNo(image != 0));
        HWND text = ::GetDlgItem(window, ImageTextId);
        report.Check(HasStyle(text, WS_VISIBLE) == !c.shown, "picture text (id 1043) WS_VISIBLE" + with,
            YesNo(!c.shown), YesNo(HasStyle(text, WS_VISIBLE)));
        if (!c.shown)
            report.Equal("picture text (id 1043)" + with, c.text, TextOf(text));
    }
}

// ---------------------------------------------------------------------------------------------------------
// Playing every sound of a profile, for script/check-sounds, which records what the sound system plays.

// How long each sound is given to play before the next action: starting a sound cuts the one playing, and
// the sounds of the check are half a second long.
const DWORD SoundPlayMs = 1200;

// Starts the menu on a disc whose profile names the four sounds, then plays them one after another: the intro
// at start-up, a command button's sound (its program, the probe, starts too), the About box's, and the close
// sound when Close is clicked. Prints one line a step and "FAIL: ..." lines; exit status 0 when every step
// happened.
int PlaySounds(const Inputs& in, const char* const wavs[4])
{
    Report report;
    const char* const names[4] = {"intro.wav", "click.wav", "about.wav", "close.wav"};
    Disc disc = ProbeDisc(report, "", in.probe, {"probe.exe"});
    disc.folders.push_back("sounds");
    for (int i = 0; i < 4; ++i)
        disc.files.push_back({std::string("sounds\\") + names[i], wavs[i], ""});
    disc.profile = ProfileText("Sounds",
        {{{"Title", "Run the probe"}, {"Run", "programs\\probe.exe"}, {"PlayWav", "sounds\\click.wav"}}},
        {{"WavIntro", "sounds\\intro.wav"}, {"WavAbout", "sounds\\about.wav"}, {"WavClose", "sounds\\close.wav"}});
    Session session(report, "play-sounds", in.autorun, disc);
    HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr;
    const auto step = [](const char* what) {
        std::printf("%s\n", what);
        std::fflush(stdout);
        ::Sleep(SoundPlayMs);
    };
    if (window == nullptr)
        return 1;
    step("intro: the menu window is up");

    if (!session.Click(window, CommandButtonIds[0], ButtonName(0)))
        return 1;
    report.Equal("starts of the probe", 1, static_cast<long long>(WaitForProbeStarts(report, session, window).size()));
    step("button: command button 0 clicked, its program started");

    if (!session.Click(window, AboutButtonId, "About button"))
        return 1;
    HWND box = session.WaitForOwnedDialog("the About box");
    if (box == nullptr)
        return 1;
    step("about: the About box is up");
    if (!session.Click(box, IDOK, "About box OK button"))
        return 1;
    if (!WaitUntil([box] { return !::IsWindow(box); }))
        report.Fail("the About box after OK", "closed", "still there");

    if (!session.Click(window, CloseButtonId, "Close button"))
        return 1;
    session.ExpectEnd("clicking Close", nullptr);
    step("close: Close clicked, the program ended");
    return report.Failures() == 0 ? 0 : 1;
}

// ---------------------------------------------------------------------------------------------------------
// Start-up timing.

int TimeStartup(const std::string& exeArgument, int runs, const char* profileArgument)
{
    TempFolder folder("time-startup");
    if (!folder.Ok()) {
        std::fprintf(stderr, "FAIL: creating a folder under %%TEMP%%: %s\n", LastErrorText().c_str());
        return 1;
    }
    const std::string exeName = FileNameOf(exeArgument);
    const std::string exe = folder.File(exeName);
    if (!::CopyFileA(WindowsPath(exeArgument).c_str(), exe.c_str(), FALSE)) {
        std::fprintf(stderr, "FAIL: copying %s: %s\n", exeArgument.c_str(), LastErrorText().c_str());
        return 1;
    }
    if (profileArgument != nullptr
        && !::CopyFileA(
            WindowsPath(profileArgument).c_str(), folder.File(WithoutExtension(exeName) + ".INI").c_str(), FALSE)) {
        std::fprintf(stderr, "FAIL: copying %s: %s\n", profileArgument, LastErrorText().c_str());
        return 1;
    }
    const std::string directory = exe.substr(0, exe.find_last_of('\\'));

    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    int failures = 0;
    for (int run = 1; run <= runs; ++run) {
        Program program;
        LARGE_INTEGER start, ready;
        ::QueryPerformanceCounter(&start);
        if (!program.Start(exe, directory)) {
            std::fprintf(stderr, "FAIL: run %d: starting %s: %s\n", run, exe.c_str(), LastErrorText().c_str());
            return 1;
        }
        const DWORD id = program.Id();
        HWND window = nullptr;
        const ULONGLONG end = ::GetTickCount64() + WaitTimeoutMs;
        for (;;) {
            const bool alive = program.Running();
            window = FindWindowOf(id, nullptr, Owner::Any);
            if ((window != nullptr && Answers(window)) || !alive || ::GetTickCount64() >= end)
                break;
            window = nullptr;
            ::Sleep(1);
        }
        ::QueryPerformanceCounter(&ready);
        if (window == nullptr) {
            std::fprintf(stderr, "FAIL: run %d: no visible window answering within %lu ms\n", run,
                static_cast<unsigned long>(WaitTimeoutMs));
            ++failures;
        } else {
            std::printf("%.3f\n",
                1000.0 * static_cast<double>(ready.QuadPart - start.QuadPart)
                    / static_cast<double>(frequency.QuadPart));
            std::fflush(stdout);
            ::PostMessageA(window, WM_CLOSE, 0, 0);
            program.WaitForExit(WaitTimeoutMs);
        }
        program.Kill();
    }
    return failures == 0 ? 0 : 1;
}

// ---------------------------------------------------------------------------------------------------------

const struct {
    const char* name;
    void (*run)(Report&, const Inputs&);
} Scenarios[] = {
    {"full-profile", FullProfileScenario},
    {"missing-profile-yes", MissingProfileYesScenario},
    {"missing-profile-no", MissingProfileNoScenario},
    {"mode-change-off", ModeChangeOffScenario},
    {"mode-round-trips", ModeRoundTripsScenario},
    {"escape", EscapeScenario},
    {"close-button", CloseButtonScenario},
    {"launch-probe", LaunchProbeScenario},
    {"missing-target", MissingTargetScenario},
    {"minimize-action", MinimizeActionScenario},
    {"close-action", CloseActionScenario},
    {"open-folder", OpenFolderScenario},
    {"wildcard", WildcardScenario},
    {"about-box", AboutBoxScenario},
    {"picture", PictureScenario},
};

int Usage()
{
    std::fprintf(stderr,
        "usage: e2e_driver <scenario> <autorun.exe> [probe.exe]\n"
        "       e2e_driver play-sounds <autorun.exe> <probe.exe> <intro.wav> <click.wav> <about.wav> <close.wav>\n"
        "       e2e_driver time-startup <exe> <runs> [profile]\nscenarios:");
    for (const auto& s : Scenarios)
        std::fprintf(stderr, " %s", s.name);
    std::fprintf(stderr, "\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 8 && std::strcmp(argv[1], "play-sounds") == 0)
        return PlaySounds(Inputs{argv[2], argv[3]}, argv + 4);
    if (argc >= 4 && std::strcmp(argv[1], "time-startup") == 0) {
        const int runs = std::atoi(argv[3]);
        if (runs <= 0 || argc > 5)
            return Usage();
        return TimeStartup(argv[2], runs, argc == 5 ? argv[4] : nullptr);
    }
    if (argc < 3 || argc > 4)
        return Usage();
    for (const auto& s : Scenarios) {
        if (std::strcmp(argv[1], s.name) == 0) {
            Report report;
            s.run(report, Inputs{argv[2], argc == 4 ? argv[3] : ""});
            return report.Failures() == 0 ? 0 : 1;
        }
    }
    return Usage();
}
