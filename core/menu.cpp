#include "core/menu.h"

#include "core/file_io.h"
#include "core/module_path.h"
#include "core/private_profile.h"
#include "core/text_catalogue.h"

#include <new>
#include <vector>

const char* const WindowActionKeywords[WindowActionCount] = {"WA_DONOTHING", "WA_MINIMIZE", "WA_CLOSE"};
const char* const WindowStateKeywords[WindowStateCount] = {
    "WS_DEFAULT", "WS_MINIMIZED", "WS_MAXIMIZED", "WS_RESTORED", "WS_NOACTIVATE", "WS_MINIMIZED_NOACTIVATE"};

const char* const MainSection = "Main";
const char* const ButtonSectionPrefix = "Button";
const char* const DefaultAboutButtonText = "&About";
const char* const DefaultCloseButtonText = "&Close";
const char* const DefaultImageText = "No image specified or unable to load image";

namespace {

const char* const YesWord = "YES";
const char* const NoWord = "NO";

// The button sections are always Button1 to Button10, whatever ButtonCount says.
const int ProfileButtonSections = 10;

// Read capacities, counting the terminating zero.
const unsigned TextCapacity = 255;
const unsigned PathCapacity = 260;
const unsigned WindowActionCapacity = 13;

std::string ReadValue(const char* section, const char* key, const char* defaultValue, unsigned capacity,
                      const std::string& path)
{
    std::vector<char> buffer(capacity);
    unsigned n = private_profile::GetString(section, key, defaultValue, buffer.data(), capacity, path.c_str());
    return std::string(buffer.data(), n);
}

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string UpperFirst(std::string text, std::string::size_type count)
{
    for (std::string::size_type i = 0; i < text.size() && i < count; ++i)
        text[i] = UpperAscii(text[i]);
    return text;
}

// Only "NO" (in any letter case) is false.
bool ReadFlag(const char* key, const char* defaultValue, const std::string& path)
{
    return UpperFirst(ReadValue(MainSection, key, defaultValue, TextCapacity, path), std::string::npos) != NoWord;
}

int KeywordIndex(const std::string& value, const char* const* keywords, int count)
{
    for (int i = 0; i < count; ++i)
        if (value == keywords[i])
            return i;
    return 0;
}

std::string ButtonSection(int number)
{
    return ButtonSectionPrefix + std::to_string(number);
}

// A value outside its table (only a programming fault can cause one) is written as the table's first keyword.
const char* Keyword(const char* const* keywords, int count, int index)
{
    return (index >= 0 && index < count) ? keywords[index] : keywords[0];
}

const char* TargetOf(const char* path, const std::string& profilePath)
{
    return (path != nullptr && *path != '\0') ? path : profilePath.c_str();
}

} // namespace

Menu::Menu()
    : Buttons(new (std::nothrow) MenuButton[ProfileButtonSections]),
      ButtonCount(10),
      AboutButtonText(DefaultAboutButtonText),
      CloseButtonText(DefaultCloseButtonText),
      ImageText(DefaultImageText),
      EnableModeChange(true),
      FitImage(false),
      LanguageIndex(ENGLISH)
{
    if (!Buttons)
        throw AllocationFailed;
    ProfilePath = ProfilePathFor(RunningExecutablePath());
}

Menu::~Menu() = default;

MenuButton& Menu::GetButton(int index)
{
    if (static_cast<unsigned>(index) > static_cast<unsigned>(ButtonCount - 1))
        throw IndexOutOfRange;
    return Buttons[index];
}

void Menu::SetAboutButtonText(const std::string& text)
{
    AboutButtonText = text.empty() ? DefaultAboutButtonText : text;
}

void Menu::SetCloseButtonText(const std::string& text)
{
    CloseButtonText = text.empty() ? DefaultCloseButtonText : text;
}

void Menu::SetImageText(const std::string& text)
{
    ImageText = text.empty() ? DefaultImageText : text;
}

bool Menu::Load()
{
    if (!file_io::Exists(ProfilePath.c_str()))
        return false;

    // One parse of the file serves every key of this load.
    private_profile::ScopedReader reader(ProfilePath.c_str());

    LoadButtons();

    EnableModeChange = ReadFlag("EnableModeChange", YesWord, ProfilePath);
    FitImage = ReadFlag("FitImage", NoWord, ProfilePath);
    LanguageIndex = ENGLISH;

    SetImageText(ReadValue(MainSection, "ImageText", DefaultImageText, TextCapacity, ProfilePath));
    WavAbout = ReadValue(MainSection, "WavAbout", "", TextCapacity, ProfilePath);
    WavIntro = ReadValue(MainSection, "WavIntro", "", TextCapacity, ProfilePath);
    WavClose = ReadValue(MainSection, "WavClose", "", TextCapacity, ProfilePath);
    Title = ReadValue(MainSection, "Title", "", TextCapacity, ProfilePath);
    Author = ReadValue(MainSection, "Author", "", TextCapacity, ProfilePath);
    Notes = ReadValue(MainSection, "Notes", "", TextCapacity, ProfilePath);
    BitmapPictureFile = ReadValue(MainSection, "BitmapPictureFile", "", PathCapacity, ProfilePath);
    SetAboutButtonText(ReadValue(MainSection, "AboutButtonText", DefaultAboutButtonText, TextCapacity, ProfilePath));
    SetCloseButtonText(ReadValue(MainSection, "CloseButtonText", DefaultCloseButtonText, TextCapacity, ProfilePath));
    return true;
}

void Menu::LoadButtons()
{
    for (int number = 1; number <= ProfileButtonSections; ++number) {
        const std::string section = ButtonSection(number);
        const char* s = section.c_str();
        const int index = number - 1;

        GetButton(index).Title = ReadValue(s, "Title", "", TextCapacity, ProfilePath);
        GetButton(index).ToolTipText = ReadValue(s, "ToolTipText", "", TextCapacity, ProfilePath);
        GetButton(index).Run = ReadValue(s, "Run", "", PathCapacity, ProfilePath);
        GetButton(index).Parameters = ReadValue(s, "Parameters", "", PathCapacity, ProfilePath);
        GetButton(index).PlayWav = ReadValue(s, "PlayWav", "", PathCapacity, ProfilePath);

        // Only the first four characters of a window action are upper-cased ("wa_CLOSE" is WA_CLOSE,
        // "wa_close" is not); a window state is upper-cased whole.
        std::string action = UpperFirst(ReadValue(s, "WindowAction", "", WindowActionCapacity, ProfilePath), 4);
        GetButton(index).WindowAction = KeywordIndex(action, WindowActionKeywords, WindowActionCount);
        std::string state = UpperFirst(ReadValue(s, "WindowState", "", TextCapacity, ProfilePath), std::string::npos);
        GetButton(index).WindowState = KeywordIndex(state, WindowStateKeywords, WindowStateCount);
    }
}

bool Menu::Save(const char* path)
{
    const char* target = TargetOf(path, ProfilePath);
    const std::string language = GetText(LanguageIndex, TXT_LANGUAGE_NAME);
    const struct {
        const char* key;
        const std::string& value;
    } mainKeys[] = {
        {"WavAbout", WavAbout},
        {"Language", language},
        {"WavIntro", WavIntro},
        {"WavClose", WavClose},
        {"Title", Title},
        {"Author", Author},
        {"Notes", Notes},
        {"BitmapPictureFile", BitmapPictureFile},
        {"AboutButtonText", AboutButtonText},
        {"CloseButtonText", CloseButtonText},
    };
    for (const auto& entry : mainKeys)
        if (!private_profile::WriteString(MainSection, entry.key, entry.value.c_str(), target))
            return false;
    if (!private_profile::WriteString(MainSection, "FitImage", FitImage ? YesWord : NoWord, target))
        return false;
    if (!private_profile::WriteString(MainSection, "ImageText", ImageText.c_str(), target))
        return false;
    return SaveButtons(path);
}

bool Menu::SaveButtons(const char* path)
{
    const char* target = TargetOf(path, ProfilePath);
    bool ok = true;
    for (int number = 1; number <= ProfileButtonSections; ++number) {
        const MenuButton& button = GetButton(number - 1);
        if (!ok)
            continue;
        const std::string section = ButtonSection(number);
        const char* values[][2] = {
            {"Title", button.Title.c_str()},
            {"Run", button.Run.c_str()},
            {"Parameters", button.Parameters.c_str()},
            {"PlayWav", button.PlayWav.c_str()},
            {"WindowAction", Keyword(WindowActionKeywords, WindowActionCount, button.WindowAction)},
            {"WindowState", Keyword(WindowStateKeywords, WindowStateCount, button.WindowState)},
            {"ToolTipText", button.ToolTipText.c_str()},
        };
        for (const auto& entry : values) {
            if (!private_profile::WriteString(section.c_str(), entry[0], entry[1], target)) {
                ok = false;
                break;
            }
        }
    }
    return ok;
}
