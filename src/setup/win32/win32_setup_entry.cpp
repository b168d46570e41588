#include "setup/win32/win32_setup_entry.h"

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include "setup/win32/setup_window.h"

namespace aerolark {

int RunWin32SetupDialog(Settings& settings, const std::string& installFolder) {
  INITCOMMONCONTROLSEX classes = {};
  classes.dwSize = sizeof classes;
  classes.dwICC = ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&classes);
  SetupWindow window(settings, installFolder);
  return window.Run();
}

}  // namespace aerolark
