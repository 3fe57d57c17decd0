// Steering the windows of another process the way a user at the desktop would: finding its top-level
// windows and dialogs, reading their texts, typing into edits, choosing list items, clicking buttons that are
// visible and enabled, answering message boxes, driving the common save dialog and waiting for the process
// to end. Also the disc folders the end-to-end drivers put the program in, and the files they check.
//
// Everything waits by polling with generous time-outs: a check never depends on how fast the program is.
// Texts are read with one SendMessageTimeout(WM_GETTEXT): cross-process GetWindowText returns "" for an
// edit, and a length query followed by the read races with the program.
#ifndef AUTORUN_TESTS_E2E_REMOTE_UI_H
#define AUTORUN_TESTS_E2E_REMOTE_UI_H

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace remote_ui {

// How long a window, a file or the end of a process is waited for, and how long one message may take.
const DWORD WaitTimeoutMs = 10000;
const UINT AnswerTimeoutMs = 5000;

// Ids of a message box: its text, and its icon.
const int MessageBoxTextId = 0xFFFF;
const int MessageBoxIconId = 0x440;

// ---------------------------------------------------------------------------------------------------------
// Reporting: one "FAIL: <what>, expected <x>, got <y>" line per failed check.

std::string Printable(const std::string& text); // quoted, with CR and LF spelled out
std::string YesNo(bool value);

class Report {
public:
    void Fail(const std::string& what, const std::string& expected, const std::string& got);
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

// Polls `condition` until it holds; false when it still did not hold after `timeoutMs`.
template <class Condition> bool WaitUntil(Condition condition, DWORD timeoutMs = WaitTimeoutMs)
{
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount64() >= end)
            return false;
        ::Sleep(5);
    }
}

// ---------------------------------------------------------------------------------------------------------
// Windows of another process.

bool HasStyle(HWND window, LONG_PTR style);
std::string TextOf(HWND window); // "<no window>" or "<no answer>" when it cannot be read
std::string ClassOf(HWND window);
bool Answers(HWND window); // a WM_NULL round trip
std::string DescribeWindow(HWND window); // class, text and, for a message box, its message
RECT WindowRectOf(HWND window);

// The captions of a dialog's visible buttons in the order of its children, without '&', separated by blanks.
std::string ButtonsOf(HWND dialog);

// The first descendant window of `parent` of the class, depth first; nullptr when there is none.
HWND FindDescendant(HWND parent, const char* className);

enum class Owner { Any, None, Some };

// The first visible top-level window of a process that fits: its class (nullptr: any), whether it is owned,
// and not `exclude`; nullptr when there is none.
HWND FindWindowOf(DWORD processId, const char* className, Owner owner, HWND exclude = nullptr);

// The first visible top-level window of a process owned by `owner` with the class and caption; nullptr for any
// of them takes any owner, class or caption.
HWND FindOwnedWindow(DWORD processId, HWND owner, const char* className, const char* caption);

// All top-level windows, shown or not, of every process.
std::vector<HWND> TopLevelWindows();
// All visible top-level windows of a process.
std::vector<HWND> WindowsOf(DWORD processId);

// ---------------------------------------------------------------------------------------------------------
// Files and folders.

std::string LastErrorText();
std::string WindowsPath(const std::string& path); // a Linux path "/x/y" as Wine's "Z:/x/y"
std::string FileNameOf(const std::string& path);
bool WriteFileText(const std::string& path, const std::string& text);
bool FileExists(const std::string& path);
// The whole file, read while others may still write it; false when it cannot be opened.
bool ReadFileText(const std::string& path, std::string& text);
std::string ReadFileText(const std::string& path); // "" when it cannot be opened
bool SamePath(const std::string& a, const std::string& b);
// The names of the files and folders in `folder` that match `pattern` ("*" and "?" as the system has them),
// sorted without regard to letter case.
std::vector<std::string> NamesIn(const std::string& folder, const std::string& pattern);
// A value of an INI file as the system's own profile functions read it; `missing` when there is none.
std::string ProfileValue(
    const std::string& path, const std::string& section, const std::string& key, const char* missing = "<missing>");

// A fresh folder under %TEMP% that is removed with everything in it at the end (read-only files too).
class TempFolder {
public:
    explicit TempFolder(const std::string& purpose);
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();
    bool Ok() const { return !m_path.empty(); }
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

// ---------------------------------------------------------------------------------------------------------
// A program under test: started by path, steered, ended.

class Program {
public:
    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program() { Kill(); }

    // Starts `exe` (command line: its quoted path) with `currentDirectory` as its working folder.
    bool Start(const std::string& exe, const std::string& currentDirectory);
    DWORD Id() const { return m_info.dwProcessId; }
    bool Running() const;
    bool WaitForExit(DWORD timeoutMs) const;
    std::string ExitCode() const;
    void Kill(); // ends the process if it still runs; after it the object may start another

    // Polls `found` until it gives a window; nullptr when the program ended or the time ran out.
    template <class Finder> HWND WaitForWindow(Finder found, DWORD timeoutMs = WaitTimeoutMs) const
    {
        const ULONGLONG end = ::GetTickCount64() + timeoutMs;
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

// Waits for `program` to end by itself and checks it shows no owned window (a box, a dialog) but `answered`
// meanwhile and exits with code 0. Tool tips count as such windows unless `ignoreToolTips`.
void ExpectProgramEnd(
    Report& report, const Program& program, const std::string& after, HWND answered, bool ignoreToolTips);

// ---------------------------------------------------------------------------------------------------------
// A user at the program's windows: every step that cannot be done is reported and answered with false or
// nullptr, so that a scenario stops at the first step that went wrong.

class User {
public:
    User(Report& report, const Program& program) : m_report(report), m_program(program) { }

    // The program's unowned dialog window once it is visible and answers.
    HWND WaitForMainWindow(const std::string& what);
    // A dialog (class #32770: message boxes too) owned by `owner` (nullptr: by any window) with the caption,
    // once visible and answering; when it does not come, the report names the windows the program shows.
    HWND WaitForDialog(HWND owner, const std::string& caption, const std::string& what);
    // A dialog owned by any of the program's windows, whatever its caption, once visible and answering.
    HWND WaitForOwnedDialog(const std::string& what);
    // Waits until `window` is hidden or destroyed.
    bool WaitForClosed(HWND window, const std::string& what);

    // Clicks a button the way a user can click it: once it is visible and enabled in an enabled window. The
    // BM_CLICK is sent without waiting (a click may open a modal box), and the program's answer comes back to
    // WaitUntilHandled. (A posted click cannot be awaited: a message sent afterwards, such as a WM_NULL round
    // trip, overtakes it.)
    bool Click(HWND dialog, int id, const std::string& name);
    // Sends a message the same way: without waiting, its handling awaited by WaitUntilHandled.
    bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const std::string& name);
    // Waits until the program has finished handling every click and message sent so far, with everything they
    // started (a save, a dialog, the boxes answered meanwhile). False, after reporting what the program shows,
    // when it did not finish within the time-out: it waits for an answer nobody gives.
    bool WaitUntilHandled(const std::string& what);
    // Replaces the text of a control of a dialog (as typing it would).
    bool Type(HWND dialog, int id, const std::string& text, const std::string& name);
    // Chooses an item of a drop-down list by index.
    bool Choose(HWND dialog, int id, int index, const std::string& name);
    // The text of a control of a dialog.
    std::string TextOfControl(HWND dialog, int id) const { return TextOf(::GetDlgItem(dialog, id)); }

    // Waits for a message box owned by `owner`, checks its caption, text and buttons (captions without '&',
    // separated by blanks), presses `answer` and waits until it is gone.
    bool AnswerMessageBox(HWND owner, const std::string& caption, const std::string& text, const std::string& buttons,
        int answer, const std::string& what);
    // The same for a box whose text only begins with `textStart`.
    bool AnswerMessageBoxStarting(HWND owner, const std::string& caption, const std::string& textStart,
        const std::string& buttons, int answer, const std::string& what);

    // In the common save dialog: types `path` as the file name and presses Save. The dialog's own question
    // about replacing an existing file must come exactly when `replaces` says so; it is answered Yes.
    enum class Replace { No, Yes };
    bool SaveAs(HWND saveDialog, const std::string& path, Replace replaces, const std::string& what);
    // In the common save dialog: chooses a file type by index the way the list does when a user picks it.
    bool ChooseFileType(HWND saveDialog, int index, const std::string& what);
    // The file name edit of the common save dialog.
    static HWND FileNameEdit(HWND saveDialog);
    static const int FileTypeListId = 0x470;

    // After a step that must ask nothing: waits until it was handled and reports any window the program owns
    // (a box, a dialog).
    void ExpectNoQuestion(const std::string& after);
    // Waits for the program to end by itself and checks it shows nothing owned but `answered` meanwhile and
    // exits with code 0.
    void ExpectEnd(const std::string& after, HWND answered);

    Report& TheReport() const { return m_report; }

private:
    // `window` when it is not nullptr and answers; else nullptr after reporting why not.
    HWND Answering(HWND window, const std::string& what);
    HWND WaitForDialogWindow(HWND owner, const char* caption, const std::string& what);
    bool CheckMessageBox(HWND box, const std::string& caption, const std::string& text, bool whole,
        const std::string& buttons, const std::string& what);
    void ReportWaitFailed(const std::string& what, const std::string& expected);

    Report& m_report;
    const Program& m_program;
    std::vector<const char*> m_pending; // set by the program's answer to a click or message sent
};


// One start of probe.exe: "cwd=...|cmdline=...|wShowWindow=N|STARTF_USESHOWWINDOW=yes|no".
struct ProbeStart {
    std::string cwd, commandLine, showWindow, useShowWindow;
};

// The whole lines of a probe.log (a line still being written is left out).
std::vector<ProbeStart> ReadProbeLog(const std::string& path);

// A command line split into the program, quoted or not, and the rest after one blank.
std::pair<std::string, std::string> SplitCommandLine(const std::string& commandLine);

using Keys = std::vector<std::pair<std::string, std::string>>;

// One section of a profile as Notepad writes it.
std::string Section(const std::string& name, const Keys& keys);

} // namespace remote_ui

#endif // AUTORUN_TESTS_E2E_REMOTE_UI_H
