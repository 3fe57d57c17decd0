// The fixed catalogue of texts the program composes at run time, in two languages.
#ifndef AUTORUN_CORE_TEXT_CATALOGUE_H
#define AUTORUN_CORE_TEXT_CATALOGUE_H

#include <string>

// Entry numbers of the catalogue; every language table has exactly these 36 entries.
enum TextId {
    TXT_LANGUAGE_NAME = 0,
    TXT_ABOUT_MENU_ITEM = 1,
    TXT_INI_MISSING = 2,
    TXT_MENU_TO_NORMAL = 3,
    TXT_MENU_TO_EDITOR = 4,
    TXT_SAVE_BEFORE_CLOSE = 5,
    TXT_SAVE_BEFORE_CLOSE_CAPTION = 6,
    TXT_INI_SAVE_ERROR = 7,
    TXT_INF_SAVE_ERROR = 8,
    TXT_ERROR_CAPTION = 9,
    TXT_NOTICE_CAPTION = 10,
    TXT_TEXT_TOO_LONG = 11,
    TXT_FIELD_NOTES = 12,
    TXT_FIELD_AUTHOR = 13,
    TXT_FIELD_BITMAP = 14,
    TXT_FIELD_WINDOW_TITLE = 15,
    TXT_FIELD_BUTTON = 16,
    TXT_FIELD_WINDOW = 17,
    TXT_FIELD_RUN = 18,
    TXT_FIELD_PARAMETERS = 19,
    TXT_FIELD_WAV = 20,
    TXT_FIELD_TOOL_TIP = 21,
    TXT_SAVE_INI_TITLE = 22,
    TXT_INI_FILTER = 23,
    TXT_INF_FILTER = 24,
    TXT_INI_NAME_WARNING = 25,
    TXT_INF_NAME_WARNING = 26,
    TXT_SAVE_INF_TITLE = 27,
    TXT_INF_DEFAULT_NAME = 28,
    TXT_EDITOR_HELP = 29,
    TXT_BTN_MAKE_INF = 30,
    TXT_BTN_EDIT_OTHER = 31,
    TXT_BTN_SAVE_IN_PLACE = 32,
    TXT_BTN_SAVE_AS = 33,
    TXT_BTN_TO_NORMAL = 34,
    TXT_EDITOR_TITLE = 35,
};

// Language numbers, as held in Menu::LanguageIndex.
enum Language { ENGLISH = 0, HICK = 1 };

const int LanguageCount = 2;
const int TextCount = 36;

// The constant text of entry id in the table of the given language (0 or 1).
const char* GetText(int language, TextId id);

// Replaces every "%s" in text by first, scanning left to right; the inserted text is not scanned again.
std::string ReplaceTokens(const std::string& text, const std::string& first);
// As above, then every "%c" of the whole result by second (so a "%c" that came in with first is replaced too).
std::string ReplaceTokens(const std::string& text, const std::string& first, const std::string& second);

#endif
