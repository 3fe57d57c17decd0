// The profile contents in memory: the window-wide settings and the ten command buttons.
#ifndef AUTORUN_CORE_MENU_H
#define AUTORUN_CORE_MENU_H

#include <memory>
#include <string>

// What the menu window does after a successful launch; index into WindowActionKeywords.
enum WindowActionValue { WA_DONOTHING = 0, WA_MINIMIZE = 1, WA_CLOSE = 2 };
// How a launched program's window is shown; index into WindowStateKeywords.
enum WindowStateValue {
    WS_DEFAULT = 0,
    WS_MINIMIZED = 1,
    WS_MAXIMIZED = 2,
    WS_RESTORED = 3,
    WS_NOACTIVATE = 4,
    WS_MINIMIZED_NOACTIVATE = 5
};

const int WindowActionCount = 3;
const int WindowStateCount = 6;
// The profile's keywords, indexed by the values above.
extern const char* const WindowActionKeywords[WindowActionCount];
extern const char* const WindowStateKeywords[WindowStateCount];

// Fixed profile texts.
extern const char* const MainSection;           // "Main"
extern const char* const ButtonSectionPrefix;   // "Button"
extern const char* const DefaultAboutButtonText;
extern const char* const DefaultCloseButtonText;
extern const char* const DefaultImageText;

// One command button.
struct MenuButton {
    std::string Title;
    std::string Run;
    std::string PlayWav;
    std::string Parameters;
    std::string ToolTipText;
    int WindowAction = WA_DONOTHING;
    int WindowState = WS_DEFAULT;
};

class Menu {
public:
    // Programming faults only; thrown by value and never caught.
    enum Exceptions { AllocationFailed = 0, IndexOutOfRange = 1 };

    Menu();
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // Entry index (0 to ButtonCount - 1) for reading and writing; throws IndexOutOfRange otherwise.
    MenuButton& GetButton(int index);

    // An empty text puts the default caption or fallback text in place.
    void SetAboutButtonText(const std::string& text);
    void SetCloseButtonText(const std::string& text);
    void SetImageText(const std::string& text);

    // Reads ProfilePath; false (and nothing changed) when no file or folder exists there.
    bool Load();
    // Writes every field to path, or to ProfilePath when path is null or empty; true only if every write succeeded.
    bool Save(const char* path = nullptr);

    std::unique_ptr<MenuButton[]> Buttons;
    int ButtonCount;
    std::string WavIntro;
    std::string WavClose;
    std::string WavAbout;
    std::string Title;
    std::string Author;
    std::string Notes;
    std::string BitmapPictureFile;
    std::string AboutButtonText;
    std::string CloseButtonText;
    std::string ImageText;
    std::string ProfilePath;
    bool EnableModeChange;
    bool FitImage;
    int LanguageIndex;

private:
    void LoadButtons();
    bool SaveButtons(const char* path);
};

#endif
