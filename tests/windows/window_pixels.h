#pragma once
// What the test's own windows show, read back through GDI.

#include "drivers/win32/windows_api.h"

#include <cstdint>
#include <string>
#include <vector>

#include "checks.h"
#include "render/contract_types.h"

namespace aerolark::wintest {

// The visible top-level windows of this thread.
std::vector<HWND> ThreadWindows();
// The colour the window shows at (x, y) of its client area.
Colour ShownAt(HWND window, int x, int y);
// Checks that (x, y) shows `want`, give or take the 16-bit frame's rounding.
void CheckShown(Checks& checks, HWND window, int x, int y, Colour want, const std::string& what);
// Every pixel of the window's client area.
std::vector<std::uint32_t> Capture(HWND window);
// What the window shows after presenting only the changed parts, against
// what it shows when it repaints itself whole from the same frame: any seam
// or stale trail differs.
void CheckPartsMatchWhole(Checks& checks, HWND window);

}  // namespace aerolark::wintest
