// The few file operations the profile engine needs, one implementation per platform.
// Paths are 8-bit strings as the system takes them (the ANSI code page on Windows).
#ifndef AUTORUN_CORE_FILE_IO_H
#define AUTORUN_CORE_FILE_IO_H

#include <string>

namespace file_io {

// The whole file; false if it is missing, unreadable or a folder (bytes is then left alone).
bool ReadAll(const char* path, std::string& bytes);

// Whether something is at that path: a file or a folder.
bool Exists(const char* path);

// Puts bytes at path so that readers see either the old file or the new one, never a part: the bytes go to a
// new temporary file in the same folder, are flushed to the disk, and that file is renamed over the target.
// Returns false, leaving everything as it was, when the folder is missing, the target is a folder or cannot
// be written, or any step fails. Never creates a folder. An existing file keeps its permissions (attributes).
bool ReplaceAtomically(const char* path, const std::string& bytes);

} // namespace file_io

#endif
