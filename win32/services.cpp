#include "win32/services.h"

#include "core/module_path.h"

#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <vector>

namespace {

// The shell, the common dialogs and the sound library are loaded when first needed: most starts of the
// menu use none of them, and loading them up front costs start-up time.
template <typename Function>
Function Resolve(const char* library, const char* name)
{
    HMODULE module = ::LoadLibraryA(library);
    FARPROC proc = module ? ::GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(proc));
}

using GetSaveFileNameFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);

} // namespace

int Win32Services::MessageBox(HWND owner, const std::string& text, const char* caption, UINT type)
{
    const std::string appName = ExecutableTitle(ExecutablePath());
    return ::MessageBoxA(owner, text.c_str(), caption ? caption : appName.c_str(), type);
}

bool Win32Services::SaveFileDialog(HWND owner, const SaveFileRequest& request, SaveFileAnswer& answer)
{
    // The filter's fields are split by '|'; the dialog wants them split by NULs and ended by two.
    std::string filter = request.filter;
    for (char& c : filter)
        if (c == '|')
            c = '\0';
    filter.push_back('\0');
    filter.push_back('\0');

    std::vector<char> file(32768, '\0');
    request.fileName.copy(file.data(), file.size() - 1);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    ofn.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    ofn.Flags = request.flags | OFN_EXPLORER;
    static const auto getSaveFileName = Resolve<GetSaveFileNameFunction>("comdlg32.dll", "GetSaveFileNameA");
    if (getSaveFileName == nullptr || !getSaveFileName(&ofn))
        return false;
    answer.path = file.data();
    answer.fileName = answer.path.substr(ofn.nFileOffset < answer.path.size() ? ofn.nFileOffset : 0);
    return true;
}

INT_PTR Win32Services::ShellOpen(HWND owner, const char* verb, const std::string& file, const std::string& parameters,
                                 const std::string& directory, int showCommand)
{
    static const auto shellExecute = Resolve<ShellExecuteFunction>("shell32.dll", "ShellExecuteA");
    if (shellExecute == nullptr)
        return SE_ERR_DLLNOTFOUND;
    return reinterpret_cast<INT_PTR>(shellExecute(owner, verb, file.c_str(), parameters.c_str(),
                                                  directory.empty() ? nullptr : directory.c_str(), showCommand));
}

namespace {

void PlayWaveFile(const std::string& file, DWORD flags)
{
    static const auto playSound = Resolve<PlaySoundFunction>("winmm.dll", "PlaySoundA");
    if (!file.empty() && playSound != nullptr)
        playSound(file.c_str(), nullptr, SND_FILENAME | SND_NODEFAULT | flags);
}

} // namespace

void Win32Services::PlaySound(const std::string& file)
{
    PlayWaveFile(file, SND_ASYNC);
}

void Win32Services::PlaySoundToEnd(const std::string& file)
{
    PlayWaveFile(file, SND_SYNC);
}

std::string Win32Services::ExecutablePath()
{
    return RunningExecutablePath();
}
