// The Windows dialog's size and the places of the tab control, the pages
// and the bottom bar.

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <algorithm>

#include "setup/win32/desktop_services.h"
#include "setup/win32/dialog_geometry.h"
#include "setup/win32/setup_resources.h"
#include "setup/win32/setup_window.h"

namespace aerolark {

// The client area is the designed size at the window's DPI, or larger where
// the dialog font needs more room for the pages: nothing is cut off.
void SetupWindow::GrowToDesignedSize() {
  const int dpi = WindowDpi(dialog_);
  int width = MulDiv(kClientWidth, dpi, 96);
  int height = MulDiv(kClientHeight, dpi, 96);
  RECT page = {0, 0, 0, 0};
  for (HWND each : pages_) {
    RECT rect;
    GetWindowRect(each, &rect);
    page.right = std::max(page.right, rect.right - rect.left);
    page.bottom = std::max(page.bottom, rect.bottom - rect.top);
  }
  TabCtrl_AdjustRect(tabs_, TRUE, &page);  // the tab control around the largest page
  const RECT margin = DialogUnits(dialog_, 0, 0, 4, 4);
  const RECT ok = ChildRect(GetDlgItem(dialog_, IDOK));
  width = std::max<int>(width, page.right - page.left + 2 * margin.right);
  height = std::max<int>(height, page.bottom - page.top + 3 * margin.bottom + ok.bottom - ok.top);
  RECT client, frame;
  GetClientRect(dialog_, &client);
  GetWindowRect(dialog_, &frame);
  if (width <= client.right && height <= client.bottom) return;
  width = std::max<int>(width, client.right);
  height = std::max<int>(height, client.bottom);
  SetWindowPos(dialog_, nullptr, 0, 0, frame.right - frame.left + width - client.right,
               frame.bottom - frame.top + height - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The tab control fills the client area above the bottom bar; "&About" and
// "Online HELP" sit in the middle of the bar, "&OK" at its right end.
void SetupWindow::Layout() {
  RECT client;
  GetClientRect(dialog_, &client);
  const RECT margin = DialogUnits(dialog_, 0, 0, 4, 4);
  const RECT button = DialogUnits(dialog_, 0, 0, 60, 14);
  const int gap = DialogUnits(dialog_, 0, 0, 6, 0).right;
  const int barTop = client.bottom - margin.bottom - button.bottom;
  Place(tabs_, margin.right, margin.bottom, client.right - 2 * margin.right,
        barTop - 2 * margin.bottom);
  const int middle = client.right / 2;
  Place(GetDlgItem(dialog_, IDC_cmdAbout), middle - gap / 2 - button.right, barTop, button.right,
        button.bottom);
  Place(GetDlgItem(dialog_, IDC_cmdHelp), middle + gap - gap / 2, barTop, button.right,
        button.bottom);
  Place(GetDlgItem(dialog_, IDOK), client.right - margin.right - button.right, barTop, button.right,
        button.bottom);
  RECT display = ChildRect(tabs_);
  TabCtrl_AdjustRect(tabs_, FALSE, &display);
  for (HWND page : pages_) {
    Place(page, display.left, display.top, display.right - display.left,
          display.bottom - display.top);
  }
}

}  // namespace aerolark
