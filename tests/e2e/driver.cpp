// e2e_driver: starts the real autorun.exe in a disc folder of its own and steers it from another process,
// as a user at the desktop would: it finds the windows, reads their texts, styles and places, clicks
// buttons and sends system commands.
//
//   e2e_driver <scenario> <path of autorun.exe>
//       Runs one scenario; prints one "FAIL: ..." line per failed check; exit status 0 when all passed.
//   e2e_driver time-startup <exe> <runs> [profile]
//       Prints, one line per run, the milliseconds from starting <exe> until its first top-level window
//       is visible and answers a message.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

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

const DWORD WaitTimeoutMs = 10000;
const UINT AnswerTimeoutMs = 5000;

const char* const MissingProfileQuestion
    = "The file 'autorun.INI' was not found.\nTrayvane requires this file to run in normal mode.\n"
      "Would you like to run Trayvane in INI editor mode?";

// ---------------------------------------------------------------------------------------------------------
// Reporting.

std::string Printable(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out + "\"";
}

class Report {
public:
    void Fail(const std::string& what, const std::string& expected, const std::string& got)
    {
        std::printf("FAIL: %s, expected %s, got %s\n", what.c_str(), expected.c_str(), got.c_str());
        std::fflush(stdout);
        ++m_failures;
    }
    void Check(bool ok, const std::string& what, const std::string& expected, const std::string& got)
    {
        if (!ok)
            Fail(what, expected, got);
    }
    void Equal(const std::string& what, const std::string& expected, const std::string& got)
    {
        Check(expected == got, what, Printable(expected), Printable(got));
    }
    void Equal(const std::string& what, long long expected, long long got)
    {
        Check(expected == got, what, std::to_string(expected), std::to_string(got));
    }
    int Failures() const { return m_failures; }

private:
    int m_failures = 0;
};

std::string YesNo(bool value)
{
    return value ? "yes" : "no";
}

// ---------------------------------------------------------------------------------------------------------
// Windows of another process.

bool HasStyle(HWND window, LONG_PTR style)
{
    return (::GetWindowLongPtrA(window, GWL_STYLE) & style) != 0;
}

// The window text, read with one message: a length query followed by the read races with the program.
std::string TextOf(HWND window)
{
    char buffer[2048] = {};
    DWORD_PTR copied = 0;
    if (window == nullptr)
        return "<no window>";
    if (!::SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
            AnswerTimeoutMs, &copied))
        return "<no answer>";
    return buffer;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

bool Answers(HWND window)
{
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, AnswerTimeoutMs, &result) != 0;
}

// A rectangle in the client coordinates of `window`.
RECT ClientRectOf(HWND control, HWND window)
{
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT WindowRectOf(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

std::string Describe(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + ","
        + std::to_string(r.bottom) + ")";
}

std::string DescribeWindow(HWND window)
{
    std::string text = ClassOf(window) + " window " + Printable(TextOf(window));
    if (HWND message = ::GetDlgItem(window, 0xFFFF))
        text += " with message " + Printable(TextOf(message));
    return text;
}

struct WindowQuery {
    DWORD processId;
    const char* className; // nullptr: any class
    enum { AnyOwner, Unowned, Owned } owner;
    HWND exclude;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    WindowQuery& query = *reinterpret_cast<WindowQuery*>(param);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (processId != query.processId || window == query.exclude || !::IsWindowVisible(window))
        return TRUE;
    if (query.className != nullptr && ClassOf(window) != query.className)
        return TRUE;
    const bool owned = ::GetWindow(window, GW_OWNER) != nullptr;
    if ((query.owner == WindowQuery::Unowned && owned) || (query.owner == WindowQuery::Owned && !owned))
        return TRUE;
    query.found = window;
    return FALSE;
}

// The first visible top-level window of a process that fits the query, or nullptr.
HWND FindWindowOf(DWORD processId, const char* className, decltype(WindowQuery::owner) owner, HWND exclude = nullptr)
{
    WindowQuery query{processId, className, owner, exclude, nullptr};
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

// ---------------------------------------------------------------------------------------------------------
// Files and folders.

std::string LastErrorText()
{
    return "error " + std::to_string(::GetLastError());
}

// Windows functions take "/x/y" relative to the current drive; under Wine a Linux path lies on Z:.
std::string WindowsPath(const std::string& path)
{
    if (path.size() > 1 && path[0] == '/' && path[1] != '/')
        return "Z:" + path;
    return path;
}

std::string FileNameOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithoutExtension(const std::string& name)
{
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

bool WriteFileText(const std::string& path, const std::string& text)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == text.size();
}

// A fresh folder under %TEMP% that is removed with everything in it at the end.
class TempFolder {
public:
    explicit TempFolder(const char* purpose)
    {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(sizeof temp, temp);
        for (unsigned attempt = 0; attempt < 1000 && m_path.empty(); ++attempt) {
            const std::string candidate = std::string(temp) + "e2e-" + purpose + "-"
                + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(::GetTickCount()) + "-"
                + std::to_string(attempt);
            if (::CreateDirectoryA(candidate.c_str(), nullptr))
                m_path = candidate;
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder()
    {
        if (m_path.empty())
            return;
        // A program that was just ended may still hold its image for a moment.
        const ULONGLONG end = ::GetTickCount64() + WaitTimeoutMs;
        while (!RemoveTree(m_path) && ::GetTickCount64() < end)
            ::Sleep(20);
    }
    bool Ok() const { return !m_path.empty(); }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }

private:
    static bool RemoveTree(const std::string& folder)
    {
        WIN32_FIND_DATAA entry;
        HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &entry);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = entry.cFileName;
                if (name == "." || name == "..")
                    continue;
                const std::string path = folder + "\\" + name;
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(path);
                else
                    ::DeleteFileA(path.c_str());
            } while (::FindNextFileA(find, &entry));
            ::FindClose(find);
        }
        return ::RemoveDirectoryA(folder.c_str()) != 0;
    }

    std::string m_path;
};

// ---------------------------------------------------------------------------------------------------------
// The program under test.

class Program {
public:
    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program() { Kill(); }

    bool Start(const std::string& exe, const std::string& folder)
    {
        std::string commandLine = "\"" + exe + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        return ::CreateProcessA(
                   exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &m_info)
            != 0;
    }
    DWORD Id() const { return m_info.dwProcessId; }
    bool Running() const
    {
        return m_info.hProcess != nullptr && ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
    }
    bool WaitForExit(DWORD timeoutMs) const
    {
        return ::WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
    }
    std::string ExitCode() const
    {
        DWORD code = 0;
        ::GetExitCodeProcess(m_info.hProcess, &code);
        return std::to_string(code);
    }
    void Kill()
    {
        if (m_info.hProcess == nullptr)
            return;
        if (Running()) {
            ::TerminateProcess(m_info.hProcess, 1);
            ::WaitForSingleObject(m_info.hProcess, WaitTimeoutMs);
        }
        ::CloseHandle(m_info.hThread);
        ::CloseHandle(m_info.hProcess);
        m_info = PROCESS_INFORMATION{};
    }

    // Polls `found` until it gives a window; nullptr when the program ended or the time ran out.
    template <class Finder> HWND WaitForWindow(Finder found) const
    {
        const ULONGLONG end = ::GetTickCount64() + WaitTimeoutMs;
        for (;;) {
            const bool alive = Running();
            if (HWND window = found())
                return window;
            if (!alive || ::GetTickCount64() >= end)
                return nullptr;
            ::Sleep(5);
        }
    }

private:
    PROCESS_INFORMATION m_info{};
};

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
// A disc folder with the program and its profile, and the program running from it.

class Session {
public:
    Session(Report& report, const char* scenario, const std::string& productExe, const Profile* profile)
        : m_report(report), m_folder(scenario)
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
        if (profile != nullptr && !WriteFileText(m_folder.File("autorun.INI"), profile->Text())) {
            m_report.Fail("writing autorun.INI", "the profile written", LastErrorText());
            return;
        }
        const std::string folder = exe.substr(0, exe.find_last_of('\\'));
        if (!m_program.Start(exe, folder))
            m_report.Fail("starting autorun.exe", "a new process", LastErrorText());
        else
            m_started = true;
    }

    bool Started() const { return m_started; }

    // The menu window once it is visible and answers, or nullptr after reporting why not.
    HWND WaitForMenuWindow()
    {
        HWND window
            = m_program.WaitForWindow([this] { return FindWindowOf(m_program.Id(), "#32770", WindowQuery::Unowned); });
        if (window == nullptr) {
            ReportNoWindow("the menu window");
            return nullptr;
        }
        if (!Answers(window)) {
            m_report.Fail("the menu window answering WM_NULL", "an answer", "none within the time-out");
            return nullptr;
        }
        return window;
    }

    // A message box of the program (an owned dialog) once it is visible and answers.
    HWND WaitForMessageBox()
    {
        HWND box
            = m_program.WaitForWindow([this] { return FindWindowOf(m_program.Id(), "#32770", WindowQuery::Owned); });
        if (box == nullptr) {
            ReportNoWindow("a message box");
            return nullptr;
        }
        if (!Answers(box)) {
            m_report.Fail("the message box answering WM_NULL", "an answer", "none within the time-out");
            return nullptr;
        }
        return box;
    }

    // Waits for the program to end by itself, watching that it asks nothing meanwhile: no owned window
    // (message box, dialog) shows but `answered`, the one just answered.
    //
    // The menu window itself is not watched: when a dialog is ended during WM_INITDIALOG, Wine still shows
    // it for a moment before destroying it if its template is WS_VISIBLE.
    void ExpectEnd(const std::string& after, HWND answered)
    {
        const ULONGLONG end = ::GetTickCount64() + WaitTimeoutMs;
        bool ended = false;
        std::string other;
        while (!(ended = m_program.WaitForExit(5)) && ::GetTickCount64() < end) {
            if (!other.empty())
                continue;
            if (HWND window = FindWindowOf(m_program.Id(), nullptr, WindowQuery::Owned, answered))
                other = DescribeWindow(window);
        }
        if (!other.empty())
            m_report.Fail("a question of the program after " + after, "none", other);
        if (!ended)
            m_report.Fail(
                "the program after " + after, "ended", "still running after " + std::to_string(WaitTimeoutMs) + " ms");
        else
            m_report.Equal("exit code after " + after, "0", m_program.ExitCode());
    }

    // Posts a click to a button of `window` the way a user could click it: only when it is visible and enabled.
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
    void ReportNoWindow(const std::string& what)
    {
        if (m_program.Running())
            m_report.Fail(what, "visible within " + std::to_string(WaitTimeoutMs) + " ms", "none");
        else
            m_report.Fail(what, "visible", "the program ended with exit code " + m_program.ExitCode());
    }

    Report& m_report;
    TempFolder m_folder; // removed after the program below was ended
    Program m_program;
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
// Scenarios.

void FullProfileScenario(Report& report, const std::string& exe)
{
    Session session(report, "full-profile", exe, &FullProfile);
    if (HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr)
        ExpectNormalMode(report, window, FullProfile);
}

void ModeChangeOffScenario(Report& report, const std::string& exe)
{
    const Profile profile = WithModeChange(FullProfile, "NO");
    Session session(report, "mode-change-off", exe, &profile);
    if (HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr)
        ExpectNormalMode(report, window, profile);
}

void ModeRoundTripsScenario(Report& report, const std::string& exe)
{
    Session session(report, "mode-round-trips", exe, &FullProfile);
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

void MissingProfileYesScenario(Report& report, const std::string& exe)
{
    Session session(report, "missing-profile-yes", exe, nullptr);
    HWND box = session.Started() ? session.WaitForMessageBox() : nullptr;
    if (box == nullptr)
        return;
    HWND owner = ::GetWindow(box, GW_OWNER);
    report.Equal("message box owner class", "#32770", ClassOf(owner));
    report.Equal("message box caption", "Notice", TextOf(box));
    report.Equal("message box text", MissingProfileQuestion, TextOf(::GetDlgItem(box, 0xFFFF)));
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

void MissingProfileNoScenario(Report& report, const std::string& exe)
{
    Session session(report, "missing-profile-no", exe, nullptr);
    HWND box = session.Started() ? session.WaitForMessageBox() : nullptr;
    if (box == nullptr)
        return;
    report.Equal("message box caption", "Notice", TextOf(box));
    report.Equal("message box text", MissingProfileQuestion, TextOf(::GetDlgItem(box, 0xFFFF)));
    if (session.Click(box, IDNO, "message box No button"))
        session.ExpectEnd("answering No", box);
}

// Escape as the keyboard gives it: key down and up posted to the control with the focus.
void EscapeScenario(Report& report, const std::string& exe)
{
    Session session(report, "escape", exe, &FullProfile);
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

void CloseButtonScenario(Report& report, const std::string& exe)
{
    Session session(report, "close-button", exe, &FullProfile);
    HWND window = session.Started() ? session.WaitForMenuWindow() : nullptr;
    if (window != nullptr && session.Click(window, CloseButtonId, "Close button"))
        session.ExpectEnd("clicking Close", nullptr);
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
            window = FindWindowOf(id, nullptr, WindowQuery::AnyOwner);
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
    void (*run)(Report&, const std::string&);
} Scenarios[] = {
    {"full-profile", FullProfileScenario},
    {"missing-profile-yes", MissingProfileYesScenario},
    {"missing-profile-no", MissingProfileNoScenario},
    {"mode-change-off", ModeChangeOffScenario},
    {"mode-round-trips", ModeRoundTripsScenario},
    {"escape", EscapeScenario},
    {"close-button", CloseButtonScenario},
};

int Usage()
{
    std::fprintf(stderr,
        "usage: e2e_driver <scenario> <autorun.exe>\n"
        "       e2e_driver time-startup <exe> <runs> [profile]\nscenarios:");
    for (const auto& s : Scenarios)
        std::fprintf(stderr, " %s", s.name);
    std::fprintf(stderr, "\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && std::strcmp(argv[1], "time-startup") == 0) {
        const int runs = std::atoi(argv[3]);
        if (runs <= 0 || argc > 5)
            return Usage();
        return TimeStartup(argv[2], runs, argc == 5 ? argv[4] : nullptr);
    }
    if (argc != 3)
        return Usage();
    for (const auto& s : Scenarios) {
        if (std::strcmp(argv[1], s.name) == 0) {
            Report report;
            s.run(report, argv[2]);
            return report.Failures() == 0 ? 0 : 1;
        }
    }
    return Usage();
}
