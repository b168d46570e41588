#pragma once
// Sizes and places of a dialog's controls, in pixels of the dialog's own
// font and DPI.

#include "platform/win32/windows_api.h"

namespace aerolark {

// A rectangle given in dialog units, in pixels of `dialog`'s font and DPI.
inline RECT DialogUnits(HWND dialog, int x, int y, int width, int height) {
  RECT rect = {x, y, x + width, y + height};
  MapDialogRect(dialog, &rect);
  return rect;
}

inline RECT ChildRect(HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

inline void Place(HWND window, int x, int y, int width, int height) {
  SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace aerolark
