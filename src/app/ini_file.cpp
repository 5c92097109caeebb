#include "app/ini_file.h"

#include <algorithm>

namespace vantrel {
namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::string_view kBlanks = " \t";
// Editors on some systems put this mark before the first line of a text file.
constexpr std::string_view kUtf8Bom = "\xef\xbb\xbf";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

char ToLowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b,
                              [](char x, char y) { return ToLowerAscii(x) == ToLowerAscii(y); });
}

// One line: its text is [begin, textEnd), its line end [textEnd, next).
struct Line {
    std::size_t begin;
    std::size_t textEnd;
    std::size_t next;
};

Line LineAt(std::string_view bytes, std::size_t begin) {
    std::size_t end = begin;
    while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r') ++end;
    std::size_t next = end;
    if (next < bytes.size()) next += bytes.substr(next, 2) == "\r\n" ? 2 : 1;
    return {begin, end, next};
}

// What a line means to a reader; valueBegin is the offset of a key's value within the line.
struct Entry {
    enum Kind { kSection, kKey, kOther } kind = kOther;
    std::string_view name;
    std::size_t valueBegin = 0;
};

Entry Classify(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == npos || text[first] == ';' || text[first] == '#') return {};
    if (text[first] == '[') {
        const std::size_t close = text.find(']', first);
        if (close == npos) return {};
        return {Entry::kSection, Trim(text.substr(first + 1, close - first - 1))};
    }
    const std::size_t equals = text.find('=');
    if (equals == npos) return {};
    return {Entry::kKey, Trim(text.substr(0, equals)), equals + 1};
}

}  // namespace

// Where a key is, or where it would go: insertAt lies just past the line end of the section's
// last key line, or of its header when it holds no keys.
struct IniFile::Place {
    bool sectionFound = false;
    std::size_t insertAt = 0;
    std::size_t valueBegin = npos;
    std::size_t valueEnd = npos;

    bool keyFound() const { return valueBegin != npos; }
};

IniFile::Place IniFile::Find(std::string_view section, std::string_view key) const {
    Place place;
    for (std::size_t pos = 0; pos < bytes_.size();) {
        const Line line = LineAt(bytes_, pos);
        pos = line.next;
        std::string_view text(bytes_.data() + line.begin, line.textEnd - line.begin);
        if (line.begin == 0 && text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
        const Entry entry = Classify(text);
        if (entry.kind == Entry::kSection) {
            if (place.sectionFound) break;  // later sections of the same name do not count
            place.sectionFound = EqualsIgnoringCase(entry.name, section);
            place.insertAt = line.next;
        } else if (entry.kind == Entry::kKey && place.sectionFound) {
            place.insertAt = line.next;
            if (EqualsIgnoringCase(entry.name, key)) {
                place.valueBegin = line.begin + entry.valueBegin;
                place.valueEnd = line.textEnd;
                break;
            }
        }
    }
    return place;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    const Place place = Find(section, key);
    if (!place.keyFound()) return std::nullopt;
    return bytes_.substr(place.valueBegin, place.valueEnd - place.valueBegin);
}

void IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    value = value.substr(0, value.find_first_of("\r\n"));
    const Place place = Find(section, key);
    if (place.keyFound()) {
        bytes_.replace(place.valueBegin, place.valueEnd - place.valueBegin, value);
        return;
    }
    const std::string_view lineEnd = NewLineEnd();
    std::string lines;
    if (!place.sectionFound) lines.append("[").append(section).append("]").append(lineEnd);
    lines.append(key).append("=").append(value).append(lineEnd);

    std::size_t at = place.sectionFound ? place.insertAt : bytes_.size();
    if (at == bytes_.size()) {
        EndLastLine();
        at = bytes_.size();
    }
    bytes_.insert(at, lines);
}

std::string_view IniFile::NewLineEnd() const {
    const std::size_t end = bytes_.find_first_of("\r\n");
    if (end != npos && bytes_.compare(end, 2, "\r\n") == 0) return "\r\n";
    return "\n";
}

void IniFile::EndLastLine() {
    if (!bytes_.empty() && bytes_.back() != '\n' && bytes_.back() != '\r') bytes_ += NewLineEnd();
}

}  // namespace vantrel
