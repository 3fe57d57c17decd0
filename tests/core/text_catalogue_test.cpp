#include "core/text_catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextCatalogue, LanguageNamesAndSharedTexts)
{
    EXPECT_STREQ(GetText(ENGLISH, TXT_LANGUAGE_NAME), "ENGLISH");
    EXPECT_STREQ(GetText(HICK, TXT_LANGUAGE_NAME), "HICK");
    for (int language : {ENGLISH, HICK}) {
        EXPECT_STREQ(GetText(language, TXT_ERROR_CAPTION), "ERROR");
        EXPECT_STREQ(GetText(language, TXT_NOTICE_CAPTION), "Notice");
        EXPECT_STREQ(GetText(language, TXT_SAVE_INI_TITLE), "Save INI File");
        EXPECT_STREQ(GetText(language, TXT_INF_DEFAULT_NAME), "AUTORUN.INF");
    }
}

TEST(TextCatalogue, EveryEntryExistsInBothLanguages)
{
    for (int language : {ENGLISH, HICK})
        for (int id = 0; id < TextCount; ++id)
            EXPECT_GT(std::string(GetText(language, static_cast<TextId>(id))).size(), 0u)
                << "language " << language << " entry " << id;
    EXPECT_EQ(TXT_EDITOR_TITLE, 35);
}

// Texts with control characters and tokens, where a slip in a single byte is easy to miss.
TEST(TextCatalogue, TextsWithControlCharactersAreExact)
{
    EXPECT_STREQ(GetText(ENGLISH, TXT_SAVE_BEFORE_CLOSE),
                 "The INI file data has been modified.\n"
                 "Would you like to save the INI file before closing?\n\n"
                 "Yes \t= Yes, I would like to save the file before closing\n"
                 "No \t= No, I do not want to save the file before closing\n"
                 "Cancel \t= Do not close at all");
    EXPECT_STREQ(GetText(ENGLISH, TXT_INI_MISSING),
                 "The file '%s' was not found.\nTrayvane requires this file to run in normal mode.\n"
                 "Would you like to run Trayvane in INI editor mode?");
    EXPECT_STREQ(GetText(HICK, TXT_INI_NAME_WARNING),
                 "Trayvane gotsta have the INI filename of '%s'\nAre ya sure you wanna use '%c' instead?");
    const std::string help = GetText(ENGLISH, TXT_EDITOR_HELP);
    EXPECT_EQ(help.substr(0, 40), "To edit a command button, \r\nclick on it.");
    EXPECT_EQ(help.substr(help.size() - 27), ",\r\nclick 'Make autorun.inf'");
    EXPECT_STREQ(GetText(ENGLISH, TXT_INI_FILTER), "INI Files (*.ini)|*.ini|All Files (*.*)|*.*|");
}

TEST(TextCatalogue, TokensAreReplacedAsPlainText)
{
    const std::string saveError = GetText(ENGLISH, TXT_INI_SAVE_ERROR);
    // A percent sign in the data is inserted as it is, and never read as a format.
    EXPECT_EQ(ReplaceTokens(saveError, "D:\\100%s\\%d.INI"), "ERROR Saving INI file:\n\nD:\\100%s\\%d.INI");
    EXPECT_EQ(ReplaceTokens("%s and %s", "x"), "x and x");
    EXPECT_EQ(ReplaceTokens("a%sb", ""), "ab");
    EXPECT_EQ(ReplaceTokens("100%% %d %", "x"), "100%% %d %");

    // "%s" first, then "%c" over the whole text, including a "%c" that came in with the first value.
    const std::string warning = GetText(ENGLISH, TXT_INI_NAME_WARNING);
    EXPECT_EQ(ReplaceTokens(warning, "A%cB", "MENU.INI"),
              "In order for Trayvane to run in normal mode, you must name the INI file 'AMENU.INIB'\n"
              "Do you wish to continue using 'MENU.INI' for the filename?");
    // A "%s" inside the second value stays.
    EXPECT_EQ(ReplaceTokens("%s/%c", "1", "%s"), "1/%s");
}

} // namespace
