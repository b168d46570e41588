#pragma once
// Paths as the program keeps them (the settings, the trace, the install
// folder), UTF-8 text, and back. On Windows a path's own narrow form is the
// ANSI code page, which cannot hold every name; the UTF-8 forms can. On
// Linux both directions copy the bytes unchanged.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace aerolark {

// An empty path for text that is no valid UTF-8 where the system needs it to be.
inline std::filesystem::path PathFromUtf8(std::string_view text) {
  try {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
  } catch (const std::system_error&) {
    return {};
  }
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace aerolark
