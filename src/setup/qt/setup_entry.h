#pragma once
// The two entry points the start-up code calls for the dialog's modes.

#include <string>

namespace aerolark {

class Settings;

// Creates the application, shows the settings dialog (modeless, no owner)
// and runs until it is closed. `installFolder` ends with a separator.
// Returns the program's exit code, 0.
int RunSetupDialog(Settings& settings, const std::string& installFolder, int argc, char** argv);

// Tells the user that the screen saver has no password of its own: the
// desktop's lock screen asks for the login password. Returns 0.
int ShowPasswordNotice(int argc, char** argv);

}  // namespace aerolark
