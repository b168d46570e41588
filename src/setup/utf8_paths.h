#pragma once
// Paths as the dialog keeps them, UTF-8 text, and back. On Windows a path's
// own narrow form is the ANSI code page, which cannot hold every name; the
// UTF-8 forms can. On Linux both directions copy the bytes unchanged.

#include <filesystem>
#include <string>
#include <string_view>

namespace aerolark {

// An empty path for text that is no valid UTF-8 where the system needs it to be.
std::filesystem::path PathFromUtf8(std::string_view text);
std::string Utf8FromPath(const std::filesystem::path& path);

}  // namespace aerolark
