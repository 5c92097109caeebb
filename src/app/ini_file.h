#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vantrel {

// An INI file held as its bytes, read and edited key by key like the platform's private-profile
// functions, so that an edit leaves every byte it does not touch as it was.
//
// Reading: "[section]" lines open a section, "key=value" lines give the value as the rest of the
// line after the first "=", untrimmed; blanks around section and key names do not count, and the
// names are compared without regard to ASCII case. Lines starting with ";" or "#" and anything
// else are kept but ignored, as is a UTF-8 byte order mark before the first line. Only the first
// section of a name counts, and in it the first key of a name. Lines may end in LF, CR LF or a
// lone CR, mixed; the last line may have no end at all.
//
// Writing: a rewritten line keeps its own line end. A new line ends in CR LF when the file's
// first line end is CR LF, otherwise in LF.
class IniFile {
  public:
    explicit IniFile(std::string bytes = {}) : bytes_(std::move(bytes)) {}

    const std::string& Bytes() const { return bytes_; }

    // The value of key in section, or nothing when either is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Updates the first occurrence of key in place, appends it at the end of its section when
    // missing, and appends the section at the end of the file when that is missing too. A value
    // is cut at its first line break, which could not be read back as part of it.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

  private:
    struct Place;
    Place Find(std::string_view section, std::string_view key) const;
    std::string_view NewLineEnd() const;
    void EndLastLine();

    std::string bytes_;
};

}  // namespace vantrel
