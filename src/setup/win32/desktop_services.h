#pragma once
// What the Windows dialog takes from the system: the font families, the
// drives, message boxes, the browser and the window's DPI.

#include "platform/win32/windows_api.h"

#include <string>
#include <vector>

#include "setup/file_systems.h"
#include "setup/message.h"

namespace aerolark {

// The screen font families in the order the system enumerates them, each
// once; vertical ("@") variants left out.
std::vector<std::string> ScreenFontFamilies();

// The drives ("C:\"), each with its volume label where it has one. A drive
// without a medium is listed without a label; the system is not allowed to
// ask the user to insert one.
std::vector<FileSystem> LogicalDrives();

// A modal message box owned by `owner`, with one OK button.
void ShowMessageBox(HWND owner, const Message& message);

// Asks the shell to open the address; its result is not examined.
void OpenWebPage(HWND owner, const std::string& address);

// The DPI the window is shown at (96 at 100 %).
int WindowDpi(HWND window);

}  // namespace aerolark
