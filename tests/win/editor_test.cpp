#include "launcher/launcher_dlg.h"

#include "resources/resource.h"
#include "tests/win/menu_window_fixture.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using test_files::ReadFile;
using test_files::WriteFile;

const std::string profile = "[Main]\r\nTitle=Edit Disc\r\nAuthor=Ann\r\n"
                            "[Button5]\r\nTitle=Fifth\r\nRun=five.exe\r\nParameters=/5\r\nPlayWav=five.wav\r\n"
                            "ToolTipText=Tip five\r\nWindowAction=WA_CLOSE\r\nWindowState=WS_RESTORED\r\n";

// The menu in editor mode on a disc with a profile.
class Editing : public MenuWindowFixture {
protected:
    void SetUp() override
    {
        Open(&profile);
        dialog.SendMessage(WM_SYSCOMMAND, 0x20, 0);
        ASSERT_EQ(dialog.m_nMode, 1);
    }

    // Clicks a control of the main window while a script answers the dialog it opens.
    void ClickWithDialog(int id, std::function<void(HWND)> action)
    {
        ChildDialogScript::Schedule(dialog.m_hWnd, std::move(action));
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(dialog.GetDlgItem(id).m_hWnd));
        EXPECT_TRUE(ChildDialogScript::Ran());
    }

    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : services.boxes)
            texts.push_back(box.text);
        return texts;
    }

    static std::string Notice(const char* field)
    {
        return std::string("The ") + field + " text length is limited to 255 characters. It will be truncated.";
    }
};

// ---- Button settings editor ----

TEST_F(Editing, ButtonEditorShowsTheButtonAndStoresOnOk)
{
    std::vector<std::string> shown;
    LRESULT state = -1, action = -1;
    bool mainDisabled = false;
    ClickWithDialog(IDC_COMMAND4, [&](HWND box) {
        for (int id : {IDC_BTNED_NUMBER, IDC_BTNED_TITLE, IDC_BTNED_RUN, IDC_BTNED_PARAMETERS, IDC_BTNED_PLAY_WAV,
                       IDC_BTNED_TOOL_TIP})
            shown.push_back(ItemText(box, id));
        state = ::SendDlgItemMessageA(box, IDC_BTNED_WINDOW_STATE, CB_GETCURSEL, 0, 0);
        action = ::SendDlgItemMessageA(box, IDC_BTNED_WINDOW_ACTION, CB_GETCURSEL, 0, 0);
        mainDisabled = (::GetWindowLongPtrA(dialog.m_hWnd, GWL_STYLE) & WS_DISABLED) != 0;
        SetItemText(box, IDC_BTNED_TITLE, "New title");
        SetItemText(box, IDC_BTNED_RUN, "");
        ::SendDlgItemMessageA(box, IDC_BTNED_WINDOW_STATE, CB_SETCURSEL, WS_MINIMIZED_NOACTIVATE, 0);
        ::SendDlgItemMessageA(box, IDC_BTNED_WINDOW_ACTION, CB_SETCURSEL, WA_MINIMIZE, 0);
        PressButton(box, IDOK);
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"5", "Fifth", "five.exe", "/5", "five.wav", "Tip five"}));
    EXPECT_EQ(state, WS_RESTORED);
    EXPECT_EQ(action, WA_CLOSE);
    EXPECT_TRUE(mainDisabled);
    EXPECT_TRUE(Enabled(dialog));

    const MenuButton& entry = dialog.m_menu.GetButton(4);
    EXPECT_EQ(entry.Title, "New title");
    EXPECT_EQ(entry.Run, "");
    EXPECT_EQ(entry.Parameters, "/5");
    EXPECT_EQ(entry.WindowState, WS_MINIMIZED_NOACTIVATE);
    EXPECT_EQ(entry.WindowAction, WA_MINIMIZE);
    EXPECT_EQ(dialog.GetDlgItem(IDC_COMMAND4).GetWindowText(), "New title");
    EXPECT_TRUE(dialog.m_bModified);
    EXPECT_TRUE(services.boxes.empty());

    // With its target cleared, the button is hidden by the switch to normal mode.
    dialog.SendMessage(WM_SYSCOMMAND, 0x20, 0);
    EXPECT_FALSE(Visible(dialog.GetDlgItem(IDC_COMMAND4)));
}

TEST_F(Editing, ButtonEditorCancelChangesNothingAndOkAlwaysMarksModified)
{
    ClickWithDialog(IDC_COMMAND4, [](HWND box) {
        SetItemText(box, IDC_BTNED_TITLE, "typed");
        PressButton(box, IDCANCEL);
    });
    EXPECT_EQ(dialog.m_menu.GetButton(4).Title, "Fifth");
    EXPECT_FALSE(dialog.m_bModified);

    ClickWithDialog(IDC_COMMAND4, [](HWND box) { PressButton(box, IDOK); });
    EXPECT_EQ(dialog.m_menu.GetButton(4).Title, "Fifth");
    EXPECT_TRUE(dialog.m_bModified);
}

TEST_F(Editing, ButtonEditorCutsLongTextsWithOneNoticePerField)
{
    const std::string exact(255, 'a'), longer(256, 'b');
    ClickWithDialog(IDC_COMMAND0, [&](HWND box) {
        SetItemText(box, IDC_BTNED_TITLE, longer);
        SetItemText(box, IDC_BTNED_RUN, exact);
        SetItemText(box, IDC_BTNED_PARAMETERS, longer);
        SetItemText(box, IDC_BTNED_PLAY_WAV, longer + "x");
        SetItemText(box, IDC_BTNED_TOOL_TIP, std::string(300, 't'));
        PressButton(box, IDOK);
    });
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Notice("window"), Notice("paramaters variable"),
                                                    Notice("wavfilename variable"), Notice("tool tip")}));
    for (const auto& box : services.boxes) {
        EXPECT_EQ(box.caption, "(null)") << "the application name is the caption";
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK));
        EXPECT_EQ(box.owner, dialog.m_hWnd);
    }
    const MenuButton& entry = dialog.m_menu.GetButton(0);
    EXPECT_EQ(entry.Title, longer.substr(0, 255));
    EXPECT_EQ(entry.Run, exact);
    EXPECT_EQ(entry.PlayWav.size(), 255u);
    EXPECT_EQ(entry.ToolTipText.size(), 255u);
    EXPECT_EQ(dialog.GetDlgItem(IDC_COMMAND0).GetWindowText().size(), 255u);
}

// ---- Main settings editor ----

TEST_F(Editing, MainSettingsUpdateTheWindowAtOnce)
{
    test_files::WriteFile(disc.Path("pic.bmp"), std::string());
    std::vector<std::string> shown;
    ClickWithDialog(IDC_EDIT_OTHER, [&](HWND box) {
        shown = {ItemText(box, IDC_MAINSET_TITLE), ItemText(box, IDC_MAINSET_AUTHOR),
                 ItemText(box, IDC_MAINSET_ABOUT_TEXT), ItemText(box, IDC_MAINSET_IMAGE_TEXT),
                 std::to_string(::SendDlgItemMessageA(box, IDC_MAINSET_LANGUAGE, CB_GETCOUNT, 0, 0))};
        SetItemText(box, IDC_MAINSET_TITLE, "");
        SetItemText(box, IDC_MAINSET_ABOUT_TEXT, "");
        SetItemText(box, IDC_MAINSET_CLOSE_TEXT, "Bye");
        SetItemText(box, IDC_MAINSET_IMAGE_TEXT, "");
        SetItemText(box, IDC_MAINSET_WAV_INTRO, std::string(300, 'w'));
        ::SendDlgItemMessageA(box, IDC_MAINSET_FIT_IMAGE, BM_SETCHECK, BST_CHECKED, 0);
        PressButton(box, IDOK);
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"Edit Disc", "Ann", "&About",
                                               "No image specified or unable to load image", "2"}));
    EXPECT_EQ(dialog.GetWindowText(), "");
    EXPECT_EQ(dialog.m_menu.AboutButtonText, "&About");
    EXPECT_EQ(dialog.m_btnAbout.GetWindowText(), "&About");
    EXPECT_EQ(dialog.m_btnClose.GetWindowText(), "Bye");
    EXPECT_EQ(dialog.m_menu.ImageText, "No image specified or unable to load image");
    EXPECT_EQ(dialog.m_menu.WavIntro.size(), 300u) << "sound names are not cut";
    EXPECT_TRUE(dialog.m_menu.FitImage);
    EXPECT_EQ(dialog.m_menu.LanguageIndex, 0);
    EXPECT_TRUE(dialog.m_bModified);
    EXPECT_TRUE(services.boxes.empty());
    EXPECT_NE(dialog.m_picture.GetStyle() & SS_NOPREFIX, 0u) << "the picture panel was set up again";
}

TEST_F(Editing, MainSettingsNoticesComeInFieldOrder)
{
    ClickWithDialog(IDC_EDIT_OTHER, [](HWND box) {
        SetItemText(box, IDC_MAINSET_AUTHOR, std::string(300, 'a'));
        SetItemText(box, IDC_MAINSET_TITLE, std::string(300, 't'));
        SetItemText(box, IDC_MAINSET_NOTES, std::string(256, 'n'));
        PressButton(box, IDOK);
    });
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{Notice("window title"), Notice("author"), Notice("notes")}));
    EXPECT_EQ(dialog.m_menu.Title.size(), 255u);
    EXPECT_EQ(dialog.GetWindowText().size(), 255u);
    EXPECT_EQ(dialog.m_menu.Author.size(), 255u);
}

TEST_F(Editing, MainSettingsCancelChangesNothing)
{
    ClickWithDialog(IDC_EDIT_OTHER, [](HWND box) {
        SetItemText(box, IDC_MAINSET_TITLE, "typed");
        PressButton(box, IDCANCEL);
    });
    EXPECT_EQ(dialog.m_menu.Title, "Edit Disc");
    EXPECT_EQ(dialog.GetWindowText(), "Edit Disc");
    EXPECT_FALSE(dialog.m_bModified);
}

// ---- Saving ----

TEST_F(Editing, SaveInPlaceWritesBesideTheExecutable)
{
    dialog.m_menu.Title = "Saved title";
    dialog.m_bModified = true;
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SAVE_HERE, BN_CLICKED), 0);
    EXPECT_FALSE(dialog.m_bModified);
    EXPECT_NE(ReadFile(disc.Path("autorun.INI")).find("Title=Saved title\r\n"), std::string::npos);
    EXPECT_TRUE(services.boxes.empty());
}

TEST_F(Editing, SaveInPlaceFailureKeepsTheEdits)
{
    // The executable's "folder" is a file, so nothing can be written there.
    WriteFile(disc.Path("blocked"), "a file");
    services.exePath = disc.Path("blocked") + "\\autorun.exe";
    dialog.m_bModified = true;
    dialog.SaveProfileInPlace();
    ASSERT_EQ(services.boxes.size(), 1u);
    EXPECT_EQ(services.boxes[0].text, "ERROR Saving INI file:\n\n" + disc.Path("blocked") + "\\autorun.INI");
    EXPECT_EQ(services.boxes[0].caption, "ERROR");
    EXPECT_EQ(services.boxes[0].type, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_TRUE(dialog.m_bModified);
}

TEST_F(Editing, SaveAsAsksForANameAndWarnsAboutAnotherOne)
{
    dialog.m_bModified = true;
    // Cancelled: nothing happens.
    EXPECT_FALSE(dialog.SaveProfileAs());
    ASSERT_EQ(services.saveRequests.size(), 1u);
    const SaveFileRequest& request = services.saveRequests[0];
    EXPECT_EQ(request.defaultExtension, "ini");
    EXPECT_EQ(request.title, "Save INI File");
    EXPECT_EQ(request.fileName, "autorun.INI");
    EXPECT_EQ(request.flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_EQ(request.filter, "INI Files (*.ini)|*.ini|All Files (*.*)|*.*|");
    EXPECT_TRUE(dialog.m_bModified);

    // The right name in any letter case and any folder: no question.
    std::filesystem::create_directory(disc.Path("copy"));
    services.saveAnswers = {{disc.Path("copy") + "\\autorun.ini", "autorun.ini"}};
    EXPECT_TRUE(dialog.SaveProfileAs());
    EXPECT_TRUE(services.boxes.empty());
    EXPECT_FALSE(dialog.m_bModified);
    EXPECT_NE(ReadFile(disc.Path("copy\\autorun.ini")).find("[Main]"), std::string::npos);

    // Another name: the warning, in capitals; No writes nothing, Yes writes.
    dialog.m_bModified = true;
    services.saveAnswers = {{disc.Path("menu.ini"), "menu.ini"}, {disc.Path("menu.ini"), "menu.ini"}};
    services.boxAnswers = {IDNO, IDYES};
    EXPECT_FALSE(dialog.SaveProfileAs());
    EXPECT_FALSE(std::filesystem::exists(disc.Path("menu.ini")));
    EXPECT_TRUE(dialog.m_bModified);
    EXPECT_TRUE(dialog.SaveProfileAs());
    EXPECT_TRUE(std::filesystem::exists(disc.Path("menu.ini")));
    EXPECT_FALSE(dialog.m_bModified);
    ASSERT_EQ(services.boxes.size(), 2u);
    EXPECT_EQ(services.boxes[0].text, "In order for Trayvane to run in normal mode, you must name the INI file "
                                      "'AUTORUN.INI'\nDo you wish to continue using 'MENU.INI' for the filename?");
    EXPECT_EQ(services.boxes[0].caption, "Notice");
    EXPECT_EQ(services.boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
    // The profile the executable reads was not touched, and its path stays.
    EXPECT_EQ(dialog.m_menu.ProfilePath, disc.Path("autorun.INI"));
}

// A "Yes, save" before closing that does not save keeps the window open with the edits.
TEST_F(Editing, CloseAfterAFailedOrCancelledSaveStaysOpen)
{
    dialog.m_bModified = true;
    WriteFile(disc.Path("blocked"), "a file");
    const struct {
        const char* what;
        std::deque<SaveFileAnswer> saves;
        std::deque<int> answers;
    } cases[] = {
        {"save dialog cancelled", {}, {IDYES}},
        {"name warning answered No", {{disc.Path("menu.ini"), "menu.ini"}}, {IDYES, IDNO}},
        {"write failed", {{disc.Path("blocked") + "\\autorun.INI", "autorun.INI"}}, {IDYES, IDOK}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        services.saveAnswers = c.saves;
        services.boxAnswers = c.answers;
        dialog.SendMessage(WM_CLOSE);
        EXPECT_FALSE(dialog.IsEnding());
        EXPECT_TRUE(dialog.IsWindowVisible());
        EXPECT_TRUE(dialog.m_bModified);
        EXPECT_EQ(services.unansweredBoxes, 0);
    }
    // A save that works closes the window.
    services.saveAnswers = {{disc.Path("autorun.INI"), "autorun.INI"}};
    services.boxAnswers = {IDYES};
    dialog.SendMessage(WM_CLOSE);
    EXPECT_TRUE(dialog.IsEnding());
    EXPECT_FALSE(dialog.m_bModified);
}

// ---- autorun.inf creator ----

struct InfFields {
    std::string label, open, icon;
};

TEST_F(Editing, AutorunInfProposals)
{
    const struct {
        const char* what;
        const char* file; // nullptr: no autorun.inf
        InfFields expected;
    } cases[] = {
        {"no file", nullptr, {"Edit Disc", "autorun.exe", "autorun.exe"}},
        {"only open", "[autorun]\r\nopen=programs\\menu.exe\r\n", {"Edit Disc", "programs\\menu.exe", "autorun.exe"}},
        {"all three", "[AutoRun]\nLABEL=Disc\nopen=a.exe\nicon=a.ico\n", {"Disc", "a.exe", "a.ico"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(disc.Path("autorun.inf"));
        if (c.file != nullptr)
            WriteFile(disc.Path("autorun.inf"), c.file);
        InfFields shown;
        ClickWithDialog(IDC_MAKE_INF, [&](HWND box) {
            shown = {ItemText(box, IDC_INF_LABEL), ItemText(box, IDC_INF_OPEN), ItemText(box, IDC_INF_ICON)};
            PressButton(box, IDCANCEL);
        });
        EXPECT_EQ(shown.label, c.expected.label);
        EXPECT_EQ(shown.open, c.expected.open);
        EXPECT_EQ(shown.icon, c.expected.icon);
    }
    // A long value arrives cut to 254 characters.
    WriteFile(disc.Path("autorun.inf"), "[autorun]\r\nlabel=" + std::string(300, 'L') + "\r\n");
    dialog.ReadAutorunInf();
    EXPECT_EQ(dialog.m_strInfLabel, std::string(254, 'L'));
    EXPECT_TRUE(services.saveRequests.empty());
}

TEST_F(Editing, AutorunInfIsWrittenWhereTheUserChooses)
{
    // A new file, with an emptied label.
    std::filesystem::create_directory(disc.Path("root"));
    services.saveAnswers = {{disc.Path("root") + "\\autorun.inf", "autorun.inf"}};
    ClickWithDialog(IDC_MAKE_INF, [](HWND box) {
        SetItemText(box, IDC_INF_LABEL, "");
        SetItemText(box, IDC_INF_OPEN, "programs\\autorun.exe");
        PressButton(box, IDOK);
    });
    EXPECT_EQ(ReadFile(disc.Path("root\\autorun.inf")),
              "[autorun]\r\nopen=programs\\autorun.exe\r\nlabel=\r\nicon=autorun.exe\r\n");
    ASSERT_EQ(services.saveRequests.size(), 1u);
    EXPECT_EQ(services.saveRequests[0].defaultExtension, "inf");
    EXPECT_EQ(services.saveRequests[0].title, "Save INF File");
    EXPECT_EQ(services.saveRequests[0].fileName, "AUTORUN.INF");
    EXPECT_EQ(services.saveRequests[0].filter, "INF Files (*.inf)|*.inf|All Files (*.*)|*.*|");
    EXPECT_TRUE(services.boxes.empty());

    // An existing file under another name: the warning with the full path; other sections stay.
    const std::string setup = disc.Path("setup.inf");
    WriteFile(setup, "[Strings]\r\nx=1\r\n[autorun]\r\nopen=old.exe\r\nextra=kept\r\n");
    services.saveAnswers = {{setup, "setup.inf"}};
    services.boxAnswers = {IDYES};
    ClickWithDialog(IDC_MAKE_INF, [](HWND box) { PressButton(box, IDOK); });
    ASSERT_EQ(services.boxes.size(), 1u);
    EXPECT_EQ(services.boxes[0].text, "In order for a CD to load the Autorun information, you must name the INF file "
                                      "'AUTORUN.INF'\nDo you wish to continue using '" +
                                          setup + "' for the filename?");
    EXPECT_EQ(services.boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
    EXPECT_EQ(ReadFile(setup), "[Strings]\r\nx=1\r\n[autorun]\r\nopen=autorun.exe\r\nextra=kept\r\nlabel=Edit "
                               "Disc\r\nicon=autorun.exe\r\n");
    EXPECT_FALSE(dialog.m_bModified) << "the creator never touches the profile's flag";
}

TEST_F(Editing, AutorunInfWriteFailureIsReported)
{
    WriteFile(disc.Path("blocked"), "a file");
    const std::string path = disc.Path("blocked") + "\\autorun.inf";
    services.saveAnswers = {{path, "autorun.inf"}};
    dialog.m_bModified = true;
    ClickWithDialog(IDC_MAKE_INF, [](HWND box) { PressButton(box, IDOK); });
    ASSERT_EQ(services.boxes.size(), 1u);
    EXPECT_EQ(services.boxes[0].text, "ERROR Saving INF file:\n\n" + path);
    EXPECT_EQ(services.boxes[0].caption, "(null)");
    EXPECT_EQ(services.boxes[0].type, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_TRUE(dialog.m_bModified);
}

} // namespace
