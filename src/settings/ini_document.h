#pragma once
// The text of the settings file, parsed into lines that can be rewritten
// without losing anything: lines the parser does not understand are kept as
// they are, and a rewrite changes only the line of the key written.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aerolark {

class IniDocument {
 public:
  static IniDocument Parse(std::string_view text);

  // The value of `key` in `section` (names without regard to case).
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  // Replaces the value, keeping the key's spelling already in the file;
  // adds the key (and the section) when missing.
  void Set(std::string_view section, std::string_view key, std::string_view value);
  std::string Serialize() const;

 private:
  enum class Kind { Section, Entry, Other };
  struct Line {
    Kind kind = Kind::Other;
    std::string raw;      // the line as read, for lines kept verbatim
    std::string name;     // section or key name
    std::string value;    // decoded value of an entry
    std::size_t section = 0;  // index of the entry's section line
    bool modified = false;    // written since parsing: serialised from name and value
  };

  std::optional<std::size_t> FindSection(std::string_view section) const;
  std::optional<std::size_t> FindEntry(std::size_t sectionLine, std::string_view key) const;

  std::vector<Line> lines_;
};

// How one value is written so that it reads back identical.
std::string EncodeValue(std::string_view value);
// The value as read from the text after `=`.
std::string DecodeValue(std::string_view text);

}  // namespace aerolark
