#include "win32/file_find.h"

#include <vector>

bool CFileFind::FindFile(const std::string& pattern)
{
    Close();
    m_hFind = ::FindFirstFileA(pattern.c_str(), &m_next);
    if (m_hFind == INVALID_HANDLE_VALUE)
        return false;
    m_bHaveNext = true;

    // The root is the full path of the pattern's folder part.
    std::vector<char> full(MAX_PATH);
    DWORD n = ::GetFullPathNameA(pattern.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (n >= full.size()) {
        full.resize(n + 1);
        n = ::GetFullPathNameA(pattern.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    m_root.assign(full.data(), n < full.size() ? n : 0);
    const std::string::size_type separator = m_root.find_last_of("\\/");
    if (separator != std::string::npos)
        m_root.erase(separator);
    // A drive's root keeps no separator either: "E:" and the file path adds it back.
    return true;
}

bool CFileFind::FindNextFile()
{
    if (!m_bHaveNext)
        return false;
    m_current = m_next;
    m_bHaveNext = ::FindNextFileA(m_hFind, &m_next) != FALSE;
    return m_bHaveNext;
}

std::string CFileFind::GetFilePath() const
{
    std::string path = m_root;
    if (path.empty() || (path.back() != '\\' && path.back() != '/'))
        path += '\\';
    return path + m_current.cFileName;
}

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE) {
        ::FindClose(m_hFind);
        m_hFind = INVALID_HANDLE_VALUE;
    }
    m_bHaveNext = false;
}
