// probe.exe: the demo disc's small program to open, and the target of the launch tests.
//
// It shows no window. Each start appends one line to probe.log in the probe's own folder and exits:
//
//   cwd=<current directory>|cmdline=<full command line>|wShowWindow=<n>|STARTF_USESHOWWINDOW=<yes|no>
//
// The fields are separated by '|' (a character no path and no argument of ours contains), the line ends
// with CRLF. The file is opened for appending only, so several probes started at once each add a whole
// line.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string ExecutableFolder()
{
    char path[MAX_PATH * 4];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return ".";
    std::string folder(path, length);
    const std::string::size_type slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

std::string CurrentDirectory()
{
    char path[MAX_PATH * 4];
    const DWORD length = ::GetCurrentDirectoryA(sizeof path, path);
    if (length == 0 || length >= sizeof path)
        return std::string();
    return std::string(path, length);
}

bool AppendLine(const std::string& file, const std::string& line)
{
    HANDLE handle = ::CreateFileA(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(handle, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ::CloseHandle(handle);
    return ok && written == line.size();
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    STARTUPINFOA startup;
    std::memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    ::GetStartupInfoA(&startup);

    const bool useShowWindow = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0;
    char show[64];
    std::snprintf(show, sizeof show, "|wShowWindow=%u|STARTF_USESHOWWINDOW=%s\r\n",
                  static_cast<unsigned>(startup.wShowWindow), useShowWindow ? "yes" : "no");

    const char* commandLine = ::GetCommandLineA();
    std::string line = "cwd=" + CurrentDirectory() + "|cmdline=" + (commandLine != nullptr ? commandLine : "") + show;
    return AppendLine(ExecutableFolder() + "\\probe.log", line) ? 0 : 1;
}
