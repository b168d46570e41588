#pragma once
// The program's icon for Windows: the logo's badge on nothing, in the sizes
// the desktop shows.

#include <string>

namespace aerolark::art {

void WriteProgramIcon(const std::string& path);

}  // namespace aerolark::art
