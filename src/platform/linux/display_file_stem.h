#pragma once
// The instance registry and the speaker keep one file per display.

#include <cctype>
#include <string>

namespace aerolark {

// A display name ("localhost:10.0") as part of a file name.
inline std::string DisplayFileStem(std::string display) {
  if (display.empty()) return "none";
  for (char& c : display) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') c = '_';
  }
  return display;
}

}  // namespace aerolark
