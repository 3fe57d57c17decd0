// Searching the file system for a name or a pattern with wildcards, relative to the current folder.
#ifndef AUTORUN_WIN32_FILE_FIND_H
#define AUTORUN_WIN32_FILE_FIND_H

#include <windows.h>

#include <string>

class CFileFind {
public:
    CFileFind() = default;
    ~CFileFind() { Close(); }
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts a search; true when at least one file or folder matches the pattern.
    bool FindFile(const std::string& pattern);
    // Makes the next match current (the first one after FindFile); false when it was the last.
    bool FindNextFile();
    // Full path of the pattern's folder, without a trailing separator ("C:\disc\programs").
    std::string GetRoot() const { return m_root; }
    // The folder, a backslash (unless the folder already ends in one) and the current match's name.
    std::string GetFilePath() const;
    std::string GetFileName() const { return m_current.cFileName; }
    void Close();

private:
    HANDLE m_hFind = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA m_next{};
    WIN32_FIND_DATAA m_current{};
    bool m_bHaveNext = false;
    std::string m_root;
};

#endif
