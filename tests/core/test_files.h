// Small helpers for tests that work on real files: a private temporary folder and whole-file access.
#ifndef AUTORUN_TESTS_CORE_TEST_FILES_H
#define AUTORUN_TESTS_CORE_TEST_FILES_H

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <system_error>

namespace test_files {

// A fresh, empty folder that is removed with everything in it when the object goes.
class TempFolder {
public:
    TempFolder()
    {
        static std::atomic<unsigned> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        root_ = std::filesystem::temp_directory_path() /
                ("autorun-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(root_);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Full path of a name inside the folder, as the program would get it.
    std::string Path(const std::string& name) const { return (root_ / name).string(); }
    const std::filesystem::path& Root() const { return root_; }

private:
    std::filesystem::path root_;
};

inline void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Names of everything in a folder, to prove that a failed write left nothing behind.
inline std::string ListFolder(const std::filesystem::path& folder)
{
    std::set<std::string> sorted;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        sorted.insert(entry.path().filename().string());
    std::string names;
    for (const auto& name : sorted)
        names += name + "\n";
    return names;
}

} // namespace test_files

#endif
