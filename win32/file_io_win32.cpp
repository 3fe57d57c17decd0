#include "core/file_io.h"

#include <windows.h>

#include <atomic>

namespace file_io {

namespace {

// The folder part of a path up to its last '\', '/' or drive colon; empty for a bare file name.
// In a double-byte code page a '\' byte may be the second byte of a character of the file name; the prefix then
// ends inside the file name, which still names a file in the same folder.
std::string FolderPrefix(const std::string& path)
{
    const std::string::size_type end = path.find_last_of("\\/:");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

bool WriteAllTo(HANDLE file, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t left = bytes.size() - done;
        const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

bool ReadAll(const char* path, std::string& bytes)
{
    if (path == nullptr)
        return false;
    // A folder cannot be opened this way, so it reads as missing.
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = false;
    try {
        LARGE_INTEGER size;
        if (GetFileSizeEx(file, &size) && size.QuadPart >= 0) {
            std::string data(static_cast<std::size_t>(size.QuadPart) + 1, '\0');
            std::size_t used = 0;
            for (;;) {
                if (used == data.size())
                    data.resize(data.size() * 2);
                const std::size_t left = data.size() - used;
                const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
                DWORD got = 0;
                if (!ReadFile(file, &data[used], chunk, &got, nullptr))
                    break;
                if (got == 0) {
                    data.resize(used);
                    bytes.swap(data);
                    ok = true;
                    break;
                }
                used += got;
            }
        }
    } catch (...) {
        ok = false;
    }
    CloseHandle(file);
    return ok;
}

bool Exists(const char* path)
{
    return path != nullptr && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool ReplaceAtomically(const char* path, const std::string& bytes)
{
    if (path == nullptr || *path == '\0')
        return false;
    // The replacement keeps the hidden, system and archive marks of the file it replaces.
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    const DWORD old = GetFileAttributesA(path);
    if (old != INVALID_FILE_ATTRIBUTES) {
        if (old & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
            return false;
        const DWORD kept = old & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
        if (kept != 0)
            attributes = kept;
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
        return false;   // a missing folder, a "folder" on the way that is a file, a bad name
    }

    static std::atomic<unsigned> counter{0};
    const std::string prefix = FolderPrefix(path);
    std::string temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temp = prefix + "~pp" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++) + ".tmp";
        file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
                return false;
        }
    }
    if (file == INVALID_HANDLE_VALUE)
        return false;

    bool ok = WriteAllTo(file, bytes) && FlushFileBuffers(file);
    if (!CloseHandle(file))
        ok = false;
    if (ok)
        ok = MoveFileExA(temp.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok) {
        DeleteFileA(temp.c_str());
        return false;
    }
    return true;
}

} // namespace file_io
