#include "core/menu.h"

#include "core/module_path.h"
#include "tests/core/test_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using test_files::ReadFile;
using test_files::TempFolder;
using test_files::WriteFile;

// A Menu whose profile is a file in a private folder.
class MenuFile : public ::testing::Test {
protected:
    MenuFile() { menu.ProfilePath = folder.Path("autorun.INI"); }

    // Loads a profile with the given text into the menu.
    bool LoadText(const std::string& text)
    {
        WriteFile(menu.ProfilePath, text);
        return menu.Load();
    }

    TempFolder folder;
    Menu menu;
};

void ExpectDefaults(Menu& menu)
{
    for (int i = 0; i < 10; ++i) {
        const MenuButton& b = menu.GetButton(i);
        EXPECT_EQ(b.Title + b.Run + b.PlayWav + b.Parameters + b.ToolTipText, "") << "button " << i;
        EXPECT_EQ(b.WindowAction, WA_DONOTHING);
        EXPECT_EQ(b.WindowState, WS_DEFAULT);
    }
    EXPECT_EQ(menu.WavIntro + menu.WavClose + menu.WavAbout + menu.Title + menu.Author + menu.Notes +
                  menu.BitmapPictureFile,
              "");
    EXPECT_EQ(menu.AboutButtonText, "&About");
    EXPECT_EQ(menu.CloseButtonText, "&Close");
    EXPECT_EQ(menu.ImageText, "No image specified or unable to load image");
    EXPECT_TRUE(menu.EnableModeChange);
    EXPECT_FALSE(menu.FitImage);
    EXPECT_EQ(menu.LanguageIndex, 0);
}

TEST(Menu, StartsWithDefaultsAndTheProfileBesideTheExecutable)
{
    Menu menu;
    EXPECT_EQ(menu.ButtonCount, 10);
    ExpectDefaults(menu);
    EXPECT_EQ(menu.ProfilePath, ProfilePathFor(RunningExecutablePath()));
    EXPECT_NE(menu.ProfilePath.find("core_tests.INI"), std::string::npos) << menu.ProfilePath;
}

TEST(Menu, GetButtonChecksTheIndex)
{
    Menu menu;
    menu.GetButton(9).Title = "tenth";
    EXPECT_EQ(menu.Buttons[9].Title, "tenth");
    for (int bad : {10, -1, 1 << 30}) {
        try {
            menu.GetButton(bad);
            ADD_FAILURE() << "no exception for " << bad;
        } catch (Menu::Exceptions e) {
            EXPECT_EQ(e, Menu::IndexOutOfRange);
            EXPECT_EQ(static_cast<int>(e), 1);
        }
    }
    EXPECT_EQ(static_cast<int>(Menu::AllocationFailed), 0);
}

TEST(Menu, SettersPutDefaultsInPlaceOfEmptyTexts)
{
    Menu menu;
    menu.SetAboutButtonText("&Info");
    menu.SetCloseButtonText("E&xit");
    menu.SetImageText(" ");
    EXPECT_EQ(menu.AboutButtonText, "&Info");
    EXPECT_EQ(menu.CloseButtonText, "E&xit");
    EXPECT_EQ(menu.ImageText, " ");
    menu.SetAboutButtonText("");
    menu.SetCloseButtonText("");
    menu.SetImageText("");
    EXPECT_EQ(menu.AboutButtonText, "&About");
    EXPECT_EQ(menu.CloseButtonText, "&Close");
    EXPECT_EQ(menu.ImageText, "No image specified or unable to load image");
}

TEST_F(MenuFile, MissingProfileChangesNothing)
{
    menu.Title = "kept";
    menu.FitImage = true;
    EXPECT_FALSE(menu.Load());
    EXPECT_EQ(menu.Title, "kept");
    EXPECT_TRUE(menu.FitImage);
}

TEST_F(MenuFile, EmptyProfileOrFolderInItsPlaceGivesDefaults)
{
    EXPECT_TRUE(LoadText(""));
    ExpectDefaults(menu);

    // A folder of the profile's name counts as found; every value is then its default.
    Menu other;
    other.ProfilePath = folder.Path("folder.INI");
    std::filesystem::create_directory(other.ProfilePath);
    other.Title = "replaced";
    other.GetButton(2).WindowState = WS_MAXIMIZED;
    EXPECT_TRUE(other.Load());
    EXPECT_EQ(other.Title, "");
    EXPECT_EQ(other.GetButton(2).WindowState, WS_DEFAULT);
}

TEST_F(MenuFile, JunkProfileGivesDefaults)
{
    std::string junk(70000, '\0');
    for (size_t i = 0; i < junk.size(); ++i)
        junk[i] = static_cast<char>((i * 7919) % 251);
    EXPECT_TRUE(LoadText(junk + "\n[Main]\nTitle=after the junk\n"));
    EXPECT_EQ(menu.Title, "after the junk");
    EXPECT_EQ(menu.AboutButtonText, "&About");
}

TEST_F(MenuFile, ReadsEveryKey)
{
    ASSERT_TRUE(LoadText("[Main]\r\n"
                         "Title=My Disc\r\nAuthor=Ann Author\r\nNotes=Some notes\r\n"
                         "WavIntro=intro.wav\r\nWavClose=close.wav\r\nWavAbout=about.wav\r\n"
                         "BitmapPictureFile=pics\\disc.bmp\r\nAboutButtonText=&Info\r\nCloseButtonText=E&xit\r\n"
                         "ImageText=no picture\r\nFitImage=YES\r\nEnableModeChange=NO\r\n"
                         "[Button1]\r\nTitle=&Setup\r\nRun=setup.exe\r\nParameters=/quiet\r\nPlayWav=click.wav\r\n"
                         "ToolTipText=Installs it\r\nWindowAction=WA_CLOSE\r\nWindowState=WS_MAXIMIZED\r\n"
                         "[Button10]\r\nTitle=Last\r\nRun=.\r\n"));
    EXPECT_EQ(menu.Title, "My Disc");
    EXPECT_EQ(menu.Author, "Ann Author");
    EXPECT_EQ(menu.Notes, "Some notes");
    EXPECT_EQ(menu.WavIntro, "intro.wav");
    EXPECT_EQ(menu.WavClose, "close.wav");
    EXPECT_EQ(menu.WavAbout, "about.wav");
    EXPECT_EQ(menu.BitmapPictureFile, "pics\\disc.bmp");
    EXPECT_EQ(menu.AboutButtonText, "&Info");
    EXPECT_EQ(menu.CloseButtonText, "E&xit");
    EXPECT_EQ(menu.ImageText, "no picture");
    EXPECT_TRUE(menu.FitImage);
    EXPECT_FALSE(menu.EnableModeChange);
    const MenuButton& first = menu.GetButton(0);
    EXPECT_EQ(first.Title, "&Setup");
    EXPECT_EQ(first.Run, "setup.exe");
    EXPECT_EQ(first.Parameters, "/quiet");
    EXPECT_EQ(first.PlayWav, "click.wav");
    EXPECT_EQ(first.ToolTipText, "Installs it");
    EXPECT_EQ(first.WindowAction, WA_CLOSE);
    EXPECT_EQ(first.WindowState, WS_MAXIMIZED);
    EXPECT_EQ(menu.GetButton(9).Title, "Last");
    EXPECT_EQ(menu.GetButton(9).Run, ".");
    EXPECT_EQ(menu.GetButton(1).Title, "");
}

TEST_F(MenuFile, YesNoFlags)
{
    struct {
        const char* line;
        bool enableModeChange;
        bool fitImage;
    } cases[] = {
        {"", true, false},
        {"EnableModeChange=no\nFitImage=yes", false, true},
        {"EnableModeChange=\nFitImage=", true, true},
        {"EnableModeChange=0\nFitImage=No", true, false},
        {"EnableModeChange=nO \nFitImage=TRUE", false, true},
        {"EnableModeChange=NONE\nFitImage=NO!", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        ASSERT_TRUE(LoadText(std::string("[Main]\n") + c.line + "\n"));
        EXPECT_EQ(menu.EnableModeChange, c.enableModeChange);
        EXPECT_EQ(menu.FitImage, c.fitImage);
    }
}

TEST_F(MenuFile, EmptyCaptionsAndImageTextFallBackToDefaults)
{
    ASSERT_TRUE(LoadText("[Main]\nImageText=\nAboutButtonText=\nCloseButtonText=\nTitle=\n"));
    EXPECT_EQ(menu.ImageText, "No image specified or unable to load image");
    EXPECT_EQ(menu.AboutButtonText, "&About");
    EXPECT_EQ(menu.CloseButtonText, "&Close");
    EXPECT_EQ(menu.Title, "");
}

TEST_F(MenuFile, WindowKeywords)
{
    struct {
        const char* action;
        int actionIndex;
        const char* state;
        int stateIndex;
    } cases[] = {
        {"WA_MINIMIZE", WA_MINIMIZE, "WS_MINIMIZED", WS_MINIMIZED},
        // Only the first four characters of an action are upper-cased.
        {"wa_CLOSE", WA_CLOSE, "ws_minimized_noactivate", WS_MINIMIZED_NOACTIVATE},
        {"wa_close", WA_DONOTHING, "ws_maximized", WS_MAXIMIZED},
        {"WA_CLOSEX", WA_DONOTHING, "RESTORED", WS_DEFAULT},
        {"WA_DONOTHING", WA_DONOTHING, "Ws_NoActivate", WS_NOACTIVATE},
        {"wa_Minimize", WA_DONOTHING, "WS_RESTORED", WS_RESTORED},
        // The action is read with room for 12 characters: a longer value is cut before it is compared.
        {"WA_MINIMIZEXY", WA_DONOTHING, "", WS_DEFAULT},
        {"WA_CLOSE\tx", WA_DONOTHING, "WS_DEFAULT", WS_DEFAULT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        menu.GetButton(4).WindowAction = WA_MINIMIZE;
        menu.GetButton(4).WindowState = WS_MAXIMIZED;
        ASSERT_TRUE(LoadText(std::string("[Button5]\nWindowAction=") + c.action + "\nWindowState=" + c.state + "\n"));
        EXPECT_EQ(menu.GetButton(4).WindowAction, c.actionIndex);
        EXPECT_EQ(menu.GetButton(4).WindowState, c.stateIndex);
    }
}

TEST_F(MenuFile, LongValuesAreCutToTheirCapacity)
{
    const std::string longText(300, 'x');
    ASSERT_TRUE(LoadText("[Main]\nTitle=" + longText + "\nBitmapPictureFile=" + longText + "\n[Button2]\nTitle=" +
                         longText + "\nRun=" + longText + "\nToolTipText=" + longText + "\nPlayWav=" + longText + "\n"));
    EXPECT_EQ(menu.Title.size(), 254u);
    EXPECT_EQ(menu.BitmapPictureFile.size(), 259u);
    EXPECT_EQ(menu.GetButton(1).Title.size(), 254u);
    EXPECT_EQ(menu.GetButton(1).ToolTipText.size(), 254u);
    EXPECT_EQ(menu.GetButton(1).Run.size(), 259u);
    EXPECT_EQ(menu.GetButton(1).PlayWav.size(), 259u);
}

TEST_F(MenuFile, SectionNamesAndLanguage)
{
    menu.LanguageIndex = 1;
    ASSERT_TRUE(LoadText("[main]\nLanguage=HICK\nTitle=lower-case section\n"
                         "[button3]\nTitle=third\n[Button0]\nTitle=zero\n[Button11]\nTitle=eleven\n"
                         "[Button03]\nTitle=padded\n"));
    EXPECT_EQ(menu.LanguageIndex, 0);
    EXPECT_EQ(menu.Title, "lower-case section");
    EXPECT_EQ(menu.GetButton(2).Title, "third");
    for (int i = 0; i < 10; ++i) {
        if (i != 2) {
            EXPECT_EQ(menu.GetButton(i).Title, "") << i;
        }
    }
}

TEST_F(MenuFile, SavingANewMenuWritesTheWholeFormat)
{
    ASSERT_TRUE(menu.Save());
    std::string expected =
        "[Main]\r\nWavAbout=\r\nLanguage=ENGLISH\r\nWavIntro=\r\nWavClose=\r\nTitle=\r\nAuthor=\r\nNotes=\r\n"
        "BitmapPictureFile=\r\nAboutButtonText=&About\r\nCloseButtonText=&Close\r\nFitImage=NO\r\n"
        "ImageText=No image specified or unable to load image\r\n";
    for (int n = 1; n <= 10; ++n)
        expected += "[Button" + std::to_string(n) +
                    "]\r\nTitle=\r\nRun=\r\nParameters=\r\nPlayWav=\r\nWindowAction=WA_DONOTHING\r\n"
                    "WindowState=WS_DEFAULT\r\nToolTipText=\r\n";
    EXPECT_EQ(ReadFile(menu.ProfilePath), expected);
}

TEST_F(MenuFile, FullMenuSurvivesASaveAndALoad)
{
    menu.WavIntro = "intro.wav";
    menu.WavClose = "sounds\\close.wav";
    menu.WavAbout = "about.wav";
    menu.Title = "My Disc 100%";
    menu.Author = "A. Author";
    menu.Notes = "Notes; with = signs";
    menu.BitmapPictureFile = "disc.bmp";
    menu.SetAboutButtonText("&Info");
    menu.SetCloseButtonText("E&xit");
    menu.SetImageText("nothing to see");
    menu.FitImage = true;
    menu.LanguageIndex = 1;
    for (int i = 0; i < 10; ++i) {
        MenuButton& b = menu.GetButton(i);
        const std::string n = std::to_string(i + 1);
        b.Title = "Button &" + n;
        b.Run = "programs\\prog" + n + ".exe";
        b.PlayWav = "click" + n + ".wav";
        b.Parameters = "/n " + n;
        b.ToolTipText = "Tip " + n;
        b.WindowAction = i % WindowActionCount;
        b.WindowState = i % WindowStateCount;
    }
    const std::string copy = folder.Path("copy.ini");
    ASSERT_TRUE(menu.Save(copy.c_str()));
    EXPECT_NE(ReadFile(copy).find("Language=HICK\r\n"), std::string::npos);
    EXPECT_NE(ReadFile(copy).find("WindowAction=WA_CLOSE\r\n"), std::string::npos);
    EXPECT_NE(ReadFile(copy).find("WindowState=WS_MINIMIZED_NOACTIVATE\r\n"), std::string::npos);

    Menu loaded;
    loaded.ProfilePath = copy;
    ASSERT_TRUE(loaded.Load());
    EXPECT_EQ(loaded.WavIntro, menu.WavIntro);
    EXPECT_EQ(loaded.WavClose, menu.WavClose);
    EXPECT_EQ(loaded.WavAbout, menu.WavAbout);
    EXPECT_EQ(loaded.Title, menu.Title);
    EXPECT_EQ(loaded.Author, menu.Author);
    EXPECT_EQ(loaded.Notes, menu.Notes);
    EXPECT_EQ(loaded.BitmapPictureFile, menu.BitmapPictureFile);
    EXPECT_EQ(loaded.AboutButtonText, menu.AboutButtonText);
    EXPECT_EQ(loaded.CloseButtonText, menu.CloseButtonText);
    EXPECT_EQ(loaded.ImageText, menu.ImageText);
    EXPECT_EQ(loaded.FitImage, menu.FitImage);
    EXPECT_TRUE(loaded.EnableModeChange);
    EXPECT_EQ(loaded.LanguageIndex, 0);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const MenuButton& a = menu.GetButton(i);
        const MenuButton& b = loaded.GetButton(i);
        EXPECT_EQ(b.Title, a.Title);
        EXPECT_EQ(b.Run, a.Run);
        EXPECT_EQ(b.PlayWav, a.PlayWav);
        EXPECT_EQ(b.Parameters, a.Parameters);
        EXPECT_EQ(b.ToolTipText, a.ToolTipText);
        EXPECT_EQ(b.WindowAction, a.WindowAction);
        EXPECT_EQ(b.WindowState, a.WindowState);
    }
}

TEST_F(MenuFile, SavingOverAHandMadeProfileKeepsWhatItDoesNotWrite)
{
    const std::string handMade = "; made by hand\n"
                                 "[Main]\n"
                                 "EnableModeChange=NO\n"
                                 "title = Old title\n"
                                 "Custom=kept\n"
                                 "\n"
                                 "[Extra]\n"
                                 "Anything=at all\n";
    ASSERT_TRUE(LoadText(handMade));
    menu.Title = "New title";
    ASSERT_TRUE(menu.Save(""));

    const std::string saved = ReadFile(menu.ProfilePath);
    EXPECT_EQ(saved.rfind("; made by hand\n[Main]\nEnableModeChange=NO\ntitle=New title\nCustom=kept\n", 0), 0u)
        << saved;
    EXPECT_NE(saved.find("\n\n[Extra]\nAnything=at all\n"), std::string::npos) << saved;

    Menu again;
    again.ProfilePath = menu.ProfilePath;
    ASSERT_TRUE(again.Load());
    EXPECT_FALSE(again.EnableModeChange);
    EXPECT_EQ(again.Title, "New title");

    // A new file gets no EnableModeChange key, and reads as true.
    const std::string fresh = folder.Path("fresh.ini");
    ASSERT_TRUE(again.Save(fresh.c_str()));
    EXPECT_EQ(ReadFile(fresh).find("EnableModeChange"), std::string::npos);
    Menu fromFresh;
    fromFresh.ProfilePath = fresh;
    ASSERT_TRUE(fromFresh.Load());
    EXPECT_TRUE(fromFresh.EnableModeChange);
}

TEST_F(MenuFile, FailedSaveReportsFalseAndLeavesNothing)
{
    menu.Title = "unsaved";
    const std::string before = test_files::ListFolder(folder.Root());

    const std::string missingFolder = folder.Path("no such folder") + "/autorun.INI";
    EXPECT_FALSE(menu.Save(missingFolder.c_str()));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("no such folder")));

    WriteFile(folder.Path("plain file"), "not a folder");
    const std::string underAFile = folder.Path("plain file") + "/autorun.INI";
    EXPECT_FALSE(menu.Save(underAFile.c_str()));
    EXPECT_EQ(ReadFile(folder.Path("plain file")), "not a folder");

    EXPECT_EQ(test_files::ListFolder(folder.Root()), before + "plain file\n");
    EXPECT_EQ(menu.Title, "unsaved");
}

} // namespace
