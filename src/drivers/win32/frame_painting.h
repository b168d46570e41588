#pragma once
// The kept frame painted onto a window: letterboxed in the client area,
// black bars around it, scaled by GDI.

#include "platform/win32/windows_api.h"

#include "drivers/software/damage.h"
#include "drivers/win32/frame_dib.h"

namespace aerolark {

// Paints the whole client area: bars and frame.
void PaintWhole(HWND window, HDC dc, const FrameDib& frame);
// Paints only the window pixels that show the `changed` parts of the frame.
void PaintChanged(HWND window, HDC dc, const FrameDib& frame, const DamageList& changed);

}  // namespace aerolark
