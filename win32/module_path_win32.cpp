#include "core/module_path.h"

#include <windows.h>

#include <vector>

std::string RunningExecutablePath()
{
    // MAX_PATH covers the usual case; grow for the long paths Windows may report.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return std::string();
        if (n < buffer.size())
            return std::string(buffer.data(), n);
        if (buffer.size() >= 32768)
            return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}
