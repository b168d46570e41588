#pragma once
// The Windows start-up's door to the settings dialog. Free of Windows
// headers, so that the start-up code can include it anywhere.

#include <string>

namespace aerolark {

class Settings;

// Shows the settings dialog (modeless, no owner) and runs until it is
// closed. `installFolder` ends with a separator. Returns the program's exit
// code: 0, or 1 when the dialog could not be created.
int RunWin32SetupDialog(Settings& settings, const std::string& installFolder);

}  // namespace aerolark
