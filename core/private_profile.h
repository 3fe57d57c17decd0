// Reads and writes profiles: INI files of [Section] lines and key=value lines, often written by hand.
// The same rules hold on every platform; no system profile function is used.
//
// Reading: blanks (spaces, tabs) around section names, key names and values are ignored; one pair of
// matching quotes around a whole value is removed; a line whose first non-blank character is ';' is a
// comment; names match without regard to ASCII letter case; the first of two equal sections or keys wins.
// CRLF, LF and a lone CR all end a line; a UTF-8 byte-order mark at the start is skipped.
//
// Writing: only the line of the key changes (or one line, or one section, is added); every other byte
// of the file stays as it was. The file is replaced as a whole, so an interrupted save never leaves a
// half-written profile behind.
#ifndef AUTORUN_CORE_PRIVATE_PROFILE_H
#define AUTORUN_CORE_PRIVATE_PROFILE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace private_profile {

// Copies the value of key in section of the file at path into buffer: at most size-1 characters, then a NUL.
// When the file, the section or the key is missing, copies defaultValue (null = "") the same way.
// Returns the count of characters copied (not counting the NUL). buffer null or size 0: copies nothing, returns 0.
// Null section or key: treated as missing (default).
unsigned GetString(const char* section, const char* key, const char* defaultValue, char* buffer, unsigned size,
                   const char* path);

// Sets key in section to value (null value = ""), creating file/section/key as needed. Returns false on failure;
// on failure nothing on disk changed. Names the file cannot hold (see CanWrite) are a failure.
bool WriteString(const char* section, const char* key, const char* value, const char* path);

// While an object of this class lives, GetString on that same path (the same text) parses the file once, at
// first use, and serves every later GetString from that snapshot; a WriteString to that path drops the
// snapshot. Without one, every GetString reads the file afresh. Objects for the same path may nest.
class ScopedReader {
public:
    explicit ScopedReader(const char* path);
    ~ScopedReader();
    ScopedReader(const ScopedReader&) = delete;
    ScopedReader& operator=(const ScopedReader&) = delete;

private:
    std::string path_;
    bool registered_ = false;
};

// ---- The in-memory layer ----

// The value of key in section of a profile's bytes, as GetString reads it; false when missing.
// Blanks around the two names asked for are ignored, as they are in the file.
bool FindValue(std::string_view fileBytes, std::string_view section, std::string_view key, std::string& value);

// The profile's bytes with key in section set to value, as WriteString writes them. CR and LF in value become
// spaces (they would break the line). Returns the bytes unchanged when CanWrite(section, key) is false.
std::string WithValue(std::string_view fileBytes, std::string_view section, std::string_view key,
                      std::string_view value);

// Whether a section and key name (blanks around them ignored) can be written so that they read back: neither
// holds CR or LF, the section holds no ']', and the key holds no '=' and starts with neither '[' nor ';'.
bool CanWrite(std::string_view section, std::string_view key);

// A parsed profile for many look-ups: the bytes and where the first section of each name lies, so that a
// look-up reads only the lines of its own section. Gives the same answers as FindValue.
class Index {
public:
    Index() = default;
    explicit Index(std::string fileBytes);
    bool Find(std::string_view section, std::string_view key, std::string& value) const;

private:
    struct Section {
        std::size_t line;      // offset of the section line
        std::uint32_t hash;    // of the case-folded name
    };
    std::string_view NameOf(std::size_t section) const;

    std::string bytes_;
    std::vector<Section> sections_;      // every section line, in file order
    std::vector<std::uint32_t> slots_;   // hash table of the first section of each name: 0 = free, else position + 1
};

} // namespace private_profile

#endif
