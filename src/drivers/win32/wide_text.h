#pragma once
// Text is UTF-8 inside the program and UTF-16 at the Windows API.

#include <string>
#include <string_view>

namespace aerolark {

// Invalid UTF-8 sequences become U+FFFD.
std::wstring WideFromUtf8(std::string_view text);

}  // namespace aerolark
