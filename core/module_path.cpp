#include "core/module_path.h"

namespace {

std::string::size_type LastBackslash(const std::string& path)
{
    return path.rfind('\\');
}

std::string FileName(const std::string& path)
{
    std::string::size_type slash = LastBackslash(path);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::string ExecutableFolder(const std::string& exePath)
{
    std::string::size_type slash = LastBackslash(exePath);
    return slash == std::string::npos ? std::string() : exePath.substr(0, slash);
}

std::string ExecutableFolderWithSeparator(const std::string& exePath)
{
    std::string::size_type slash = LastBackslash(exePath);
    return slash == std::string::npos ? std::string() : exePath.substr(0, slash + 1);
}

std::string ExecutableTitle(const std::string& exePath)
{
    std::string name = FileName(exePath);
    std::string::size_type dot = name.rfind('.');
    // A dot inside a POSIX folder name (native builds report /a/b.d/prog) is not an extension.
    if (dot != std::string::npos && name.find('/', dot) == std::string::npos)
        name.erase(dot);
    return name;
}

std::string ProfileFileName(const std::string& exePath)
{
    return ExecutableTitle(exePath) + ".INI";
}

std::string ProfilePathFor(const std::string& exePath)
{
    return ExecutableFolderWithSeparator(exePath) + ProfileFileName(exePath);
}
