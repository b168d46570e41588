#pragma once
// Text is UTF-8 inside the program and UTF-16 at the Windows API. Both
// directions are lossless for valid text; bytes that are no UTF-8 come out
// as U+FFFD (the logic keeps the stored bytes of a text shown that way).

#include <string>
#include <string_view>

namespace aerolark {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace aerolark
