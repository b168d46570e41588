#pragma once
// Text is UTF-8 inside the program and UTF-16 where Windows keeps it (the
// registry, window titles, paths). The conversion loses nothing either way:
// UTF-16 that is not well formed (a lone surrogate, as Windows allows in
// names and values) is carried through as its three-byte form, the way
// WTF-8 does, and converts back to the same unit.

#include <optional>
#include <string>
#include <string_view>

namespace aerolark {

// Every UTF-16 text has exactly one such form.
std::string Utf8FromUtf16(std::u16string_view text);
// Nothing when the bytes are neither UTF-8 nor the form above of a lone
// surrogate (a stray byte, a cut sequence, an overlong form): such text
// cannot be stored without changing it, so the caller refuses it.
std::optional<std::u16string> Utf16FromUtf8(std::string_view text);

}  // namespace aerolark
