#pragma once
// Text at the Windows API: UTF-16 there, UTF-8 inside the program. The
// conversion is the settings store's own (settings/utf16.h), so a file name
// goes into the registry exactly as the chooser listed it, and a text read
// from there is shown as it is stored. No Windows header here.

#include <string>
#include <string_view>

namespace aerolark {

// Bytes that are no UTF-8 (a hand-edited value) are shown as U+FFFD; the
// dialog's logic keeps the stored bytes of a text shown that way.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace aerolark
