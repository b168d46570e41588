#pragma once
// The program's icon: the logo's badge on nothing, in the sizes each desktop
// shows. Writers throw std::runtime_error when a file cannot be written.

#include <string>

namespace aerolark::art {

// A Windows icon file (16, 32 and 48 pixels).
void WriteProgramIcon(const std::string& path);
// The freedesktop icon theme's layout below `folder`: <n>x<n>/apps/aerolark.png
// for each size a Linux desktop asks for, 16 to 256 pixels.
void WriteDesktopIcons(const std::string& folder);

}  // namespace aerolark::art
