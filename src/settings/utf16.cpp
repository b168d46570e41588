#include "settings/utf16.h"

#include <cstdint>

namespace aerolark {
namespace {

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t code) {
  auto byte = [&out](std::uint32_t b) { out.push_back(static_cast<char>(b)); };
  if (code < 0x80) {
    byte(code);
  } else if (code < 0x800) {
    byte(0xC0 | (code >> 6));
    byte(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    byte(0xE0 | (code >> 12));
    byte(0x80 | ((code >> 6) & 0x3F));
    byte(0x80 | (code & 0x3F));
  } else {
    byte(0xF0 | (code >> 18));
    byte(0x80 | ((code >> 12) & 0x3F));
    byte(0x80 | ((code >> 6) & 0x3F));
    byte(0x80 | (code & 0x3F));
  }
}

// One code point (or lone surrogate) decoded from `text` at `at`, which moves
// past it; nothing for bytes that are not a shortest-form sequence.
std::optional<char32_t> DecodeOne(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  int length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2
               : lead >= 0xE0 && lead < 0xF0 ? 3 : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
  if (length == 0 || at + length > text.size()) return std::nullopt;
  char32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (next & 0x3F);
  }
  constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (length > 1 && (code < kShortest[length] || code > 0x10FFFF)) return std::nullopt;
  at += length;
  return code;
}

}  // namespace

std::string Utf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    AppendUtf8(out, unit);
  }
  return out;
}

std::optional<std::u16string> Utf16FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  bool afterHigh = false;  // the last unit was a lone high surrogate
  for (std::size_t at = 0; at < text.size();) {
    std::optional<char32_t> code = DecodeOne(text, at);
    if (!code) return std::nullopt;
    // A high then a low surrogate, each written alone, would read back as
    // one character: that text was never made by the conversion above.
    if (afterHigh && IsLowSurrogate(*code)) return std::nullopt;
    afterHigh = IsHighSurrogate(*code);
    if (*code >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((*code - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((*code - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(*code));
    }
  }
  return out;
}

}  // namespace aerolark
