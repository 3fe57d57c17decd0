#include "core/module_path.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* exePath;
    const char* folder;
    const char* folderWithSeparator;
    const char* title;
    const char* profilePath;
};

const PathCase pathCases[] = {
    {"D:\\menu\\autorun.exe", "D:\\menu", "D:\\menu\\", "autorun", "D:\\menu\\autorun.INI"},
    // At the root of a drive the folder is the drive alone; the profile lies directly under the root.
    {"E:\\autorun.exe", "E:", "E:\\", "autorun", "E:\\autorun.INI"},
    // No backslash at all: no folder, the profile path is the bare file name.
    {"autorun.exe", "", "", "autorun", "autorun.INI"},
    // A renamed executable looks for a profile of its own name.
    {"D:\\disc\\menu.exe", "D:\\disc", "D:\\disc\\", "menu", "D:\\disc\\menu.INI"},
    // Only the last dot starts the extension; a name without one keeps all of it.
    {"F:\\my.disc\\start.menu.exe", "F:\\my.disc", "F:\\my.disc\\", "start.menu", "F:\\my.disc\\start.menu.INI"},
    {"F:\\tools\\menu", "F:\\tools", "F:\\tools\\", "menu", "F:\\tools\\menu.INI"},
};

TEST(ModulePath, DerivesFolderTitleAndProfileFromTheExecutablePath)
{
    for (const PathCase& c : pathCases) {
        SCOPED_TRACE(c.exePath);
        EXPECT_EQ(ExecutableFolder(c.exePath), c.folder);
        EXPECT_EQ(ExecutableFolderWithSeparator(c.exePath), c.folderWithSeparator);
        EXPECT_EQ(ExecutableTitle(c.exePath), c.title);
        EXPECT_EQ(ProfileFileName(c.exePath), std::string(c.title) + ".INI");
        EXPECT_EQ(ProfilePathFor(c.exePath), c.profilePath);
    }
}

TEST(ModulePath, RunningExecutableIsThisTestProgram)
{
    const std::string path = RunningExecutablePath();
    ASSERT_FALSE(path.empty());
    EXPECT_NE(path.find("core_tests"), std::string::npos) << path;
#ifdef _WIN32
    // Windows reports a full path with a drive and backslashes, so the folder rule finds the folder.
    EXPECT_EQ(path.substr(1, 2), ":\\") << path;
    EXPECT_EQ(ExecutableTitle(path), "core_tests");
    EXPECT_EQ(ProfilePathFor(path), ExecutableFolder(path) + "\\core_tests.INI");
#else
    EXPECT_EQ(path[0], '/') << path;
#endif
}

} // namespace
