#pragma once
// How much of a text a rasteriser draws, whatever its library: a bound on
// time and memory for a hand-edited message of any length, far beyond what
// any frame shows.

#include <cstddef>
#include <cstdint>
#include <string>

namespace aerolark {

// A rendered text larger than this is cut short.
constexpr std::int64_t kMaxTextPixels = 4 * 1024 * 1024;
// Longer texts are cut before measuring, which costs time per character: no
// frame shows more characters than this even at the smallest size.
constexpr std::size_t kMaxTextBytes = 2048;

// The longest prefix of `text` no longer than `bytes` that does not split a
// UTF-8 sequence.
inline std::string CutAtCharacter(const std::string& text, std::size_t bytes) {
  while (bytes > 0 && bytes < text.size() &&
         (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80) {
    --bytes;
  }
  return text.substr(0, bytes);
}

}  // namespace aerolark
