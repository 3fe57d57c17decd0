#include "core/private_profile.h"

#include "core/file_io.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <utility>

namespace private_profile {

namespace {

// ---- Lines ----

// One line of the bytes: its text is [begin, end), its line break [end, next) (empty on a last line without one).
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

// Splits bytes into lines from a start offset on. CRLF, LF and a lone CR each end a line.
// The next CR and LF are found with memchr and remembered, so the whole pass stays linear.
class LineReader {
public:
    LineReader(std::string_view bytes, std::size_t start) : bytes_(bytes), pos_(std::min(start, bytes.size()))
    {
        nextCr_ = Find('\r');
        nextLf_ = Find('\n');
    }

    bool Next(Line& line)
    {
        const std::size_t size = bytes_.size();
        if (pos_ >= size)
            return false;
        if (nextCr_ < pos_)
            nextCr_ = Find('\r');
        if (nextLf_ < pos_)
            nextLf_ = Find('\n');
        const std::size_t end = std::min(nextCr_, nextLf_);
        std::size_t next = end;
        if (end < size) {
            next = end + 1;
            if (bytes_[end] == '\r' && next < size && bytes_[next] == '\n')
                ++next;
        }
        line = Line{pos_, end, next};
        pos_ = next;
        return true;
    }

private:
    // The offset of the next c at or after pos_, or the size when there is none.
    std::size_t Find(char c) const
    {
        if (pos_ >= bytes_.size())
            return bytes_.size();
        const void* hit = std::memchr(bytes_.data() + pos_, c, bytes_.size() - pos_);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - bytes_.data()) : bytes_.size();
    }

    std::string_view bytes_;
    std::size_t pos_;
    // Offsets below pos_ are out of date; "none left" is the size, which never is.
    std::size_t nextCr_;
    std::size_t nextLf_;
};

std::string_view TextOf(std::string_view bytes, const Line& line)
{
    return bytes.substr(line.begin, line.end - line.begin);
}

// Lines start after a UTF-8 byte-order mark.
std::size_t BomSize(std::string_view bytes)
{
    return bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
}

// The first line break of the file; CRLF when it has none.
std::string_view FirstBreak(std::string_view bytes)
{
    LineReader reader(bytes, BomSize(bytes));
    Line line;
    while (reader.Next(line))
        if (line.next > line.end)
            return bytes.substr(line.end, line.next - line.end);
    return "\r\n";
}

// ---- Names and values ----

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsBreak(char c)
{
    return c == '\r' || c == '\n';
}

std::size_t SkipBlanks(std::string_view text, std::size_t i)
{
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return i;
}

std::string_view Trim(std::string_view text)
{
    std::size_t begin = SkipBlanks(text, 0);
    std::size_t end = text.size();
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// One pair of equal quotes around the whole (trimmed) value goes.
std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

char FoldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    return true;
}

std::uint32_t FoldedHash(std::string_view name)
{
    std::uint32_t hash = 2166136261u;
    for (char c : name) {
        hash ^= static_cast<unsigned char>(FoldCase(c));
        hash *= 16777619u;
    }
    return hash;
}

// A section line starts with '[' (after blanks); its name ends at the first ']' or at the line's end.
bool SectionLine(std::string_view text, std::string_view& name)
{
    const std::size_t i = SkipBlanks(text, 0);
    if (i == text.size() || text[i] != '[')
        return false;
    std::string_view rest = text.substr(i + 1);
    name = Trim(rest.substr(0, rest.find(']')));
    return true;
}

// A key line is neither a section nor a comment and holds a '='; the key is the text before the first '='.
// The value is returned as written, with its blanks.
bool KeyLine(std::string_view text, std::string_view& key, std::string_view& value)
{
    const std::size_t i = SkipBlanks(text, 0);
    if (i == text.size() || text[i] == '[' || text[i] == ';')
        return false;
    const std::size_t equals = text.find('=', i);
    if (equals == std::string_view::npos)
        return false;
    key = Trim(text.substr(i, equals - i));
    value = text.substr(equals + 1);
    return true;
}

std::string_view ReadValue(std::string_view written)
{
    return Unquote(Trim(written));
}

bool CanWriteTrimmed(std::string_view section, std::string_view key)
{
    const auto hasBreak = [](std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; };
    if (hasBreak(section) || section.find(']') != std::string_view::npos)
        return false;
    if (hasBreak(key) || key.find('=') != std::string_view::npos)
        return false;
    return key.empty() || (key.front() != '[' && key.front() != ';');
}

// ---- One pass over the bytes for a single look-up or change ----

struct Location {
    bool section = false;   // the first section of that name
    Line header{};
    bool key = false;       // the first line of that key in it
    Line keyLine{};
    std::string_view keyName;   // as the file spells it
    std::string_view value;     // as written
    bool anyKey = false;    // the last key line of the section, when the key is missing
    Line lastKey{};
};

Location Locate(std::string_view bytes, std::string_view section, std::string_view key)
{
    Location found;
    LineReader reader(bytes, BomSize(bytes));
    Line line;
    std::string_view name;
    while (reader.Next(line)) {
        if (SectionLine(TextOf(bytes, line), name) && SameName(name, section)) {
            found.section = true;
            found.header = line;
            break;
        }
    }
    if (!found.section)
        return found;
    std::string_view value;
    while (reader.Next(line)) {
        const std::string_view text = TextOf(bytes, line);
        if (SectionLine(text, name))
            break;
        if (!KeyLine(text, name, value))
            continue;
        if (SameName(name, key)) {
            found.key = true;
            found.keyLine = line;
            found.keyName = name;
            found.value = value;
            return found;
        }
        found.anyKey = true;
        found.lastKey = line;
    }
    return found;
}

// ---- Snapshots of ScopedReader ----
// Profiles are read and written on the program's one GUI thread only, so the snapshots need no lock.

struct Snapshot {
    unsigned readers = 0;
    bool loaded = false;
    bool present = false;
    Index index;
};

std::map<std::string, Snapshot, std::less<>>& Snapshots()
{
    static std::map<std::string, Snapshot, std::less<>> snapshots;
    return snapshots;
}

void DropSnapshot(const char* path)
{
    auto it = Snapshots().find(std::string_view(path));
    if (it != Snapshots().end()) {
        it->second.loaded = false;
        it->second.present = false;
        it->second.index = Index();
    }
}

bool Lookup(const char* path, std::string_view section, std::string_view key, std::string& value)
{
    {
        auto it = Snapshots().find(std::string_view(path));
        if (it != Snapshots().end()) {
            Snapshot& snapshot = it->second;
            if (!snapshot.loaded) {
                std::string bytes;
                snapshot.present = file_io::ReadAll(path, bytes);
                snapshot.index = Index(snapshot.present ? std::move(bytes) : std::string());
                snapshot.loaded = true;
            }
            return snapshot.present && snapshot.index.Find(section, key, value);
        }
    }
    std::string bytes;
    return file_io::ReadAll(path, bytes) && FindValue(bytes, section, key, value);
}

// A new "key=value" line with its line break.
void AppendKeyLine(std::string& out, std::string_view key, std::string_view value, std::string_view lineBreak)
{
    out.append(key);
    out += '=';
    out.append(value);
    out.append(lineBreak);
}

} // namespace

// ---- In memory ----

bool CanWrite(std::string_view section, std::string_view key)
{
    return CanWriteTrimmed(Trim(section), Trim(key));
}

bool FindValue(std::string_view fileBytes, std::string_view section, std::string_view key, std::string& value)
{
    const Location found = Locate(fileBytes, Trim(section), Trim(key));
    if (!found.key)
        return false;
    value.assign(ReadValue(found.value));
    return true;
}

std::string WithValue(std::string_view fileBytes, std::string_view section, std::string_view key,
                      std::string_view value)
{
    section = Trim(section);
    key = Trim(key);
    if (!CanWriteTrimmed(section, key))
        return std::string(fileBytes);

    // A line break in the value would end the line early and turn the rest into lines of their own.
    std::string written(value);
    std::replace_if(written.begin(), written.end(), IsBreak, ' ');

    const Location found = Locate(fileBytes, section, key);
    std::string out;
    out.reserve(fileBytes.size() + section.size() + key.size() + written.size() + 8);

    if (found.key) {
        // The line keeps its line break and the key its spelling; its indentation and old value go.
        out.append(fileBytes.substr(0, found.keyLine.begin));
        out.append(found.keyName);
        out += '=';
        out.append(written);
        out.append(fileBytes.substr(found.keyLine.end));
        return out;
    }

    if (found.section) {
        // After the section's last key line, so that comments and blank lines closing the section stay last.
        const Line& after = found.anyKey ? found.lastKey : found.header;
        if (after.next > after.end) {
            out.append(fileBytes.substr(0, after.next));
            AppendKeyLine(out, key, written, fileBytes.substr(after.end, after.next - after.end));
            out.append(fileBytes.substr(after.next));
        } else {
            // The line is the file's last and has no line break.
            const std::string_view lineBreak = FirstBreak(fileBytes);
            out.append(fileBytes);
            out.append(lineBreak);
            AppendKeyLine(out, key, written, lineBreak);
        }
        return out;
    }

    const std::string_view lineBreak = FirstBreak(fileBytes);
    out.append(fileBytes);
    if (fileBytes.size() > BomSize(fileBytes) && !IsBreak(fileBytes.back()))
        out.append(lineBreak);
    out += '[';
    out.append(section);
    out += ']';
    out.append(lineBreak);
    AppendKeyLine(out, key, written, lineBreak);
    return out;
}

// ---- Index ----

Index::Index(std::string fileBytes) : bytes_(std::move(fileBytes))
{
    const std::string_view bytes = bytes_;
    LineReader reader(bytes, BomSize(bytes));
    Line line;
    std::string_view name;
    while (reader.Next(line))
        if (SectionLine(TextOf(bytes, line), name))
            sections_.push_back(Section{line.begin, FoldedHash(name)});
    // Beyond what a slot can number, every look-up scans the bytes instead.
    if (sections_.empty() || sections_.size() >= 0xFFFFFFFFu)
        return;

    std::size_t slotCount = 16;
    while (slotCount < 2 * sections_.size())
        slotCount *= 2;
    slots_.assign(slotCount, 0);
    const std::size_t mask = slotCount - 1;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const std::uint32_t hash = sections_[i].hash;
        std::size_t slot = hash & mask;
        bool seen = false;
        for (; slots_[slot] != 0; slot = (slot + 1) & mask) {
            const std::size_t other = slots_[slot] - 1;
            if (sections_[other].hash == hash && SameName(NameOf(other), NameOf(i))) {
                seen = true;
                break;
            }
        }
        // A later section of the same name is never read.
        if (!seen)
            slots_[slot] = static_cast<std::uint32_t>(i + 1);
    }
}

std::string_view Index::NameOf(std::size_t section) const
{
    const std::string_view bytes = bytes_;
    const std::size_t begin = sections_[section].line;
    std::size_t end = begin;
    while (end < bytes.size() && !IsBreak(bytes[end]))
        ++end;
    std::string_view name;
    SectionLine(bytes.substr(begin, end - begin), name);
    return name;
}

bool Index::Find(std::string_view section, std::string_view key, std::string& value) const
{
    if (slots_.empty())
        return !sections_.empty() && FindValue(bytes_, section, key, value);
    section = Trim(section);
    const std::uint32_t hash = FoldedHash(section);
    const std::size_t mask = slots_.size() - 1;
    std::size_t found = sections_.size();
    for (std::size_t slot = hash & mask; slots_[slot] != 0 && found == sections_.size(); slot = (slot + 1) & mask) {
        const std::size_t candidate = slots_[slot] - 1;
        if (sections_[candidate].hash == hash && SameName(NameOf(candidate), section))
            found = candidate;
    }
    if (found == sections_.size())
        return false;

    // The section's lines run from the one after its header to the next section line.
    key = Trim(key);
    const std::size_t end = found + 1 < sections_.size() ? sections_[found + 1].line : bytes_.size();
    const std::string_view bytes = std::string_view(bytes_).substr(0, end);
    LineReader reader(bytes, sections_[found].line);
    Line line;
    reader.Next(line);   // the header
    std::string_view name;
    std::string_view written;
    while (reader.Next(line)) {
        if (KeyLine(TextOf(bytes, line), name, written) && SameName(name, key)) {
            value.assign(ReadValue(written));
            return true;
        }
    }
    return false;
}

// ---- Files ----

unsigned GetString(const char* section, const char* key, const char* defaultValue, char* buffer, unsigned size,
                   const char* path)
{
    if (buffer == nullptr || size == 0)
        return 0;
    std::string value;
    bool found = false;
    if (section != nullptr && key != nullptr && path != nullptr) {
        try {
            found = Lookup(path, section, key, value);
        } catch (...) {
            // Out of memory for a huge file: the file cannot be read, so it counts as missing.
            found = false;
        }
    }
    const char* source = defaultValue != nullptr ? defaultValue : "";
    std::size_t length = found ? value.size() : std::strlen(source);
    if (found)
        source = value.data();
    const std::size_t count = std::min<std::size_t>(length, size - 1);
    std::memmove(buffer, source, count);
    buffer[count] = '\0';
    return static_cast<unsigned>(count);
}

bool WriteString(const char* section, const char* key, const char* value, const char* path)
{
    if (section == nullptr || key == nullptr || path == nullptr || *path == '\0')
        return false;
    try {
        if (!CanWrite(section, key))
            return false;
        std::string bytes;
        const bool existed = file_io::ReadAll(path, bytes);
        // A file that is there but cannot be read (or a folder) must not be replaced by our single key.
        if (!existed && file_io::Exists(path))
            return false;
        const std::string updated = WithValue(bytes, section, key, value != nullptr ? value : "");
        const bool ok = (existed && updated == bytes) || file_io::ReplaceAtomically(path, updated);
        DropSnapshot(path);
        return ok;
    } catch (...) {
        return false;
    }
}

ScopedReader::ScopedReader(const char* path)
{
    if (path == nullptr)
        return;
    try {
        path_ = path;
        ++Snapshots()[path_].readers;
        registered_ = true;
    } catch (...) {
        // Without a snapshot every read goes to the file: slower, never wrong.
    }
}

ScopedReader::~ScopedReader()
{
    if (!registered_)
        return;
    auto it = Snapshots().find(path_);
    if (it != Snapshots().end() && --it->second.readers == 0)
        Snapshots().erase(it);
}

} // namespace private_profile
