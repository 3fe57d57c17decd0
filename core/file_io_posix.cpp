#include "core/file_io.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace file_io {

namespace {

bool WriteAllTo(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The folder part of a path with its trailing slash; empty for a bare file name.
std::string FolderPrefix(const std::string& path)
{
    const std::string::size_type slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// So that the rename itself survives a power cut. Best effort: not every file system allows it.
void SyncFolder(const std::string& prefix)
{
    const int fd = open(prefix.empty() ? "." : prefix.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

bool ReadAll(const char* path, std::string& bytes)
{
    if (path == nullptr)
        return false;
    int fd;
    do
        fd = open(path, O_RDONLY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    bool ok = false;
    try {
        struct stat info;
        if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
            // One more byte than the size, so that the end shows without growing; a growing file still reads whole.
            std::string data(static_cast<std::size_t>(info.st_size) + 1, '\0');
            std::size_t used = 0;
            for (;;) {
                if (used == data.size())
                    data.resize(data.size() * 2);
                const ssize_t n = read(fd, &data[used], data.size() - used);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n < 0)
                    break;
                if (n == 0) {
                    data.resize(used);
                    bytes.swap(data);
                    ok = true;
                    break;
                }
                used += static_cast<std::size_t>(n);
            }
        }
    } catch (...) {
        ok = false;
    }
    close(fd);
    return ok;
}

bool Exists(const char* path)
{
    struct stat info;
    return path != nullptr && stat(path, &info) == 0;
}

bool ReplaceAtomically(const char* path, const std::string& bytes)
{
    if (path == nullptr || *path == '\0')
        return false;
    struct stat info;
    bool existed = false;
    if (stat(path, &info) == 0) {
        if (S_ISDIR(info.st_mode) || access(path, W_OK) != 0)
            return false;
        existed = true;
    } else if (errno != ENOENT) {
        return false;   // e.g. a "folder" on the way that is a file
    }

    static std::atomic<unsigned> counter{0};
    const std::string prefix = FolderPrefix(path);
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = prefix + ".~pp" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST && errno != EINTR)
            return false;
    }
    if (fd < 0)
        return false;

    bool ok = WriteAllTo(fd, bytes);
    if (ok && existed)
        ok = fchmod(fd, info.st_mode & 07777) == 0;
    if (ok)
        ok = fsync(fd) == 0;
    if (close(fd) != 0)
        ok = false;
    if (ok)
        ok = std::rename(temp.c_str(), path) == 0;
    if (!ok) {
        unlink(temp.c_str());
        return false;
    }
    SyncFolder(prefix);
    return true;
}

} // namespace file_io
