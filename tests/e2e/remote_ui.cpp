#include "remote_ui.h"

#include <algorithm>
#include <cstdio>
#include <deque>

namespace remote_ui {

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
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out + "\"";
}

std::string YesNo(bool value)
{
    return value ? "yes" : "no";
}

void Report::Fail(const std::string& what, const std::string& expected, const std::string& got)
{
    std::printf("FAIL: %s, expected %s, got %s\n", what.c_str(), expected.c_str(), got.c_str());
    std::fflush(stdout);
    ++m_failures;
}

// ---------------------------------------------------------------------------------------------------------
// Windows of another process.

namespace {

    // Windows that come and go with the mouse and are never a question of the program.
    bool IsToolTip(HWND window)
    {
        return ClassOf(window) == "tooltips_class32";
    }

    struct WindowQuery {
        DWORD processId;
        const char* className; // nullptr: any class
        Owner owner;
        HWND ownerWindow; // when not nullptr: owned by this window
        const char* caption; // nullptr: any caption
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
        HWND owner = ::GetWindow(window, GW_OWNER);
        if ((query.owner == Owner::None && owner != nullptr) || (query.owner == Owner::Some && owner == nullptr))
            return TRUE;
        if (query.ownerWindow != nullptr && owner != query.ownerWindow)
            return TRUE;
        if (query.caption != nullptr && TextOf(window) != query.caption)
            return TRUE;
        query.found = window;
        return FALSE;
    }

    BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
    {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
        return TRUE;
    }

    struct DescendantQuery {
        const char* className;
        HWND found;
    };

    BOOL CALLBACK MatchDescendant(HWND window, LPARAM param)
    {
        DescendantQuery& query = *reinterpret_cast<DescendantQuery*>(param);
        if (ClassOf(window) != query.className)
            return TRUE;
        query.found = window;
        return FALSE;
    }

} // namespace

bool HasStyle(HWND window, LONG_PTR style)
{
    return (::GetWindowLongPtrA(window, GWL_STYLE) & style) != 0;
}

std::string TextOf(HWND window)
{
    char buffer[4096] = {};
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

std::string DescribeWindow(HWND window)
{
    std::string text = ClassOf(window) + " window " + Printable(TextOf(window));
    if (HWND message = ::GetDlgItem(window, MessageBoxTextId))
        text += " with message " + Printable(TextOf(message));
    return text;
}

RECT WindowRectOf(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

std::string ButtonsOf(HWND dialog)
{
    std::vector<HWND> children;
    ::EnumChildWindows(dialog, CollectWindow, reinterpret_cast<LPARAM>(&children));
    std::string buttons;
    for (HWND child : children) {
        if (::GetParent(child) != dialog || ClassOf(child) != "Button" || !::IsWindowVisible(child))
            continue;
        std::string caption = TextOf(child);
        caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
        buttons += (buttons.empty() ? "" : " ") + caption;
    }
    return buttons;
}

HWND FindDescendant(HWND parent, const char* className)
{
    DescendantQuery query{className, nullptr};
    ::EnumChildWindows(parent, MatchDescendant, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND FindWindowOf(DWORD processId, const char* className, Owner owner, HWND exclude)
{
    WindowQuery query{processId, className, owner, nullptr, nullptr, exclude, nullptr};
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND FindOwnedWindow(DWORD processId, HWND owner, const char* className, const char* caption)
{
    WindowQuery query{processId, className, Owner::Some, owner, caption, nullptr, nullptr};
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::vector<HWND> TopLevelWindows()
{
    std::vector<HWND> windows;
    ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> WindowsOf(DWORD processId)
{
    std::vector<HWND> shown;
    for (HWND window : TopLevelWindows()) {
        DWORD id = 0;
        ::GetWindowThreadProcessId(window, &id);
        if (id == processId && ::IsWindowVisible(window))
            shown.push_back(window);
    }
    return shown;
}

// ---------------------------------------------------------------------------------------------------------
// Files and folders.

std::string LastErrorText()
{
    return "error " + std::to_string(::GetLastError());
}

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

bool FileExists(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool ReadFileText(const std::string& path, std::string& text)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    text.clear();
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    ::CloseHandle(file);
    return true;
}

std::string ReadFileText(const std::string& path)
{
    std::string text;
    return ReadFileText(path, text) ? text : std::string();
}

bool SamePath(const std::string& a, const std::string& b)
{
    return a.size() == b.size()
        && ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

std::vector<std::string> NamesIn(const std::string& folder, const std::string& pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA((folder + "\\" + pattern).c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (::FindNextFileA(find, &entry));
    ::FindClose(find);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
    });
    return names;
}

std::string ProfileValue(
    const std::string& path, const std::string& section, const std::string& key, const char* missing)
{
    char value[4096] = {};
    ::GetPrivateProfileStringA(section.c_str(), key.c_str(), missing, value, sizeof value, path.c_str());
    return value;
}

namespace {

    bool RemoveTree(const std::string& folder)
    {
        WIN32_FIND_DATAA entry;
        HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &entry);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = entry.cFileName;
                if (name == "." || name == "..")
                    continue;
                const std::string path = folder + "\\" + name;
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
                    ::SetFileAttributesA(path.c_str(), entry.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(path);
                else
                    ::DeleteFileA(path.c_str());
            } while (::FindNextFileA(find, &entry));
            ::FindClose(find);
        }
        return ::RemoveDirectoryA(folder.c_str()) != 0;
    }

} // namespace

TempFolder::TempFolder(const std::string& purpose)
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

TempFolder::~TempFolder()
{
    if (m_path.empty())
        return;
    // A program that was just ended may still hold its image for a moment.
    WaitUntil([this] { return RemoveTree(m_path); });
}

// ---------------------------------------------------------------------------------------------------------
// The program under test.

bool Program::Start(const std::string& exe, const std::string& currentDirectory)
{
    Kill();
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return ::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, currentDirectory.c_str(),
               &startup, &m_info)
        != 0;
}

bool Program::Running() const
{
    return m_info.hProcess != nullptr && ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(DWORD timeoutMs) const
{
    return m_info.hProcess != nullptr && ::WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

std::string Program::ExitCode() const
{
    DWORD code = 0;
    ::GetExitCodeProcess(m_info.hProcess, &code);
    return std::to_string(code);
}

void Program::Kill()
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

// ---------------------------------------------------------------------------------------------------------
// A user at the program's windows.

void User::ReportWaitFailed(const std::string& what, const std::string& expected)
{
    if (!m_program.Running()) {
        m_report.Fail(what, expected, "the program ended with exit code " + m_program.ExitCode());
        return;
    }
    std::string shown;
    for (HWND window : WindowsOf(m_program.Id()))
        if (!IsToolTip(window))
            shown += (shown.empty() ? "" : "; ") + DescribeWindow(window);
    m_report.Fail(what, expected + " within " + std::to_string(WaitTimeoutMs) + " ms",
        "not so; the program shows " + (shown.empty() ? std::string("nothing") : shown));
}

HWND User::Answering(HWND window, const std::string& what)
{
    if (window == nullptr) {
        ReportWaitFailed(what, "visible");
        return nullptr;
    }
    if (!Answers(window)) {
        m_report.Fail(what + " answering WM_NULL", "an answer", "none within the time-out");
        return nullptr;
    }
    return window;
}

HWND User::WaitForMainWindow(const std::string& what)
{
    const DWORD id = m_program.Id();
    HWND window = Answering(m_program.WaitForWindow([id] { return FindWindowOf(id, "#32770", Owner::None); }), what);
    // A modal dialog's message loop shows its window when its queue first runs empty or at its first WM_TIMER;
    // a WM_TIMER of no timer, posted ahead of any click, makes the loop do it before the click.
    if (window != nullptr)
        ::PostMessageA(window, WM_TIMER, 0, 0);
    return window;
}

HWND User::WaitForDialog(HWND owner, const std::string& caption, const std::string& what)
{
    return WaitForDialogWindow(owner, caption.c_str(), what + " (a dialog captioned " + Printable(caption) + ")");
}

HWND User::WaitForOwnedDialog(const std::string& what)
{
    return WaitForDialogWindow(nullptr, nullptr, what);
}

HWND User::WaitForDialogWindow(HWND owner, const char* caption, const std::string& what)
{
    const DWORD id = m_program.Id();
    return Answering(
        m_program.WaitForWindow([id, owner, caption] { return FindOwnedWindow(id, owner, "#32770", caption); }), what);
}

bool User::WaitForClosed(HWND window, const std::string& what)
{
    const bool closed = WaitUntil([window] { return !::IsWindow(window) || !::IsWindowVisible(window); });
    m_report.Check(closed, what, "closed", "still shown after " + std::to_string(WaitTimeoutMs) + " ms");
    return closed;
}

namespace {

    // One flag for every click and message sent, set when the program's answer comes back. The flags live as long as
    // the driver: an answer may come back after the User that sent it is gone.
    std::deque<char>& AnswerFlags()
    {
        static std::deque<char> flags;
        return flags;
    }

    VOID CALLBACK OnAnswer(HWND, UINT, ULONG_PTR flag, LRESULT)
    {
        *reinterpret_cast<char*>(flag) = 1;
    }

    // Lets the system call OnAnswer for the answers that came back to this thread.
    void TakeAnswers()
    {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }

} // namespace

bool User::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const std::string& name)
{
    AnswerFlags().push_back(0);
    char* flag = &AnswerFlags().back();
    if (!::SendMessageCallbackA(window, message, wParam, lParam, OnAnswer, reinterpret_cast<ULONG_PTR>(flag))) {
        m_report.Fail("sending " + name, "sent", LastErrorText());
        return false;
    }
    m_pending.push_back(flag);
    return true;
}

bool User::WaitUntilHandled(const std::string& what)
{
    const bool handled = WaitUntil([this] {
        TakeAnswers();
        return std::all_of(m_pending.begin(), m_pending.end(), [](const char* flag) { return *flag != 0; });
    });
    m_pending.clear();
    if (!handled)
        ReportWaitFailed(what, "handled");
    return handled;
}

bool User::Click(HWND dialog, int id, const std::string& name)
{
    HWND button = ::GetDlgItem(dialog, id);
    // A user waits until the button can be clicked: shown and enabled, in a window that takes input.
    const auto clickable = [button, dialog] {
        return button != nullptr && ::IsWindowVisible(button) && ::IsWindowEnabled(button) && ::IsWindowEnabled(dialog);
    };
    if (!WaitUntil(clickable)) {
        m_report.Fail(name + " (id " + std::to_string(id) + ") clickable", "visible and enabled in an enabled window",
            button == nullptr ? "no such control"
                              : "visible " + YesNo(::IsWindowVisible(button) != 0) + ", enabled "
                    + YesNo(::IsWindowEnabled(button) != 0) + ", window enabled "
                    + YesNo(::IsWindowEnabled(dialog) != 0));
        return false;
    }
    return Send(button, BM_CLICK, 0, 0, "a click on " + name);
}

bool User::Type(HWND dialog, int id, const std::string& text, const std::string& name)
{
    HWND control = ::GetDlgItem(dialog, id);
    DWORD_PTR result = 0;
    if (control == nullptr || !::IsWindowVisible(control) || !::IsWindowEnabled(control)) {
        m_report.Fail("typing into " + name + " (id " + std::to_string(id) + ")", "a visible, enabled control",
            control == nullptr ? "no such control" : "hidden or disabled");
        return false;
    }
    if (!::SendMessageTimeoutA(
            control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, AnswerTimeoutMs, &result)
        || result == 0) {
        m_report.Fail("typing into " + name + " (id " + std::to_string(id) + ")", "the text taken", "refused");
        return false;
    }
    return true;
}

bool User::Choose(HWND dialog, int id, int index, const std::string& name)
{
    HWND list = ::GetDlgItem(dialog, id);
    DWORD_PTR result = 0;
    if (list == nullptr
        || !::SendMessageTimeoutA(
            list, CB_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG, AnswerTimeoutMs, &result)
        || static_cast<int>(result) != index) {
        m_report.Fail("choosing item " + std::to_string(index) + " of " + name + " (id " + std::to_string(id) + ")",
            "chosen", list == nullptr ? "no such control" : "refused");
        return false;
    }
    // What the list tells its dialog when a user picks an item.
    for (WORD code : {static_cast<WORD>(CBN_SELENDOK), static_cast<WORD>(CBN_SELCHANGE)})
        ::SendMessageTimeoutA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), code),
            reinterpret_cast<LPARAM>(list), SMTO_ABORTIFHUNG, AnswerTimeoutMs, &result);
    return true;
}

bool User::CheckMessageBox(HWND box, const std::string& caption, const std::string& text, bool whole,
    const std::string& buttons, const std::string& what)
{
    const std::string shown = TextOf(::GetDlgItem(box, MessageBoxTextId));
    bool ok = true;
    if (whole ? shown != text : shown.compare(0, text.size(), text) != 0) {
        m_report.Fail(what + ": text of the box captioned " + Printable(caption),
            (whole ? "" : "beginning with ") + Printable(text), Printable(shown));
        ok = false;
    }
    const std::string shownButtons = ButtonsOf(box);
    if (shownButtons != buttons) {
        m_report.Fail(what + ": buttons of the box", Printable(buttons), Printable(shownButtons));
        ok = false;
    }
    return ok;
}

bool User::AnswerMessageBox(HWND owner, const std::string& caption, const std::string& text, const std::string& buttons,
    int answer, const std::string& what)
{
    HWND box = WaitForDialog(owner, caption, what);
    if (box == nullptr)
        return false;
    CheckMessageBox(box, caption, text, true, buttons, what);
    return Click(box, answer, what + ": the answer") && WaitForClosed(box, what + " after the answer");
}

bool User::AnswerMessageBoxStarting(HWND owner, const std::string& caption, const std::string& textStart,
    const std::string& buttons, int answer, const std::string& what)
{
    HWND box = WaitForDialog(owner, caption, what);
    if (box == nullptr)
        return false;
    CheckMessageBox(box, caption, textStart, false, buttons, what);
    return Click(box, answer, what + ": the answer") && WaitForClosed(box, what + " after the answer");
}

HWND User::FileNameEdit(HWND saveDialog)
{
    // The file name box (cmb13) is a ComboBoxEx32 holding a ComboBox holding the Edit; older dialogs have a
    // plain edit (edt1).
    HWND box = ::GetDlgItem(saveDialog, 0x47C);
    if (box != nullptr)
        return ClassOf(box) == "Edit" ? box : FindDescendant(box, "Edit");
    return ::GetDlgItem(saveDialog, 0x480);
}

bool User::ChooseFileType(HWND saveDialog, int index, const std::string& what)
{
    return Choose(saveDialog, FileTypeListId, index, "the file type list of " + what);
}

bool User::SaveAs(HWND saveDialog, const std::string& path, Replace replaces, const std::string& what)
{
    HWND edit = FileNameEdit(saveDialog);
    DWORD_PTR result = 0;
    if (edit == nullptr
        || !::SendMessageTimeoutA(
            edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG, AnswerTimeoutMs, &result)) {
        m_report.Fail(
            "the file name edit of " + what, "takes the name", edit == nullptr ? "no such control" : "no answer");
        return false;
    }
    if (!Click(saveDialog, IDOK, "the Save button of " + what))
        return false;
    // The dialog either ends or asks first, in a box of its own.
    const DWORD id = m_program.Id();
    HWND question = nullptr;
    WaitUntil([&] {
        return !::IsWindow(saveDialog) || !::IsWindowVisible(saveDialog)
            || (question = FindOwnedWindow(id, saveDialog, "#32770", nullptr)) != nullptr;
    });
    m_report.Check((question != nullptr) == (replaces == Replace::Yes),
        "a question about replacing the file in " + what, replaces == Replace::Yes ? "one" : "none",
        question != nullptr ? DescribeWindow(question) : "none");
    if (question != nullptr
        && (!Answers(question)
            || !Click(question, IDYES, "Yes in the question of " + what + " (" + DescribeWindow(question) + ")")))
        return false;
    return WaitForClosed(saveDialog, what + " after Save");
}

void User::ExpectNoQuestion(const std::string& after)
{
    if (!WaitUntilHandled(after))
        return;
    for (HWND shown : WindowsOf(m_program.Id()))
        if (::GetWindow(shown, GW_OWNER) != nullptr && !IsToolTip(shown))
            m_report.Fail("a window of the program after " + after, "none", DescribeWindow(shown));
}

void User::ExpectEnd(const std::string& after, HWND answered)
{
    ExpectProgramEnd(m_report, m_program, after, answered, true);
}

void ExpectProgramEnd(
    Report& report, const Program& program, const std::string& after, HWND answered, bool ignoreToolTips)
{
    const ULONGLONG end = ::GetTickCount64() + WaitTimeoutMs;
    bool ended = false;
    std::string other;
    while (!(ended = program.WaitForExit(5)) && ::GetTickCount64() < end) {
        if (!other.empty())
            continue;
        HWND window = FindWindowOf(program.Id(), nullptr, Owner::Some, answered);
        if (window != nullptr && !(ignoreToolTips && IsToolTip(window)))
            other = DescribeWindow(window);
    }
    if (!other.empty())
        report.Fail("a question of the program after " + after, "none", other);
    if (!ended)
        report.Fail(
            "the program after " + after, "ended", "still running after " + std::to_string(WaitTimeoutMs) + " ms");
    else
        report.Equal("exit code after " + after, "0", program.ExitCode());
}

// The whole lines of a probe.log (a line still being written is left out).
std::vector<ProbeStart> ReadProbeLog(const std::string& path)
{
    const std::string text = ReadFileText(path);
    std::vector<ProbeStart> starts;
    for (size_t begin = 0, end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
        const std::string line = text.substr(begin, end - begin);
        ProbeStart start;
        for (size_t field = 0, bar; field <= line.size(); field = bar + 1) {
            bar = line.find('|', field);
            if (bar == std::string::npos)
                bar = line.size();
            const std::string item = line.substr(field, bar - field);
            const size_t equals = item.find('=');
            const std::string key = item.substr(0, equals);
            const std::string value = equals == std::string::npos ? "" : item.substr(equals + 1);
            if (key == "cwd")
                start.cwd = value;
            else if (key == "cmdline")
                start.commandLine = value;
            else if (key == "wShowWindow")
                start.showWindow = value;
            else if (key == "STARTF_USESHOWWINDOW")
                start.useShowWindow = value;
        }
        starts.push_back(start);
    }
    return starts;
}

// A command line split into the program, quoted or not, and the rest after one blank.
std::pair<std::string, std::string> SplitCommandLine(const std::string& commandLine)
{
    size_t end;
    std::string program;
    if (!commandLine.empty() && commandLine[0] == '"') {
        end = commandLine.find('"', 1);
        program = commandLine.substr(1, end == std::string::npos ? std::string::npos : end - 1);
        end = end == std::string::npos ? commandLine.size() : end + 1;
    } else {
        end = std::min(commandLine.find(' '), commandLine.size());
        program = commandLine.substr(0, end);
    }
    return {program, end < commandLine.size() ? commandLine.substr(end + 1) : ""};
}

std::string Section(const std::string& name, const Keys& keys)
{
    std::string text = "[" + name + "]\r\n";
    for (const auto& k : keys)
        text += k.first + "=" + k.second + "\r\n";
    return text + "\r\n";
}

} // namespace remote_ui
