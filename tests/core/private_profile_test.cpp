#include "core/private_profile.h"

#include "core/file_io.h"
#include "tests/core/test_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using test_files::ListFolder;
using test_files::ReadFile;
using test_files::TempFolder;
using test_files::WriteFile;

const std::optional<std::string> Missing = std::nullopt;
const char* const Default = "<default>";

// GetString into a roomy buffer, as a string (values may hold NUL bytes).
std::string Get(const char* section, const char* key, const std::string& path, const char* defaultValue = Default)
{
    std::vector<char> buffer(4096, '#');
    const unsigned n = private_profile::GetString(section, key, defaultValue, buffer.data(),
                                                  static_cast<unsigned>(buffer.size()), path.c_str());
    EXPECT_EQ(buffer[n], '\0');
    return std::string(buffer.data(), n);
}

std::optional<std::string> Find(std::string_view bytes, std::string_view section, std::string_view key)
{
    std::string value;
    if (!private_profile::FindValue(bytes, section, key, value))
        return std::nullopt;
    return value;
}

std::optional<std::string> FindIndexed(const std::string& bytes, std::string_view section, std::string_view key)
{
    std::string value;
    if (!private_profile::Index(bytes).Find(section, key, value))
        return std::nullopt;
    return value;
}

// ---- Reading ----

struct ReadCase {
    std::string text;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

const ReadCase ReadCases[] = {
    // Blanks around names and values
    {"[Main]\r\nTitle = My Disc\r\n", "Main", "Title", "My Disc"},
    {"[Main]\n\t Title\t=\t My Disc \t\n", "Main", "Title", "My Disc"},
    {"  [ Main ]  trailing text\nA=1\n", "Main", "A", "1"},
    {"[ Main\nA=1\n", "Main", "A", "1"},
    {"[Main junk\nA=1\n", "Main junk", "A", "1"},
    {"[My Disc]\nMy Key=1\n", "my disc", "MY KEY", "1"},
    {"[Main]\nA=1\n", " Main ", "\tA ", "1"},
    // Quotes
    {"[Main]\nA=\"My Disc\"\n", "Main", "A", "My Disc"},
    {"[Main]\nA= \" padded \" \n", "Main", "A", " padded "},
    {"[Main]\nA='x'\n", "Main", "A", "x"},
    {"[Main]\nA=\"x'\n", "Main", "A", "\"x'"},
    {"[Main]\nA=\"\n", "Main", "A", "\""},
    {"[Main]\nA=\"\"\n", "Main", "A", ""},
    {"[Main]\nA=\"\"x\"\"\n", "Main", "A", "\"x\""},
    {"[Main]\nA=say \"hi\"\n", "Main", "A", "say \"hi\""},
    // Comments, '=' and lines that are not keys
    {"[Main]\n;A=1\nA=2\n", "Main", "A", "2"},
    {"[Main]\n  ; A=1\n", "Main", "A", Missing},
    {"[Main]\n;A=1\n", "Main", ";A", Missing},
    {"[Other]\nA=0\n;[Main]\nA=1\n", "Main", "A", Missing},
    {"[Main]\nTitle=My Disc ; x\n", "Main", "Title", "My Disc ; x"},
    {"[Main]\nA=b=c\n", "Main", "A", "b=c"},
    {"[Main]\nA\nA=2\n", "Main", "A", "2"},
    {"[Main]\nA=\n", "Main", "A", ""},
    {"[Main]\nA=  \t\n", "Main", "A", ""},
    {"A=1\n[Main]\nB=2\n", "Main", "A", Missing},
    {"[Main]\n[Other]\nA=1\n", "Main", "A", Missing},
    // First one wins; a second section of the same name is not read
    {"[Main]\nA=1\na=2\n", "Main", "A", "1"},
    {"[Main]\nA=1\n[MAIN]\nA=2\nB=3\n", "Main", "A", "1"},
    {"[Main]\nA=1\n[MAIN]\nA=2\nB=3\n", "Main", "B", Missing},
    // Line breaks
    {"[Main]\rA=1\rB=2", "Main", "B", "2"},
    {"[Main]\r\nA=1\nB=2\rC=3", "Main", "C", "3"},
    {"[Main]\n\rA=1", "Main", "A", "1"},
    {"[Main]\r\n\r\nA=1", "Main", "A", "1"},
    {"[Main]\nA=1\r[Other]\nB=2", "Main", "B", Missing},
    // Byte-order mark: only at the very start
    {"\xEF\xBB\xBF[Main]\r\nA=1\r\n", "Main", "A", "1"},
    {"\n\xEF\xBB\xBF[Main]\nA=1\n", "Main", "A", Missing},
    // NUL is an ordinary byte
    {"[Main]\nA=x\0y\n\0\0\n\0B=1\nB=2\n"s, "Main", "A", "x\0y"s},
    {"[Main]\nA=x\0y\n\0\0\n\0B=1\nB=2\n"s, "Main", "B", "2"},
    // Nothing at all
    {"", "Main", "A", Missing},
    {"\xEF\xBB\xBF", "Main", "A", Missing},
};

// Every reading path must agree: the one-pass scan, the index, and GetString with and without a snapshot.
TEST(PrivateProfileRead, Rules)
{
    TempFolder folder;
    const std::string path = folder.Path("case.ini");
    for (const ReadCase& c : ReadCases) {
        SCOPED_TRACE(::testing::Message() << "text: " << ::testing::PrintToString(c.text) << " [" << c.section
                                          << "] " << c.key);
        EXPECT_EQ(Find(c.text, c.section, c.key), c.expected);
        EXPECT_EQ(FindIndexed(c.text, c.section, c.key), c.expected);

        WriteFile(path, c.text);
        const std::string expected = c.expected.value_or(Default);
        EXPECT_EQ(Get(c.section, c.key, path), expected);
        private_profile::ScopedReader reader(path.c_str());
        EXPECT_EQ(Get(c.section, c.key, path), expected);
        EXPECT_EQ(Get(c.section, c.key, path), expected);
    }
}

// Many sections, so that the index's hash table fills and collides; each name must still find its first section.
TEST(PrivateProfileRead, ManySections)
{
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "[S" + std::to_string(i) + "]\nK=" + std::to_string(i) + "\n";
    text += "[s17]\nK=late\nOnlyLate=1\n";
    const private_profile::Index index(text);
    for (int i = 0; i < 3000; i += 7) {
        std::string value;
        ASSERT_TRUE(index.Find("S" + std::to_string(i), "k", value)) << i;
        EXPECT_EQ(value, std::to_string(i));
    }
    std::string value;
    EXPECT_TRUE(index.Find("S17", "K", value));
    EXPECT_EQ(value, "17");
    EXPECT_FALSE(index.Find("S17", "OnlyLate", value));
    EXPECT_FALSE(index.Find("S3000", "K", value));
}

TEST(PrivateProfileRead, JunkAndHugeLinesDoNotHideLaterKeys)
{
    std::string junk;
    for (int c = 0; c < 256; ++c)
        junk += static_cast<char>(c);
    const std::string huge(1 << 20, 'x');
    const std::string text = "[Main]\n" + junk + "\nJunk=" + huge + "\n;" + huge + "\r\n" + huge + "\nA=1\n[" + huge +
                             "\nB=2\n[Next]\r" + junk + junk + "\rC=3";

    EXPECT_EQ(Find(text, "Main", "A"), "1");
    EXPECT_EQ(Find(text, "Next", "C"), "3");
    EXPECT_EQ(Find(text, huge, "B"), "2");
    EXPECT_EQ(FindIndexed(text, "Next", "C"), "3");
    EXPECT_EQ(FindIndexed(text, "Main", "Junk"), huge);

    TempFolder folder;
    const std::string path = folder.Path("junk.ini");
    WriteFile(path, text);
    private_profile::ScopedReader reader(path.c_str());
    EXPECT_EQ(Get("Main", "A", path), "1");
    EXPECT_EQ(Get("Next", "C", path), "3");
    EXPECT_EQ(Get("Main", "Junk", path), huge.substr(0, 4095));
}

TEST(PrivateProfileRead, BufferSizeLimits)
{
    TempFolder folder;
    const std::string path = folder.Path("limits.ini");
    WriteFile(path, "[Main]\nPlain=abcdef\nQuoted=\"abcdef\"\n");

    const struct {
        const char* key;
        unsigned size;
        const char* expected;
    } cases[] = {
        {"Plain", 7, "abcdef"},   // size-1 characters: all of it
        {"Plain", 6, "abcde"},
        {"Plain", 1, ""},
        {"Quoted", 7, "abcdef"},  // the limit counts the value without its quotes
        {"Quoted", 3, "ab"},
        {"Missing", 4, "def"},    // the default is cut the same way
        {"Missing", 9, "defaults"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.key << " size " << c.size);
        std::vector<char> buffer(c.size + 8, '#');
        const unsigned n = private_profile::GetString("Main", c.key, "defaults", buffer.data(), c.size, path.c_str());
        EXPECT_EQ(n, std::strlen(c.expected));
        EXPECT_STREQ(buffer.data(), c.expected);
        EXPECT_EQ(std::string(buffer.data() + c.size, 8), std::string(8, '#')) << "wrote past the buffer";
    }

    char buffer[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(private_profile::GetString("Main", "Plain", "d", buffer, 0, path.c_str()), 0u);
    EXPECT_EQ(std::string(buffer, 4), "####");
    EXPECT_EQ(private_profile::GetString("Main", "Plain", "d", nullptr, 10, path.c_str()), 0u);
}

TEST(PrivateProfileRead, DefaultsWhenAnythingIsMissing)
{
    TempFolder folder;
    const std::string file = folder.Path("profile.ini");
    WriteFile(file, "[Main]\nA=1\n");
    std::filesystem::create_directory(folder.Root() / "adir");
    const std::string dir = folder.Path("adir");
    const std::string nowhere = folder.Path("missing.ini");

    const struct {
        const std::string& path;
        const char* section;
        const char* key;
        const char* defaultValue;
        const char* expected;
    } cases[] = {
        {file, "Main", "A", "d", "1"},
        {nowhere, "Main", "A", "d", "d"},
        {dir, "Main", "A", "d", "d"},
        {file, "Other", "A", "d", "d"},
        {file, "Main", "B", "d", "d"},
        {file, nullptr, "A", "d", "d"},
        {file, "Main", nullptr, "d", "d"},
        {file, "Main", "B", nullptr, ""},
        {nowhere, "Main", "A", nullptr, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.path << " [" << (c.section ? c.section : "null") << "] "
                                          << (c.key ? c.key : "null"));
        EXPECT_EQ(Get(c.section, c.key, c.path, c.defaultValue), c.expected);
        private_profile::ScopedReader reader(c.path.c_str());
        EXPECT_EQ(Get(c.section, c.key, c.path, c.defaultValue), c.expected);
    }
}

TEST(PrivateProfileRead, WithoutReaderEveryCallSeesTheFileAsItIsNow)
{
    TempFolder folder;
    const std::string path = folder.Path("profile.ini");
    EXPECT_EQ(Get("Main", "A", path), Default);
    WriteFile(path, "[Main]\nA=1\n");
    EXPECT_EQ(Get("Main", "A", path), "1");
    WriteFile(path, "[Main]\nA=2\n");   // same size, same second
    EXPECT_EQ(Get("Main", "A", path), "2");
}

TEST(PrivateProfileRead, ReaderServesASnapshotUntilAWrite)
{
    TempFolder folder;
    const std::string path = folder.Path("profile.ini");
    const std::string other = folder.Path("other.ini");
    WriteFile(path, "[Main]\nA=1\n");
    WriteFile(other, "[Main]\nA=1\n");
    {
        private_profile::ScopedReader reader(path.c_str());
        EXPECT_EQ(Get("Main", "A", path), "1");
        {
            private_profile::ScopedReader nested(path.c_str());
        }
        WriteFile(path, "[Main]\nA=2\n");
        WriteFile(other, "[Main]\nA=2\n");
        EXPECT_EQ(Get("Main", "A", path), "1") << "the snapshot is kept while a reader lives";
        EXPECT_EQ(Get("Main", "A", other), "2") << "other paths are read afresh";

        ASSERT_TRUE(private_profile::WriteString("Main", "B", "3", path.c_str()));
        EXPECT_EQ(Get("Main", "B", path), "3");
        EXPECT_EQ(Get("Main", "A", path), "2");
    }
    WriteFile(path, "[Main]\nA=4\n");
    EXPECT_EQ(Get("Main", "A", path), "4");
}

TEST(PrivateProfileRead, ReaderOnAMissingFileSeesTheFileAWriteCreates)
{
    TempFolder folder;
    const std::string path = folder.Path("new.ini");
    private_profile::ScopedReader reader(path.c_str());
    EXPECT_EQ(Get("Main", "A", path), Default);
    ASSERT_TRUE(private_profile::WriteString("Main", "A", "1", path.c_str()));
    EXPECT_EQ(Get("Main", "A", path), "1");
}

// ---- Writing ----

struct WriteCase {
    const char* what;
    std::string before;
    const char* section;
    const char* key;
    std::string value;
    std::string after;
};

const WriteCase WriteCases[] = {
    {"new file", "", "Main", "Title", "My Disc", "[Main]\r\nTitle=My Disc\r\n"},
    {"replace keeps spelling and line break, drops indentation", "[Main]\n  TITLE  =  old  \r\nX=1",
     "main", "title", "new", "[Main]\nTITLE=new\r\nX=1"},
    {"replace the last line without a break", "[Main]\nA=1", "Main", "A", "2", "[Main]\nA=2"},
    {"replace the first of two keys", "[Main]\nA=1\nA=2\n", "Main", "A", "3", "[Main]\nA=3\nA=2\n"},
    {"values are written as given", "[Main]\nA=1\n", "Main", "A", " \"q\" ", "[Main]\nA= \"q\" \n"},
    {"empty value", "[Main]\nA=1\n", "Main", "A", "", "[Main]\nA=\n"},
    {"new key after the last key line", "[Main]\nA=1\njunk\n; closing note\n\n[B]\nx=y\n", "Main", "N", "2",
     "[Main]\nA=1\nN=2\njunk\n; closing note\n\n[B]\nx=y\n"},
    {"new key in the first of two sections", "[Main]\nA=1\n[MAIN]\nB=2\n", "Main", "B", "3",
     "[Main]\nA=1\nB=3\n[MAIN]\nB=2\n"},
    {"new key directly after a header without keys", "[Main]\r\n;A=1\r\n", "Main", "A", "2",
     "[Main]\r\nA=2\r\n;A=1\r\n"},
    {"new key takes the break of the line before it", "[A]\r\nk=v\n[B]\r\n", "A", "n", "1",
     "[A]\r\nk=v\nn=1\n[B]\r\n"},
    {"new key after a last line without a break", "[X]\nY=1\n[Main]\nA=1", "Main", "B", "2",
     "[X]\nY=1\n[Main]\nA=1\nB=2\n"},
    {"new key after a lone header", "[Main]", "Main", "A", "1", "[Main]\r\nA=1\r\n"},
    {"lone CR file", "[A]\rk=v\r", "A", "n", "1", "[A]\rk=v\rn=1\r"},
    {"key before any section is not the section's", "k=1\n[A]\n", "A", "k", "2", "k=1\n[A]\nk=2\n"},
    {"new section after a file without a final break", "[A]\nk=v", "B", "x", "y", "[A]\nk=v\n[B]\nx=y\n"},
    {"new section after a final break", "[A]\r\nk=v\r\n", "B", "x", "y", "[A]\r\nk=v\r\n[B]\r\nx=y\r\n"},
    {"new section in a file without any break", "; note", "A", "k", "v", "; note\r\n[A]\r\nk=v\r\n"},
    {"byte-order mark stays", "\xEF\xBB\xBF[A]\nk=v", "a", "K", "w", "\xEF\xBB\xBF[A]\nk=w"},
    {"file of only a byte-order mark", "\xEF\xBB\xBF", "A", "k", "v", "\xEF\xBB\xBF[A]\r\nk=v\r\n"},
    {"NUL bytes stay", "[A]\n\0x\nk=1\0\n"s, "A", "k", "2", "[A]\n\0x\nk=2\n"s},
    {"names are trimmed", "[A]\nk=1\n", " A\t", " k ", "2", "[A]\nk=2\n"},
    // A line break in the value would make lines of their own: here a section [B] that would end [A].
    {"CR and LF in a value become spaces", "[A]\nk=v\nz=1\n", "A", "k", "a\r\n[B]\nx", "[A]\nk=a  [B] x\nz=1\n"},
    // Names the file cannot hold: nothing changes.
    {"key with '='", "[A]\nk=v\n", "A", "k=x", "1", "[A]\nk=v\n"},
    {"key starting with '['", "[A]\nk=v\n", "A", "[k", "1", "[A]\nk=v\n"},
    {"key starting with ';'", "[A]\nk=v\n", "A", " ;k", "1", "[A]\nk=v\n"},
    {"key with LF", "[A]\nk=v\n", "A", "k\nx", "1", "[A]\nk=v\n"},
    {"section with ']'", "[A]\nk=v\n", "A]B", "k", "1", "[A]\nk=v\n"},
    {"section with CR", "[A]\nk=v\n", "A\r", "k", "1", "[A]\nk=v\n"},
};

TEST(PrivateProfileWrite, Rules)
{
    for (const WriteCase& c : WriteCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(private_profile::WithValue(c.before, c.section, c.key, c.value), c.after);
    }
}

TEST(PrivateProfileWrite, ValueWithLineBreaksReadsBackAsOneLine)
{
    const std::string after = private_profile::WithValue("[A]\nk=v\nz=1\n", "A", "k", "a\r\n[B]\nx");
    EXPECT_EQ(Find(after, "A", "k"), "a  [B] x");
    EXPECT_EQ(Find(after, "A", "z"), "1");
    EXPECT_EQ(Find(after, "B", "x"), Missing);
}

TEST(PrivateProfileWrite, NewFileHasExactBytes)
{
    TempFolder folder;
    const std::string path = folder.Path("new.ini");
    ASSERT_TRUE(private_profile::WriteString("A", "k", "v", path.c_str()));
    ASSERT_TRUE(private_profile::WriteString("B", "x", "y", path.c_str()));
    EXPECT_EQ(ReadFile(path), "[A]\r\nk=v\r\n[B]\r\nx=y\r\n");
    EXPECT_EQ(ListFolder(folder.Root()), "new.ini\n") << "no temporary file may stay behind";

    const std::string empty = folder.Path("empty.ini");
    WriteFile(empty, "");
    ASSERT_TRUE(private_profile::WriteString("A", "k", nullptr, empty.c_str()));
    EXPECT_EQ(ReadFile(empty), "[A]\r\nk=\r\n");
}

TEST(PrivateProfileWrite, HandWrittenFileKeepsEveryOtherByte)
{
    TempFolder folder;
    const std::string path = folder.Path("autorun.ini");
    WriteFile(path,
              "\xEF\xBB\xBF; made in Notepad\n"
              "\n"
              "[ main ]   ; the menu\n"
              "  title =  \"Old Disc\"\n"
              "Unknown=kept as is\t\n"
              "\n"
              "; buttons follow\n"
              "[Button1]\r\n"
              "Run=setup.exe\r\n"
              "[Extra]\n"
              "x = y");
    ASSERT_TRUE(private_profile::WriteString("Main", "Title", "New Disc", path.c_str()));
    ASSERT_TRUE(private_profile::WriteString("Main", "Author", "Me", path.c_str()));
    ASSERT_TRUE(private_profile::WriteString("Button1", "Title", "Install", path.c_str()));
    ASSERT_TRUE(private_profile::WriteString("Button2", "Run", "readme.txt", path.c_str()));
    EXPECT_EQ(ReadFile(path),
              "\xEF\xBB\xBF; made in Notepad\n"
              "\n"
              "[ main ]   ; the menu\n"
              "title=New Disc\n"
              "Unknown=kept as is\t\n"
              "Author=Me\n"
              "\n"
              "; buttons follow\n"
              "[Button1]\r\n"
              "Run=setup.exe\r\n"
              "Title=Install\r\n"
              "[Extra]\n"
              "x = y\n"
              "[Button2]\n"
              "Run=readme.txt\n");
    EXPECT_EQ(ListFolder(folder.Root()), "autorun.ini\n");
}

TEST(PrivateProfileWrite, FailedWritesChangeNothing)
{
    TempFolder folder;
    const std::string profile = folder.Path("profile.ini");
    const std::string original = "[Main]\r\nA=1\r\n";
    WriteFile(profile, original);
    WriteFile(folder.Path("afile"), "not a folder");
    std::filesystem::create_directory(folder.Root() / "adir");
    const std::string before = ListFolder(folder.Root());

    const struct {
        const char* what;
        std::string path;
        const char* section;
        const char* key;
    } cases[] = {
        {"missing folder", folder.Path("missing") + "/x.ini", "Main", "A"},
        {"folder is a file", folder.Path("afile") + "/x.ini", "Main", "A"},
        {"target is a folder", folder.Path("adir"), "Main", "A"},
        {"null section", profile, nullptr, "A"},
        {"null key", profile, "Main", nullptr},
        {"key the file cannot hold", profile, "Main", "A=B"},
        {"section the file cannot hold", profile, "Ma]in", "A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(private_profile::WriteString(c.section, c.key, "2", c.path.c_str()));
        if (c.path != profile) {
            EXPECT_FALSE(file_io::ReplaceAtomically(c.path.c_str(), "[Main]\r\nA=2\r\n"));
        }
        EXPECT_EQ(ListFolder(folder.Root()), before);
        EXPECT_EQ(ListFolder(folder.Root() / "adir"), "");
        EXPECT_EQ(ReadFile(profile), original);
        EXPECT_EQ(ReadFile(folder.Path("afile")), "not a folder");
    }
    EXPECT_FALSE(private_profile::WriteString("Main", "A", "2", nullptr));
}

#ifndef _WIN32
TEST(PrivateProfileWrite, ReplacementKeepsPermissions)
{
    namespace fs = std::filesystem;
    TempFolder folder;
    const std::string path = folder.Path("profile.ini");
    WriteFile(path, "[Main]\nA=1\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(private_profile::WriteString("Main", "A", "2", path.c_str()));
    EXPECT_EQ(ReadFile(path), "[Main]\nA=2\n");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
#endif

} // namespace
