// Where the running executable lies, and the names the program derives from that path.
// The rules work on the path text as Windows reports it: the folder ends at the last backslash.
#ifndef AUTORUN_CORE_MODULE_PATH_H
#define AUTORUN_CORE_MODULE_PATH_H

#include <string>

// Full path of the running executable file (not of the starting directory).
std::string RunningExecutablePath();

// The folder without its trailing backslash ("E:" for E:\autorun.exe); empty when there is no backslash.
std::string ExecutableFolder(const std::string& exePath);
// The folder with its trailing backslash ("E:\" for E:\autorun.exe); empty when there is no backslash.
std::string ExecutableFolderWithSeparator(const std::string& exePath);
// The file name without folder and extension ("autorun"): the application name used in captions.
std::string ExecutableTitle(const std::string& exePath);
// The profile's file name: the title followed by ".INI" ("autorun.INI").
std::string ProfileFileName(const std::string& exePath);
// The profile's full path: the folder with its backslash followed by the profile's file name.
std::string ProfilePathFor(const std::string& exePath);

#endif
