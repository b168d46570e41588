#pragma once
// Texts given room from the dialog's own font. Wine draws some runs of
// glyphs a few pixels wider than GetTextExtent and DrawText's DT_CALCRECT
// report (Tahoma at 8 points: "Aircraft Speed" inks 70 columns of its 69);
// a control sized to the measure exactly cuts the last letter. These give
// the text one average character more, and never clip it.

#include "platform/win32/windows_api.h"

#include "setup/message.h"

namespace aerolark {

// Draws each group box's caption itself, in a gap one average character
// wider than the caption measures; the frame as the theme draws it.
void FitGroupCaptions(HWND page);

// The About box: the message's icon, text and an OK button, sized to the
// text in the dialog's font; modal to `owner`.
void ShowAboutBox(HWND owner, const Message& message);

}  // namespace aerolark
