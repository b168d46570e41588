#include "settings/ini_document.h"

#include "settings/conversions.h"

namespace aerolark {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsControl(char c) {
  auto u = static_cast<unsigned char>(c);
  return u < 0x20 || u == 0x7f;
}

bool NeedsQuotes(std::string_view value) {
  if (value.empty()) return false;
  if (IsBlank(value.front()) || IsBlank(value.back()) || value.front() == '"') return true;
  for (char c : value) {
    if (c == '\\' || IsControl(c)) return true;
  }
  return false;
}

// Decodes a quoted value starting at text[0] == '"'; nothing when the quotes
// do not close or text follows the closing quote.
std::optional<std::string> DecodeQuoted(std::string_view text) {
  std::string out;
  for (std::size_t i = 1; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"') {
      if (!Trim(text.substr(i + 1)).empty()) return std::nullopt;
      return out;
    }
    if (c == '\\' && i + 1 < text.size()) {
      char e = text[++i];
      switch (e) {
        case 'n': out.push_back('\n'); break;
        case 'r': out.push_back('\r'); break;
        case 't': out.push_back('\t'); break;
        default: out.push_back(e); break;  // \\ and \" and anything else literally
      }
      continue;
    }
    out.push_back(c);
  }
  return std::nullopt;
}

}  // namespace

std::string EncodeValue(std::string_view value) {
  if (!NeedsQuotes(value)) return std::string(value);
  std::string out = "\"";
  for (char c : value) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: out.push_back(c); break;
    }
  }
  out.push_back('"');
  return out;
}

std::string DecodeValue(std::string_view text) {
  std::string_view trimmed = Trim(text);
  if (!trimmed.empty() && trimmed.front() == '"') {
    if (std::optional<std::string> quoted = DecodeQuoted(trimmed)) return *quoted;
  }
  return std::string(trimmed);
}

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  std::optional<std::size_t> currentSection;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

    Line line;
    line.raw = std::string(raw);
    std::string_view trimmed = Trim(raw);
    if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
      line.kind = Kind::Section;
      line.name = std::string(Trim(trimmed.substr(1, trimmed.size() - 2)));
      currentSection = doc.lines_.size();
    } else if (std::size_t eq = raw.find('='); currentSection && eq != std::string_view::npos &&
                                               !Trim(raw.substr(0, eq)).empty() &&
                                               trimmed.front() != ';' && trimmed.front() != '#') {
      line.kind = Kind::Entry;
      line.name = std::string(Trim(raw.substr(0, eq)));
      line.value = DecodeValue(raw.substr(eq + 1));
      line.section = *currentSection;
    }
    doc.lines_.push_back(std::move(line));
  }
  return doc;
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Kind::Section && EqualsIgnoringCase(lines_[i].name, section)) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindEntry(std::size_t sectionLine,
                                                  std::string_view key) const {
  // A section may appear more than once in a hand-edited file; every line
  // under a header of the same name belongs to it.
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == Kind::Entry &&
        EqualsIgnoringCase(lines_[line.section].name, lines_[sectionLine].name) &&
        EqualsIgnoringCase(line.name, key)) {
      return i;
    }
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::Find(std::string_view section,
                                             std::string_view key) const {
  std::optional<std::size_t> sectionLine = FindSection(section);
  if (!sectionLine) return std::nullopt;
  std::optional<std::size_t> entry = FindEntry(*sectionLine, key);
  if (!entry) return std::nullopt;
  return lines_[*entry].value;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::optional<std::size_t> sectionLine = FindSection(section);
  if (!sectionLine) {
    Line header;
    header.kind = Kind::Section;
    header.name = std::string(section);
    header.raw = "[" + header.name + "]";
    lines_.push_back(header);
    sectionLine = lines_.size() - 1;
  }
  if (std::optional<std::size_t> entry = FindEntry(*sectionLine, key)) {
    lines_[*entry].value = std::string(value);
    lines_[*entry].modified = true;
    return;
  }
  // After the last entry of the section, so related keys stay together.
  std::size_t insertAt = *sectionLine + 1;
  for (std::size_t i = *sectionLine + 1; i < lines_.size(); ++i) {
    if (lines_[i].kind == Kind::Section) break;
    if (lines_[i].kind == Kind::Entry) insertAt = i + 1;
  }
  Line entry;
  entry.kind = Kind::Entry;
  entry.name = std::string(key);
  entry.value = std::string(value);
  entry.section = *sectionLine;
  entry.modified = true;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
  for (Line& line : lines_) {
    if (line.kind == Kind::Entry && line.section >= insertAt) ++line.section;
  }
}

std::string IniDocument::Serialize() const {
  std::string out;
  for (const Line& line : lines_) {
    if (line.modified) {
      out += line.name + "=" + EncodeValue(line.value);
    } else {
      out += line.raw;
      // The parser took one carriage return off before the line feed; a kept
      // line that still ends in one gets it back, or "[System]\r\r\n" would
      // read as a section header next time and move the keys below it.
      if (!line.raw.empty() && line.raw.back() == '\r') out.push_back('\r');
    }
    out.push_back('\n');
  }
  return out;
}

}  // namespace aerolark
