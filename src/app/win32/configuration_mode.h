#pragma once
// Configuration mode (/c) on Windows.

#include <string>

namespace aerolark {

class Settings;

// Lets the user change the settings; returns the exit status once done.
// `installFolder` ends with a separator.
int RunConfigurationMode(Settings& settings, const std::string& installFolder);

}  // namespace aerolark
