#include "core/text_catalogue.h"

namespace {

const char* const Languages[LanguageCount][TextCount] = {
    {
        "ENGLISH", // 0 TXT_LANGUAGE_NAME
        "&About...", // 1 TXT_ABOUT_MENU_ITEM
        "The file '%s' was not found.\nTrayvane requires this file to run in normal mode.\nWould you like to run Trayvane in INI editor mode?", // 2 TXT_INI_MISSING
        "&To Normal Mode...", // 3 TXT_MENU_TO_NORMAL
        "&To Editor Mode...", // 4 TXT_MENU_TO_EDITOR
        "The INI file data has been modified.\nWould you like to save the INI file before closing?\n\nYes \t= Yes, I would like to save the file before closing\nNo \t= No, I do not want to save the file before closing\nCancel \t= Do not close at all", // 5 TXT_SAVE_BEFORE_CLOSE
        "Save before closing?", // 6 TXT_SAVE_BEFORE_CLOSE_CAPTION
        "ERROR Saving INI file:\n\n%s", // 7 TXT_INI_SAVE_ERROR
        "ERROR Saving INF file:\n\n%s", // 8 TXT_INF_SAVE_ERROR
        "ERROR", // 9 TXT_ERROR_CAPTION
        "Notice", // 10 TXT_NOTICE_CAPTION
        "The %s text length is limited to 255 characters. It will be truncated.", // 11 TXT_TEXT_TOO_LONG
        "notes", // 12 TXT_FIELD_NOTES
        "author", // 13 TXT_FIELD_AUTHOR
        "bitmap filename", // 14 TXT_FIELD_BITMAP
        "window title", // 15 TXT_FIELD_WINDOW_TITLE
        "button", // 16 TXT_FIELD_BUTTON
        "window", // 17 TXT_FIELD_WINDOW
        "run variable", // 18 TXT_FIELD_RUN
        "paramaters variable", // 19 TXT_FIELD_PARAMETERS
        "wavfilename variable", // 20 TXT_FIELD_WAV
        "tool tip", // 21 TXT_FIELD_TOOL_TIP
        "Save INI File", // 22 TXT_SAVE_INI_TITLE
        "INI Files (*.ini)|*.ini|All Files (*.*)|*.*|", // 23 TXT_INI_FILTER
        "INF Files (*.inf)|*.inf|All Files (*.*)|*.*|", // 24 TXT_INF_FILTER
        "In order for Trayvane to run in normal mode, you must name the INI file '%s'\nDo you wish to continue using '%c' for the filename?", // 25 TXT_INI_NAME_WARNING
        "In order for a CD to load the Autorun information, you must name the INF file '%s'\nDo you wish to continue using '%c' for the filename?", // 26 TXT_INF_NAME_WARNING
        "Save INF File", // 27 TXT_SAVE_INF_TITLE
        "AUTORUN.INF", // 28 TXT_INF_DEFAULT_NAME
        "To edit a command button, \r\nclick on it.\r\n\r\nTo change all other \r\ninformation, click the 'Edit\r\nOther' button.\r\n\r\nTo save your changes, click\r\non one of the 'Save'\r\nbuttons below.\r\n\r\nTo create an autorun.inf file,\r\nclick 'Make autorun.inf'", // 29 TXT_EDITOR_HELP
        "Make 'autorun.inf'...", // 30 TXT_BTN_MAKE_INF
        "Edit Other...", // 31 TXT_BTN_EDIT_OTHER
        "Save INI to current path", // 32 TXT_BTN_SAVE_IN_PLACE
        "Save INI as...", // 33 TXT_BTN_SAVE_AS
        "To Normal Mode", // 34 TXT_BTN_TO_NORMAL
        "Trayvane Editor", // 35 TXT_EDITOR_TITLE
    },
    {
        "HICK", // 0 TXT_LANGUAGE_NAME
        "&About this here program...", // 1 TXT_ABOUT_MENU_ITEM
        "The der' file '%s' done be gone.\nTrayvane's gota have this file fer runnin' in this here normal mode\nDo you wanna go to INI editor mode instead?", // 2 TXT_INI_MISSING
        "&Bust on over to normal mode, why dontcha?", // 3 TXT_MENU_TO_NORMAL
        "&Bust on over to editor mode, why dontcha?", // 4 TXT_MENU_TO_EDITOR
        "You done changed some INI stuff.\nDo you wanna save the INI now, before this here program done closes?\n\nYes \t= yeah i wanna save this here INI file before closin' this here program\nNo \t= Fergit it! don't save this here INI file before closin'\nCancel \t= wait a cotton pickin' minute! don't close at all", // 5 TXT_SAVE_BEFORE_CLOSE
        "Wanna save before closin'?", // 6 TXT_SAVE_BEFORE_CLOSE_CAPTION
        "This here program had a problem savin' to the followin' INI file:\n\n%s", // 7 TXT_INI_SAVE_ERROR
        "This here program had a problem savin' to the followin' INF file:\n\n%s", // 8 TXT_INF_SAVE_ERROR
        "ERROR", // 9 TXT_ERROR_CAPTION
        "Notice", // 10 TXT_NOTICE_CAPTION
        "The %s text length done be limited to 255 characters. It will be cut off at that many.", // 11 TXT_TEXT_TOO_LONG
        "notes", // 12 TXT_FIELD_NOTES
        "author", // 13 TXT_FIELD_AUTHOR
        "bitmap filename", // 14 TXT_FIELD_BITMAP
        "window title", // 15 TXT_FIELD_WINDOW_TITLE
        "button", // 16 TXT_FIELD_BUTTON
        "window", // 17 TXT_FIELD_WINDOW
        "run variable", // 18 TXT_FIELD_RUN
        "paramaters variable", // 19 TXT_FIELD_PARAMETERS
        "wavfilename variable", // 20 TXT_FIELD_WAV
        "tool tip", // 21 TXT_FIELD_TOOL_TIP
        "Save INI File", // 22 TXT_SAVE_INI_TITLE
        "INI Files (*.ini)|*.ini|All Files (*.*)|*.*|", // 23 TXT_INI_FILTER
        "INF Files (*.inf)|*.inf|All Files (*.*)|*.*|", // 24 TXT_INF_FILTER
        "Trayvane gotsta have the INI filename of '%s'\nAre ya sure you wanna use '%c' instead?", // 25 TXT_INI_NAME_WARNING
        "If you want a CD to done load a Trayvane info, you've got ta done call yer INF file '%s'\nare ye sure you wanna use '%c' instead?", // 26 TXT_INF_NAME_WARNING
        "Save INF File", // 27 TXT_SAVE_INF_TITLE
        "AUTORUN.INF", // 28 TXT_INF_DEFAULT_NAME
        "to done change a command button, \r\njust click on it.\r\n\r\nTo change all other \r\ninformation, click the 'Edit\r\nOther' button.\r\n\r\nTo save your changes, click\r\non one of the 'Save'\r\nbuttons below.\r\n\r\nTo create an autorun.inf file,\r\nclick 'Make autorun.inf'", // 29 TXT_EDITOR_HELP
        "Make a 'autorun.inf' file...", // 30 TXT_BTN_MAKE_INF
        "Edit other stuff...", // 31 TXT_BTN_EDIT_OTHER
        "Save INI hera", // 32 TXT_BTN_SAVE_IN_PLACE
        "I wanna save ini somewhere", // 33 TXT_BTN_SAVE_AS
        "Go 'ta Normal Mode!", // 34 TXT_BTN_TO_NORMAL
        "This Here Trayvane Editor", // 35 TXT_EDITOR_TITLE
    },
};

std::string ReplaceAll(const std::string& text, const char* token, const std::string& data)
{
    std::string result;
    result.reserve(text.size() + data.size());
    std::string::size_type from = 0;
    for (;;) {
        std::string::size_type at = text.find(token, from, 2);
        if (at == std::string::npos)
            break;
        result.append(text, from, at - from);
        result += data;
        from = at + 2;
    }
    result.append(text, from, std::string::npos);
    return result;
}

} // namespace

const char* GetText(int language, TextId id)
{
    // Callers always pass a valid pair; anything else falls back instead of reading outside the tables.
    if (language < 0 || language >= LanguageCount)
        language = ENGLISH;
    if (static_cast<int>(id) < 0 || static_cast<int>(id) >= TextCount)
        return "";
    return Languages[language][id];
}

std::string ReplaceTokens(const std::string& text, const std::string& first)
{
    return ReplaceAll(text, "%s", first);
}

std::string ReplaceTokens(const std::string& text, const std::string& first, const std::string& second)
{
    return ReplaceAll(ReplaceAll(text, "%s", first), "%c", second);
}
