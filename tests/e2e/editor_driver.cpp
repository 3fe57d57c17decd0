// e2e_editor: starts the real autorun.exe in a disc folder of its own and uses its editor mode from another
// process, as a disc's author would: it edits buttons and the main settings through their dialogs, saves the
// profile in place and through the common save dialog, makes autorun.inf, and checks the files written and
// what a restart of the menu shows.
//
//   e2e_editor <scenario> <path of autorun.exe> <path of probe.exe>
//       Runs one scenario; prints one "FAIL: ..." line per failed check; exit status 0 when all passed.
#include "remote_ui.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace remote_ui;

namespace {

// ---------------------------------------------------------------------------------------------------------
// Identifiers of the menu window and its dialogs.

const int CommandButtonIds[10] = {1000, 1001, 1002, 1004, 3, 7, 4, 1008, 1009, 1010};
const int AboutButtonId = 5;
const int CloseButtonId = 1005;
const int MakeInfButtonId = 1050;
const int EditOtherButtonId = 1034;
const int SaveHereButtonId = 1035;
const int SaveAsButtonId = 1036;
const int ToNormalButtonId = 1037;
const int EditorButtonIds[] = {MakeInfButtonId, EditOtherButtonId, SaveHereButtonId, SaveAsButtonId, ToNormalButtonId};
const UINT ModeSwitchCommand = 0x0020;

// The button editor.
const char* const ButtonEditorCaption = "Edit Button Settings";
const int ButtonTitleId = 1020;
const int ButtonToolTipId = 1027;
const int ButtonRunId = 1021;
const int ButtonParametersId = 1026;
const int ButtonPlayWavId = 1022;
const int ButtonWindowStateId = 1023;
const int ButtonWindowActionId = 1024;
const int ButtonNumberId = 1025;
const std::vector<std::string> WindowStateItems
    = {"Default (Default)", "Minimized", "Maximized", "Restored", "Restored - No Activate", "Minimized - No Activate"};
const std::vector<std::string> WindowStateKeywords
    = {"WS_DEFAULT", "WS_MINIMIZED", "WS_MAXIMIZED", "WS_RESTORED", "WS_NOACTIVATE", "WS_MINIMIZED_NOACTIVATE"};
const std::vector<std::string> WindowActionItems = {"Do Nothing", "Minimize", "Close"};
const std::vector<std::string> WindowActionKeywords = {"WA_DONOTHING", "WA_MINIMIZE", "WA_CLOSE"};

// The main settings editor.
const char* const MainSettingsCaption = "Edit Main Autorun Information";
const int MainTitleId = 1026;
const int MainAuthorId = 1009;
const int MainNotesId = 1010;
const int MainAboutTextId = 1033;
const int MainCloseTextId = 1034;

// The autorun.inf creator.
const char* const InfCreatorCaption = "AUTORUN.INF Creator";
const int InfLabelId = 1052;
const int InfOpenId = 1020;
const int InfIconId = 1021;

// Texts of the program's questions and notices.
const char* const NoticeCaption = "Notice";
const char* const SaveIniTitle = "Save INI File";
const char* const SaveInfTitle = "Save INF File";
const char* const MissingProfileQuestion
    = "The file 'autorun.INI' was not found.\nTrayvane requires this file to run in normal mode.\n"
      "Would you like to run Trayvane in INI editor mode?";
const char* const SaveBeforeClosingCaption = "Save before closing?";
const char* const SaveBeforeClosingStart = "The INI file data has been modified.";

std::string IniNameWarning(const std::string& chosenUpperCase)
{
    return "In order for Trayvane to run in normal mode, you must name the INI file 'AUTORUN.INI'\n"
           "Do you wish to continue using '"
        + chosenUpperCase + "' for the filename?";
}

std::string InfNameWarning(const std::string& chosenPath)
{
    return "In order for a CD to load the Autorun information, you must name the INF file 'AUTORUN.INF'\n"
           "Do you wish to continue using '"
        + chosenPath + "' for the filename?";
}

// The programs a scenario works with: the product, and the probe that the menu starts from the disc.
struct Inputs {
    std::string autorun;
    std::string probe;
};

// ---------------------------------------------------------------------------------------------------------
// The disc: a folder with autorun.exe, programs\probe.exe and what a scenario writes there.

class Disc {
public:
    Disc(Report& report, const std::string& scenario, const Inputs& in) : m_report(report), m_folder(scenario)
    {
        if (!m_folder.Ok()) {
            m_report.Fail("creating the disc folder under %TEMP%", "a new folder", LastErrorText());
            return;
        }
        if (!::CopyFileA(WindowsPath(in.autorun).c_str(), Exe().c_str(), FALSE)) {
            m_report.Fail("copying " + in.autorun, "a copy in the disc folder", LastErrorText());
            return;
        }
        if (in.probe.empty()) {
            m_report.Fail("the path of probe.exe", "the third argument", "none");
            return;
        }
        if (!::CreateDirectoryA(Path("programs").c_str(), nullptr)
            || !::CopyFileA(WindowsPath(in.probe).c_str(), Path("programs\\probe.exe").c_str(), FALSE)) {
            m_report.Fail("putting programs\\probe.exe on the disc", "copied", LastErrorText());
            return;
        }
        m_ok = true;
    }

    bool Ok() const { return m_ok; }
    // The full path of a file or folder of the disc; "" is the disc's root.
    std::string Path(const std::string& relative) const
    {
        return relative.empty() ? m_folder.Path() : m_folder.File(relative);
    }
    std::string Exe() const { return m_folder.File("autorun.exe"); }
    std::string Profile() const { return m_folder.File("autorun.INI"); }

    bool Write(const std::string& relative, const std::string& text)
    {
        if (WriteFileText(Path(relative), text))
            return true;
        m_report.Fail("writing " + relative + " on the disc", "written", LastErrorText());
        m_ok = false;
        return false;
    }

private:
    Report& m_report;
    TempFolder m_folder;
    bool m_ok = false;
};

// Checks the values of one section of an INI file, read by the system's own profile functions.
void ExpectValues(Report& report, const std::string& path, const std::string& section, const Keys& expected)
{
    for (const auto& k : expected)
        report.Equal(
            FileNameOf(path) + " [" + section + "] " + k.first, k.second, ProfileValue(path, section, k.first));
}

// ---------------------------------------------------------------------------------------------------------
// The menu window.

std::string ButtonName(int index)
{
    return "command button " + std::to_string(index) + " (id " + std::to_string(CommandButtonIds[index]) + ")";
}

bool StartMenu(Report& report, Program& program, const Disc& disc, const std::string& currentDirectory)
{
    if (program.Start(disc.Exe(), currentDirectory))
        return true;
    report.Fail("starting autorun.exe", "a new process", LastErrorText());
    return false;
}

std::string TempPath()
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    return temp;
}

bool ToEditorMode(Report& report, HWND window)
{
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutA(
            window, WM_SYSCOMMAND, ModeSwitchCommand, 0, SMTO_ABORTIFHUNG, AnswerTimeoutMs, &result)) {
        report.Fail("WM_SYSCOMMAND 0x20 to editor mode", "handled", "no answer");
        return false;
    }
    const bool editor = !HasStyle(::GetDlgItem(window, SaveHereButtonId), WS_DISABLED);
    report.Check(editor, "the editor panel after WM_SYSCOMMAND 0x20", "enabled", "disabled");
    return editor;
}

// Normal mode as a restart shows it: title, captions, the command buttons with a caption shown (nullptr: hidden),
// the editor panel disabled.
void ExpectNormalMode(Report& report, HWND window, const std::string& title, const std::string& aboutText,
    const std::string& closeText, const std::vector<const char*>& captions, const std::string& when)
{
    report.Equal("window title " + when, title, TextOf(window));
    report.Equal("About button caption " + when, aboutText, TextOf(::GetDlgItem(window, AboutButtonId)));
    report.Equal("Close button caption " + when, closeText, TextOf(::GetDlgItem(window, CloseButtonId)));
    for (int i = 0; i < 10; ++i) {
        HWND button = ::GetDlgItem(window, CommandButtonIds[i]);
        const bool shown = i < static_cast<int>(captions.size()) && captions[i] != nullptr;
        const bool visible = HasStyle(button, WS_VISIBLE) && !HasStyle(button, WS_DISABLED);
        report.Check(visible == shown, ButtonName(i) + " shown and enabled " + when, YesNo(shown), YesNo(visible));
        if (shown)
            report.Equal(ButtonName(i) + " caption " + when, captions[i], TextOf(button));
    }
    for (int id : EditorButtonIds)
        report.Check(HasStyle(::GetDlgItem(window, id), WS_DISABLED),
            "editor button " + std::to_string(id) + " disabled " + when, "yes", "no");
}

// The items of a drop-down list of another process. Wine hands the text of CB_GETLBTEXT across processes in
// the list's own (Unicode) form whatever the caller asked for, so it is asked for in Unicode.
std::vector<std::string> ListItems(HWND list)
{
    std::vector<std::string> items;
    DWORD_PTR count = 0;
    if (!::SendMessageTimeoutW(list, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, AnswerTimeoutMs, &count))
        return items;
    const LONG_PTR itemCount = static_cast<LONG_PTR>(count); // CB_ERR when it is no list
    for (LONG_PTR i = 0; i < itemCount; ++i) {
        wchar_t text[512] = {};
        DWORD_PTR length = 0;
        ::SendMessageTimeoutW(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text),
            SMTO_ABORTIFHUNG, AnswerTimeoutMs, &length);
        char ansi[1024] = {};
        ::WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
        items.push_back(ansi);
    }
    return items;
}

std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : " | ") + item;
    return text;
}

// ---------------------------------------------------------------------------------------------------------
// The button editor.

struct ButtonSettings {
    std::string title, toolTip, run, parameters, playWav;
    int state; // index into WindowStateItems
    int action; // index into WindowActionItems
};

// Clicks a command button in editor mode and waits for its editor, checking that it edits that button and
// that the menu window waits for it.
HWND OpenButtonEditor(User& user, HWND window, int index)
{
    Report& report = user.TheReport();
    if (!user.Click(window, CommandButtonIds[index], ButtonName(index) + " in editor mode"))
        return nullptr;
    HWND box = user.WaitForDialog(window, ButtonEditorCaption, "the button editor of " + ButtonName(index));
    if (box == nullptr)
        return nullptr;
    report.Equal("button number in the editor of " + ButtonName(index), std::to_string(index + 1),
        user.TextOfControl(box, ButtonNumberId));
    report.Check(HasStyle(window, WS_DISABLED), "menu window while the button editor is up", "disabled", "enabled");
    return box;
}

void ExpectButtonEditor(Report& report, HWND box, const ButtonSettings& expected, const std::string& when)
{
    const struct {
        int id;
        const char* name;
        const std::string& text;
    } fields[] = {{ButtonTitleId, "title", expected.title}, {ButtonToolTipId, "tool tip", expected.toolTip},
        {ButtonRunId, "run", expected.run}, {ButtonParametersId, "parameters", expected.parameters},
        {ButtonPlayWavId, "sound", expected.playWav}};
    for (const auto& f : fields)
        report.Equal(std::string("button editor ") + f.name + " " + when, f.text, TextOf(::GetDlgItem(box, f.id)));
    report.Equal("button editor window state " + when, WindowStateItems[static_cast<size_t>(expected.state)],
        TextOf(::GetDlgItem(box, ButtonWindowStateId)));
    report.Equal("button editor window action " + when, WindowActionItems[static_cast<size_t>(expected.action)],
        TextOf(::GetDlgItem(box, ButtonWindowActionId)));
}

bool FillButtonEditor(User& user, HWND box, const ButtonSettings& settings)
{
    return user.Type(box, ButtonTitleId, settings.title, "the button title")
        && user.Type(box, ButtonToolTipId, settings.toolTip, "the tool tip")
        && user.Type(box, ButtonRunId, settings.run, "the program to run")
        && user.Type(box, ButtonParametersId, settings.parameters, "the parameters")
        && user.Type(box, ButtonPlayWavId, settings.playWav, "the sound")
        && user.Choose(box, ButtonWindowStateId, settings.state, "the window state list")
        && user.Choose(box, ButtonWindowActionId, settings.action, "the window action list");
}

// Edits command button `index` and presses OK; the caption must show the new title at once.
bool EditButton(User& user, HWND window, int index, const ButtonSettings& settings)
{
    HWND box = OpenButtonEditor(user, window, index);
    if (box == nullptr || !FillButtonEditor(user, box, settings) || !user.Click(box, IDOK, "OK of the button editor")
        || !user.WaitForClosed(box, "the button editor after OK"))
        return false;
    if (!user.WaitUntilHandled("the edit of " + ButtonName(index)))
        return false;
    user.TheReport().Equal(ButtonName(index) + " caption right after OK", settings.title,
        TextOf(::GetDlgItem(window, CommandButtonIds[index])));
    return true;
}

Keys ButtonKeys(const ButtonSettings& b)
{
    return {{"Title", b.title}, {"ToolTipText", b.toolTip}, {"Run", b.run}, {"Parameters", b.parameters},
        {"PlayWav", b.playWav}, {"WindowState", WindowStateKeywords[static_cast<size_t>(b.state)]},
        {"WindowAction", WindowActionKeywords[static_cast<size_t>(b.action)]}};
}

// ---------------------------------------------------------------------------------------------------------
// Saving.

// Clicks "Save INI as..." and waits for the save dialog, checking what it proposes.
HWND OpenSaveIniDialog(User& user, HWND window)
{
    Report& report = user.TheReport();
    if (!user.Click(window, SaveAsButtonId, "Save INI as..."))
        return nullptr;
    HWND dialog = user.WaitForDialog(window, SaveIniTitle, "the save dialog of Save INI as...");
    if (dialog == nullptr)
        return nullptr;
    report.Equal("file name proposed by the save dialog", "autorun.INI", TextOf(User::FileNameEdit(dialog)));
    HWND types = ::GetDlgItem(dialog, User::FileTypeListId);
    report.Equal("file types of the save dialog", "INI Files (*.ini) | All Files (*.*)", Joined(ListItems(types)));
    report.Equal("file type chosen in the save dialog", "INI Files (*.ini)", TextOf(types));
    return dialog;
}

// ---------------------------------------------------------------------------------------------------------
// The probe's log.


// ---------------------------------------------------------------------------------------------------------
// Scenarios.

// A profile of two buttons that the editing scenarios start from.
const char* const StartTitle = "Editor Test Disc";
const ButtonSettings StartButtons[2] = {
    {"Install", "", "setup\\setup.exe", "", "", 0, 0},
    {"Read me", "", "readme.txt", "", "", 0, 0},
};

std::string StartProfile()
{
    std::string text = Section("Main", {{"Title", StartTitle}});
    for (int i = 0; i < 2; ++i)
        text += Section(
            "Button" + std::to_string(i + 1), {{"Title", StartButtons[i].title}, {"Run", StartButtons[i].run}});
    return text;
}

// Edit a button (one over-long field), save in place, close without a question; a restart shows the button and
// the profile holds its values.
void EditSaveRestartScenario(Report& report, const Inputs& in)
{
    Disc disc(report, "edit-save-restart", in);
    if (!disc.Ok() || !disc.Write("autorun.INI", StartProfile()))
        return;
    const std::string longToolTip = "Starts the probe. " + std::string(300, 't');
    const ButtonSettings edited
        = {"Run the &probe", longToolTip, "programs\\probe.exe", "--edited \"two words\" 7", "sounds\\click.wav", 3, 1};
    ButtonSettings stored = edited; // what the program keeps: the tool tip cut to 255 characters
    stored.toolTip.resize(255);
    {
        Program program;
        User user(report, program);
        if (!StartMenu(report, program, disc, disc.Path("")))
            return;
        HWND window = user.WaitForMainWindow("the menu window");
        if (window == nullptr || !ToEditorMode(report, window))
            return;

        HWND box = OpenButtonEditor(user, window, 2);
        if (box == nullptr)
            return;
        ExpectButtonEditor(report, box, {"", "", "", "", "", 0, 0}, "of an unconfigured button");
        report.Equal(
            "window state items", Joined(WindowStateItems), Joined(ListItems(::GetDlgItem(box, ButtonWindowStateId))));
        report.Equal("window action items", Joined(WindowActionItems),
            Joined(ListItems(::GetDlgItem(box, ButtonWindowActionId))));
        if (!FillButtonEditor(user, box, edited) || !user.Click(box, IDOK, "OK of the button editor"))
            return;
        if (!user.AnswerMessageBox(window, "autorun",
                "The tool tip text length is limited to 255 characters. It will be truncated.", "OK", IDOK,
                "the notice of the over-long tool tip"))
            return;
        user.WaitForClosed(box, "the button editor after OK");
        user.ExpectNoQuestion("the notice of the over-long tool tip");
        report.Equal(
            ButtonName(2) + " caption right after OK", edited.title, TextOf(::GetDlgItem(window, CommandButtonIds[2])));
        report.Equal(ButtonName(0) + " caption after editing another button", StartButtons[0].title,
            TextOf(::GetDlgItem(window, CommandButtonIds[0])));

        // The editor shows what OK stored; Cancel changes nothing.
        if ((box = OpenButtonEditor(user, window, 2)) == nullptr)
            return;
        ExpectButtonEditor(report, box, stored, "opened again after OK");
        if (!user.Type(box, ButtonTitleId, "Not to be kept", "the button title")
            || !user.Click(box, IDCANCEL, "Cancel of the button editor")
            || !user.WaitForClosed(box, "the button editor after Cancel"))
            return;
        user.ExpectNoQuestion("Cancel in the button editor");
        report.Equal(
            ButtonName(2) + " caption after Cancel", edited.title, TextOf(::GetDlgItem(window, CommandButtonIds[2])));

        if (!user.Click(window, SaveHereButtonId, "Save INI to current path"))
            return;
        user.ExpectNoQuestion("Save INI to current path");
        if (!user.Click(window, CloseButtonId, "Close button after the save"))
            return;
        user.ExpectEnd("Close after the save", nullptr);
    }

    ExpectValues(report, disc.Profile(), "Button3", ButtonKeys(stored));
    ExpectValues(report, disc.Profile(), "Main", {{"Title", StartTitle}});
    for (int i = 0; i < 2; ++i)
        ExpectValues(report, disc.Profile(), "Button" + std::to_string(i + 1),
            {{"Title", StartButtons[i].title}, {"Run", StartButtons[i].run}});

    Program program;
    User user(report, program);
    if (!StartMenu(report, program, disc, disc.Path("")))
        return;
    HWND window = user.WaitForMainWindow("the menu window after the restart");
    if (window == nullptr)
        return;
    user.ExpectNoQuestion("the restart");
    ExpectNormalMode(report, window, StartTitle, "&About", "&Close",
        {StartButtons[0].title.c_str(), StartButtons[1].title.c_str(), edited.title.c_str()}, "after the restart");
    user.Send(window, WM_CLOSE, 0, 0, "WM_CLOSE");
    user.ExpectEnd("WM_CLOSE after the restart", nullptr);
}

// Save as another name through the real save dialog: the warning names both files; Yes writes the file, No
// writes nothing; a name typed without extension gets ".ini". The profile in place is never touched.
void SaveAsOtherNameScenario(Report& report, const Inputs& in)
{
    Disc disc(report, "save-as-other-name", in);
    if (!disc.Ok() || !disc.Write("autorun.INI", StartProfile()))
        return;
    const std::string original = ReadFileText(disc.Profile());
    Program program;
    User user(report, program);
    if (!StartMenu(report, program, disc, disc.Path("")))
        return;
    HWND window = user.WaitForMainWindow("the menu window");
    if (window == nullptr || !ToEditorMode(report, window))
        return;

    // Yes: menu.ini holds the edit.
    ButtonSettings first = StartButtons[0];
    first.title = "Install (edited)";
    if (!EditButton(user, window, 0, first))
        return;
    HWND dialog = OpenSaveIniDialog(user, window);
    if (dialog == nullptr
        || !user.SaveAs(dialog, disc.Path("menu.ini"), User::Replace::No, "the save dialog (menu.ini)")
        || !user.AnswerMessageBox(
            window, NoticeCaption, IniNameWarning("MENU.INI"), "Yes No", IDYES, "the warning about menu.ini"))
        return;
    user.ExpectNoQuestion("saving as menu.ini");
    ExpectValues(report, disc.Path("menu.ini"), "Button1", {{"Title", first.title}, {"Run", first.run}});
    ExpectValues(report, disc.Path("menu.ini"), "Main", {{"Title", StartTitle}});
    ExpectValues(report, disc.Path("menu.ini"), "Button2", {{"Title", StartButtons[1].title}});

    // No: nothing is written.
    ButtonSettings second = StartButtons[1];
    second.title = "Read me (edited)";
    if (!EditButton(user, window, 1, second))
        return;
    dialog = OpenSaveIniDialog(user, window);
    if (dialog == nullptr
        || !user.SaveAs(dialog, disc.Path("other.ini"), User::Replace::No, "the save dialog (other.ini)")
        || !user.AnswerMessageBox(
            window, NoticeCaption, IniNameWarning("OTHER.INI"), "Yes No", IDNO, "the warning about other.ini"))
        return;
    user.ExpectNoQuestion("answering No to the warning about other.ini");
    report.Check(!FileExists(disc.Path("other.ini")), "other.ini after answering No", "not written", "written");

    // A name without extension, with "All Files" chosen: the default extension is added.
    dialog = OpenSaveIniDialog(user, window);
    if (dialog == nullptr || !user.ChooseFileType(dialog, 1, "the save dialog (copy)"))
        return;
    report.Equal("file type chosen in the save dialog (copy)", "All Files (*.*)",
        TextOf(::GetDlgItem(dialog, User::FileTypeListId)));
    if (!user.SaveAs(dialog, disc.Path("copy"), User::Replace::No, "the save dialog (copy)")
        || !user.AnswerMessageBox(
            window, NoticeCaption, IniNameWarning("COPY.INI"), "Yes No", IDYES, "the warning about copy.ini"))
        return;
    user.ExpectNoQuestion("saving as copy");
    ExpectValues(report, disc.Path("copy.ini"), "Button2", {{"Title", second.title}, {"Run", second.run}});
    ExpectValues(report, disc.Path("copy.ini"), "Button1", {{"Title", first.title}, {"Run", first.run}});

    report.Equal("the files of the disc", "autorun.exe | autorun.INI | copy.ini | menu.ini | programs",
        Joined(NamesIn(disc.Path(""), "*")));
    report.Check(ReadFileText(disc.Profile()) == original, "autorun.INI after saving under other names", "unchanged",
        Printable(ReadFileText(disc.Profile())));

    // The last save kept every edit: closing asks nothing.
    if (user.Click(window, CloseButtonId, "Close button"))
        user.ExpectEnd("Close after saving as copy.ini", nullptr);
}

// A profile that cannot be written: the error names it, the edits stay, and closing still asks; a save dialog
// cancelled from that question keeps the window open; No closes.
void FailedSaveKeepsEditsScenario(Report& report, const Inputs& in)
{
    Disc disc(report, "failed-save-keeps-edits", in);
    if (!disc.Ok() || !disc.Write("autorun.INI", StartProfile()))
        return;
    const std::string original = ReadFileText(disc.Profile());
    if (!::SetFileAttributesA(disc.Profile().c_str(), FILE_ATTRIBUTE_READONLY)) {
        report.Fail("making autorun.INI read-only", "done", LastErrorText());
        return;
    }
    Program program;
    User user(report, program);
    if (!StartMenu(report, program, disc, disc.Path("")))
        return;
    HWND window = user.WaitForMainWindow("the menu window");
    if (window == nullptr || !ToEditorMode(report, window))
        return;
    ButtonSettings edited = StartButtons[0];
    edited.title = "Install (edited)";
    if (!EditButton(user, window, 0, edited))
        return;

    if (!user.Click(window, SaveHereButtonId, "Save INI to current path")
        || !user.AnswerMessageBox(
            window, "ERROR", "ERROR Saving INI file:\n\n" + disc.Profile(), "OK", IDOK, "the error of the failed save"))
        return;
    user.ExpectNoQuestion("the error of the failed save");
    report.Check(ReadFileText(disc.Profile()) == original, "autorun.INI after the failed save", "unchanged",
        Printable(ReadFileText(disc.Profile())));
    report.Equal(ButtonName(0) + " caption after the failed save", edited.title,
        TextOf(::GetDlgItem(window, CommandButtonIds[0])));

    // The edits were kept: closing asks; Yes and a cancelled save dialog keep the window.
    user.Send(window, WM_CLOSE, 0, 0, "WM_CLOSE");
    if (!user.AnswerMessageBoxStarting(window, SaveBeforeClosingCaption, SaveBeforeClosingStart, "Yes No Cancel", IDYES,
            "the question before closing"))
        return;
    HWND dialog = user.WaitForDialog(window, SaveIniTitle, "the save dialog after Yes");
    if (dialog == nullptr || !user.Click(dialog, IDCANCEL, "Cancel of the save dialog")
        || !user.WaitForClosed(dialog, "the save dialog after Cancel"))
        return;
    user.ExpectNoQuestion("cancelling the save dialog");
    report.Check(program.Running() && ::IsWindowVisible(window), "the menu window after the save was cancelled",
        "still open", program.Running() ? "hidden" : "the program ended");
    report.Check(!HasStyle(window, WS_DISABLED), "the menu window after the save was cancelled", "enabled", "disabled");

    // Asked again; No closes without saving.
    user.Send(window, WM_CLOSE, 0, 0, "WM_CLOSE");
    if (!user.AnswerMessageBoxStarting(window, SaveBeforeClosingCaption, SaveBeforeClosingStart, "Yes No Cancel", IDNO,
            "the question before closing, asked again"))
        return;
    user.ExpectEnd("answering No to the question before closing", nullptr);
    report.Check(ReadFileText(disc.Profile()) == original, "autorun.INI after closing without saving", "unchanged",
        Printable(ReadFileText(disc.Profile())));
}

// The autorun.inf creator proposes from the disc's autorun.inf (else from the menu), writes the chosen values
// after the real save dialog, reads them back, and warns before another name.
void AutorunInfScenario(Report& report, const Inputs& in)
{
    Disc disc(report, "autorun-inf", in);
    if (!disc.Ok() || !disc.Write("autorun.INI", StartProfile())
        || !disc.Write("autorun.inf", "[AutoRun]\r\nopen=setup\\setup.exe\r\n"))
        return;
    const std::string inf = disc.Path("autorun.inf");
    Program program;
    User user(report, program);
    if (!StartMenu(report, program, disc, disc.Path("")))
        return;
    HWND window = user.WaitForMainWindow("the menu window");
    if (window == nullptr || !ToEditorMode(report, window))
        return;

    const auto openCreator = [&](const std::string& when) -> HWND {
        if (!user.Click(window, MakeInfButtonId, "Make 'autorun.inf'... " + when))
            return nullptr;
        HWND box = user.WaitForDialog(window, InfCreatorCaption, "the autorun.inf creator " + when);
        if (box != nullptr)
            report.Check(HasStyle(window, WS_DISABLED), "menu window while the autorun.inf creator is up " + when,
                "disabled", "enabled");
        return box;
    };
    const auto expectCreator = [&](HWND box, const std::string& label, const std::string& open, const std::string& icon,
                                   const std::string& when) {
        report.Equal("label in the autorun.inf creator " + when, label, user.TextOfControl(box, InfLabelId));
        report.Equal("program in the autorun.inf creator " + when, open, user.TextOfControl(box, InfOpenId));
        report.Equal("icon in the autorun.inf creator " + when, icon, user.TextOfControl(box, InfIconId));
    };
    const auto openSaveDialog = [&](HWND box, const std::string& when) -> HWND {
        if (!user.Click(box, IDOK, "Save ... of the autorun.inf creator " + when))
            return nullptr;
        HWND dialog = user.WaitForDialog(window, SaveInfTitle, "the save dialog of the creator " + when);
        if (dialog != nullptr) {
            report.Check(
                !::IsWindowVisible(box), "the autorun.inf creator while its save dialog is up", "closed", "shown");
            report.Equal(
                "file name proposed by the save dialog " + when, "AUTORUN.INF", TextOf(User::FileNameEdit(dialog)));
            report.Equal("file types of the save dialog " + when, "INF Files (*.inf) | All Files (*.*)",
                Joined(ListItems(::GetDlgItem(dialog, User::FileTypeListId))));
        }
        return dialog;
    };

    // The first proposals: the program from the disc's file, the label from the menu, the icon by default.
    HWND box = openCreator("the first time");
    if (box == nullptr)
        return;
    expectCreator(box, StartTitle, "setup\\setup.exe", "autorun.exe", "with a file of only open=");
    const Keys chosen = {{"open", "autorun.exe"}, {"label", "My Disc 2026"}, {"icon", "disc.ico"}};
    if (!user.Type(box, InfOpenId, chosen[0].second, "the program")
        || !user.Type(box, InfLabelId, chosen[1].second, "the label")
        || !user.Type(box, InfIconId, chosen[2].second, "the icon"))
        return;
    HWND dialog = openSaveDialog(box, "the first time");
    // autorun.inf exists: the dialog asks before replacing it; the program asks nothing about the name.
    if (dialog == nullptr || !user.SaveAs(dialog, inf, User::Replace::Yes, "the save dialog (autorun.inf)"))
        return;
    user.ExpectNoQuestion("saving autorun.inf");
    ExpectValues(report, inf, "autorun", chosen);
    report.Check(!HasStyle(window, WS_DISABLED), "the menu window after saving autorun.inf", "enabled", "disabled");

    // Read back; another name warns with the whole path, and No writes nothing.
    if ((box = openCreator("again")) == nullptr)
        return;
    expectCreator(box, chosen[1].second, chosen[0].second, chosen[2].second, "after the save");
    if (!user.Type(box, InfLabelId, "Not to be written", "the label")
        || (dialog = openSaveDialog(box, "again")) == nullptr)
        return;
    const std::string other = disc.Path("disc.inf");
    if (!user.SaveAs(dialog, other, User::Replace::No, "the save dialog (disc.inf)")
        || !user.AnswerMessageBox(
            window, NoticeCaption, InfNameWarning(other), "Yes No", IDNO, "the warning about disc.inf"))
        return;
    user.ExpectNoQuestion("answering No to the warning about disc.inf");
    report.Check(!FileExists(other), "disc.inf after answering No", "not written", "written");
    ExpectValues(report, inf, "autorun", chosen);

    // Cancel: no save dialog.
    if ((box = openCreator("a third time")) == nullptr)
        return;
    if (!user.Click(box, IDCANCEL, "Cancel of the autorun.inf creator")
        || !user.WaitForClosed(box, "the autorun.inf creator after Cancel"))
        return;
    user.ExpectNoQuestion("Cancel in the autorun.inf creator");
    ExpectValues(report, inf, "autorun", chosen);

    // autorun.inf is no part of the profile: closing asks nothing.
    user.Send(window, WM_CLOSE, 0, 0, "WM_CLOSE");
    user.ExpectEnd("WM_CLOSE", nullptr);
}

// A disc made from nothing: a folder with only the program (and programs\probe.exe), started from another
// working folder. The author edits two buttons and the main settings, saves, makes autorun.inf and closes; a
// restart shows the menu, and its probe button starts the probe from the disc.
void WholeDiscScenario(Report& report, const Inputs& in)
{
    Disc disc(report, "whole-disc", in);
    if (!disc.Ok())
        return;
    const std::string elsewhere = TempPath(); // the working folder: not the disc's
    const std::string title = "Whole Disc 2026";
    const std::string aboutText = "About this &disc";
    const std::string author = "The Disc Makers";
    const ButtonSettings probeButton
        = {"Run the probe", "Starts the probe", "programs\\probe.exe", "--from-menu \"two words\" 42", "", 2, 0};
    const ButtonSettings readmeButton = {"Read me", "", "docs\\readme.txt", "", "", 0, 1};
    const int probeIndex = 0, readmeIndex = 4;
    {
        Program program;
        User user(report, program);
        if (!StartMenu(report, program, disc, elsewhere))
            return;
        if (!user.AnswerMessageBox(nullptr, NoticeCaption, MissingProfileQuestion, "Yes No", IDYES,
                "the question about the missing profile"))
            return;
        HWND window = user.WaitForMainWindow("the menu window in editor mode");
        if (window == nullptr)
            return;
        report.Check(!HasStyle(::GetDlgItem(window, SaveHereButtonId), WS_DISABLED),
            "the editor panel without a profile", "enabled", "disabled");

        if (!EditButton(user, window, probeIndex, probeButton) || !EditButton(user, window, readmeIndex, readmeButton))
            return;

        if (!user.Click(window, EditOtherButtonId, "Edit Other..."))
            return;
        HWND box = user.WaitForDialog(window, MainSettingsCaption, "the main settings editor");
        if (box == nullptr)
            return;
        report.Check(
            HasStyle(window, WS_DISABLED), "menu window while the main settings editor is up", "disabled", "enabled");
        report.Equal("title in the main settings editor", "", user.TextOfControl(box, MainTitleId));
        report.Equal("About text in the main settings editor", "&About", user.TextOfControl(box, MainAboutTextId));
        report.Equal("Close text in the main settings editor", "&Close", user.TextOfControl(box, MainCloseTextId));
        if (!user.Type(box, MainTitleId, title, "the title")
            || !user.Type(box, MainAboutTextId, aboutText, "the About text")
            || !user.Type(box, MainAuthorId, author, "the author")
            || !user.Click(box, IDOK, "OK of the main settings editor")
            || !user.WaitForClosed(box, "the main settings editor after OK"))
            return;
        if (!user.WaitUntilHandled("the edit of the main settings"))
            return;
        report.Equal("window title right after OK", title, TextOf(window));
        report.Equal("About button caption right after OK", aboutText, TextOf(::GetDlgItem(window, AboutButtonId)));
        report.Equal("Close button caption right after OK", "&Close", TextOf(::GetDlgItem(window, CloseButtonId)));

        if (!user.Click(window, SaveHereButtonId, "Save INI to current path"))
            return;
        user.ExpectNoQuestion("Save INI to current path");
        ExpectValues(report, disc.Profile(), "Main", {{"Title", title}});

        // autorun.inf: the label proposed is the title just edited.
        if (!user.Click(window, MakeInfButtonId, "Make 'autorun.inf'..."))
            return;
        if ((box = user.WaitForDialog(window, InfCreatorCaption, "the autorun.inf creator")) == nullptr)
            return;
        report.Equal("label proposed by the autorun.inf creator", title, user.TextOfControl(box, InfLabelId));
        report.Equal("program proposed by the autorun.inf creator", "autorun.exe", user.TextOfControl(box, InfOpenId));
        report.Equal("icon proposed by the autorun.inf creator", "autorun.exe", user.TextOfControl(box, InfIconId));
        if (!user.Click(box, IDOK, "Save ... of the autorun.inf creator"))
            return;
        HWND dialog = user.WaitForDialog(window, SaveInfTitle, "the save dialog of the autorun.inf creator");
        if (dialog == nullptr
            || !user.SaveAs(dialog, disc.Path("autorun.inf"), User::Replace::No, "the save dialog (autorun.inf)"))
            return;
        user.ExpectNoQuestion("saving autorun.inf");

        if (!user.Click(window, CloseButtonId, "Close button"))
            return;
        user.ExpectEnd("Close after saving", nullptr);
    }

    ExpectValues(
        report, disc.Profile(), "Main", {{"Title", title}, {"AboutButtonText", aboutText}, {"Author", author}});
    ExpectValues(report, disc.Profile(), "Button1", ButtonKeys(probeButton));
    ExpectValues(report, disc.Profile(), "Button5", ButtonKeys(readmeButton));
    ExpectValues(report, disc.Path("autorun.inf"), "autorun",
        {{"open", "autorun.exe"}, {"label", title}, {"icon", "autorun.exe"}});
    report.Equal("the files of the disc", "autorun.exe | autorun.inf | autorun.INI | programs",
        Joined(NamesIn(disc.Path(""), "*")));

    Program program;
    User user(report, program);
    if (!StartMenu(report, program, disc, elsewhere))
        return;
    HWND window = user.WaitForMainWindow("the menu window after the restart");
    if (window == nullptr)
        return;
    user.ExpectNoQuestion("the restart");
    std::vector<const char*> captions(10, nullptr);
    captions[probeIndex] = probeButton.title.c_str();
    captions[readmeIndex] = readmeButton.title.c_str();
    ExpectNormalMode(report, window, title, aboutText, "&Close", captions, "after the restart");

    // The probe starts from the disc, whatever folder the menu was started from.
    if (!user.Click(window, CommandButtonIds[probeIndex], ButtonName(probeIndex) + " after the restart"))
        return;
    if (!user.WaitUntilHandled("the click on the probe button"))
        return;
    const std::string log = disc.Path("programs\\probe.log");
    if (!WaitUntil([&log] { return !ReadProbeLog(log).empty(); })) {
        report.Fail("probe.log after the click", "a line within " + std::to_string(WaitTimeoutMs) + " ms", "none");
        return;
    }
    const std::vector<ProbeStart> starts = ReadProbeLog(log);
    report.Equal("starts of the probe", 1, static_cast<long long>(starts.size()));
    const ProbeStart& start = starts[0];
    const auto started = SplitCommandLine(start.commandLine);
    report.Check(SamePath(disc.Path("programs"), start.cwd), "probe's working folder", Printable(disc.Path("programs")),
        Printable(start.cwd));
    report.Check(SamePath(disc.Path("programs\\probe.exe"), started.first), "program of the command line",
        Printable(disc.Path("programs\\probe.exe")), Printable(start.commandLine));
    report.Equal("parameters on the command line", probeButton.parameters, started.second);
    report.Equal("probe's wShowWindow (Maximized)", "3", start.showWindow);
    user.ExpectNoQuestion("the click on the probe button");

    user.Send(window, WM_CLOSE, 0, 0, "WM_CLOSE");
    user.ExpectEnd("WM_CLOSE after the restart", nullptr);
    // The probe writes its line and ends; the disc folder is removed once it did.
}

const struct {
    const char* name;
    void (*run)(Report&, const Inputs&);
} Scenarios[] = {
    {"edit-save-restart", EditSaveRestartScenario},
    {"save-as-other-name", SaveAsOtherNameScenario},
    {"failed-save-keeps-edits", FailedSaveKeepsEditsScenario},
    {"autorun-inf", AutorunInfScenario},
    {"whole-disc", WholeDiscScenario},
};

int Usage()
{
    std::fprintf(stderr, "usage: e2e_editor <scenario> <autorun.exe> <probe.exe>\nscenarios:");
    for (const auto& s : Scenarios)
        std::fprintf(stderr, " %s", s.name);
    std::fprintf(stderr, "\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
        return Usage();
    for (const auto& s : Scenarios) {
        if (std::strcmp(argv[1], s.name) == 0) {
            Report report;
            s.run(report, Inputs{argv[2], argv[3]});
            return report.Failures() == 0 ? 0 : 1;
        }
    }
    return Usage();
}
