#include "setup/utf8_paths.h"

#include <system_error>

namespace aerolark {

std::filesystem::path PathFromUtf8(std::string_view text) {
  try {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
  } catch (const std::system_error&) {
    return {};
  }
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace aerolark
