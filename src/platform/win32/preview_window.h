#pragma once
// The preview: a window titled "Preview", created as a child of the
// desktop's preview window from the start (a window moved into another
// program's window later is not always treated as its child), at the
// parent's client size, showing the still picture at its top left on black.

#include "platform/win32/windows_api.h"

#include "render/contract_types.h"

namespace aerolark {

// Runs until the parent goes away; 0. A parent that is not a window ends at once.
int RunPreviewWindow(HWND parent, const StillPicture& picture);

}  // namespace aerolark
