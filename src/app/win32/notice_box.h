#pragma once
// A short message box with an OK button, for the modes that only tell the
// user something.

#include <string>

namespace aerolark {

// Returns when the user has answered it.
void ShowNotice(const std::string& text);

}  // namespace aerolark
