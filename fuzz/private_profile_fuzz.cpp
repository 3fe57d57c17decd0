// Fuzzes the profile engine in memory. The input gives a section, key and value to write, a second section and
// key to look at, and then the file's bytes. Checked:
// - the one-pass reader and the index give the same answers;
// - after a write, the key reads back as the value the reader makes of it, and writing it again changes nothing;
// - no other key changes, and the write changes the file in one place only: a new key or section is a pure
//   insertion, a changed key changes the text of one line;
// - names the file cannot hold leave the bytes as they were.
#include "core/private_profile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b)
{
    const auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    a = Trim(a);
    b = Trim(b);
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return fold(x) == fold(y);
           });
}

// What the reader gives back for a value written as is.
std::string ReadBack(std::string value)
{
    std::replace(value.begin(), value.end(), '\r', ' ');
    std::replace(value.begin(), value.end(), '\n', ' ');
    std::string_view text = Trim(value);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
        text = text.substr(1, text.size() - 2);
    return std::string(text);
}

bool HasBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

std::optional<std::string> Find(std::string_view bytes, std::string_view section, std::string_view key)
{
    std::string value;
    if (!private_profile::FindValue(bytes, section, key, value))
        return std::nullopt;
    return value;
}

// Reads through both paths and insists that they agree.
std::optional<std::string> Read(const std::string& bytes, std::string_view section, std::string_view key)
{
    const std::optional<std::string> found = Find(bytes, section, key);
    std::string value;
    const bool indexed = private_profile::Index(bytes).Find(section, key, value);
    Require(indexed == found.has_value() && (!indexed || value == *found), "index and scan agree");
    return found;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(24);
    const std::string key = input.ConsumeRandomLengthString(24);
    const std::string value = input.ConsumeRandomLengthString(48);
    const std::string otherSection = input.ConsumeRandomLengthString(24);
    const std::string otherKey = input.ConsumeRandomLengthString(24);
    const std::string file = input.ConsumeRemainingBytesAsString();

    const std::optional<std::string> before = Read(file, section, key);
    const std::optional<std::string> otherBefore = Read(file, otherSection, otherKey);

    const std::string after = private_profile::WithValue(file, section, key, value);
    if (!private_profile::CanWrite(section, key)) {
        Require(after == file, "names the file cannot hold change nothing");
        return 0;
    }

    Require(Read(after, section, key) == ReadBack(value), "the written value reads back");
    Require(private_profile::WithValue(after, section, key, value) == after, "writing twice changes nothing more");
    if (!(SameName(section, otherSection) && SameName(key, otherKey)))
        Require(Read(after, otherSection, otherKey) == otherBefore, "other keys stay as they were");

    // The change is one splice: common head and tail around it.
    std::size_t head = 0;
    while (head < file.size() && head < after.size() && file[head] == after[head])
        ++head;
    std::size_t tail = 0;
    const std::size_t shorter = std::min(file.size(), after.size());
    while (tail < shorter - head && file[file.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const std::string_view removed = std::string_view(file).substr(head, file.size() - head - tail);
    const std::string_view inserted = std::string_view(after).substr(head, after.size() - head - tail);
    if (before)
        Require(!HasBreak(removed) && !HasBreak(inserted), "a changed key changes one line's text only");
    else
        Require(removed.empty(), "a new key or section only adds bytes");
    return 0;
}
