// The Windows dialog's events, each turned into the call on the logic that
// the Linux dialog makes for the same user action.

#include <windows.h>
#include <commctrl.h>

#include "setup/image_chooser_logic.h"
#include "setup/win32/setup_resources.h"
#include "setup/win32/setup_window.h"

namespace aerolark {
namespace {

using C = Control;

// What a trackbar's notification means for storing. Keys and clicks in the
// track are settled moves; a drag reports each step and then its end.
// TB_ENDTRACK follows every move and adds nothing.
std::optional<SliderMove> MoveOf(int code) {
  switch (code) {
    case TB_THUMBTRACK: return SliderMove::Dragged;
    case TB_THUMBPOSITION: return SliderMove::ThumbReleased;
    case TB_ENDTRACK: return std::nullopt;
    default: return SliderMove::Settled;
  }
}

}  // namespace

void SetupWindow::OnCommand(int id, int code, HWND control) {
  // Windows reports the program's own changes too (an edit box's text set
  // by the opening sequence); only the user's go to the handlers.
  if (controls_.setting()) return;
  const std::optional<Control> bound = ControlFromId(id);
  if (!bound) {
    if (code == BN_CLICKED) OnButton(id, control);
    return;
  }
  switch (*bound) {
    case C::optBakGrnd:
      if (code == BN_CLICKED) logic_.background.OnOptionChosen(controls_.OptionIndex(control));
      break;
    case C::cmdSelectBG:
      if (code == BN_CLICKED) logic_.SelectPicture(BackgroundChooser());
      break;
    case C::cboFontsScreen:
      if (code == CBN_SELCHANGE) logic_.logoMessage.OnFontChosen(controls_.Number(*bound));
      break;
    case C::cboFontSize:
      if (code == CBN_SELCHANGE) logic_.logoMessage.OnSizeChosen(controls_.Number(*bound));
      if (code == CBN_EDITCHANGE) logic_.logoMessage.OnSizeTyped();
      break;
    case C::cboSoundOff:
      // Typed text stores nothing; only an entry chosen from the list does.
      if (code == CBN_SELCHANGE) logic_.aircraft.OnSoundOffChosen(controls_.Number(*bound));
      break;
    default:
      if (code == BN_CLICKED || code == EN_CHANGE) logic_.bindings.OnChanged(*bound);
      break;
  }
}

void SetupWindow::OnButton(int id, HWND) {
  switch (id) {
    case IDC_cmdSelectLogo: logic_.SelectPicture(LogoChooser()); break;
    case IDC_cmdAbout: logic_.About(); break;
    case IDC_cmdHelp: logic_.Help(); break;
    // "&OK", the close box and Esc: every change is stored already.
    case IDOK:
    case IDCANCEL: DestroyWindow(dialog_); break;
  }
}

// Like a slider elsewhere, a trackbar counts a move only when its value
// changes; the end of a drag always counts.
void SetupWindow::OnSlider(HWND slider, int code) {
  const std::optional<Control> control = ControlFromId(GetDlgCtrlID(slider));
  const std::optional<SliderMove> move = MoveOf(code);
  if (!control || !move || controls_.setting()) return;
  const int position = controls_.Number(*control);
  auto last = sliderPositions_.find(*control);
  const bool moved = last == sliderPositions_.end() || last->second != position;
  sliderPositions_[*control] = position;
  if (moved || *move == SliderMove::ThumbReleased) logic_.bindings.OnSlider(*control, *move);
}

INT_PTR SetupWindow::OnStaticColour(HDC dc, HWND label) {
  switch (GetDlgCtrlID(label)) {
    case IDC_swatchBlack: return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNTEXT));
    case IDC_swatchSkyBlue: return reinterpret_cast<INT_PTR>(skyBlue_.get());
  }
  (void)dc;
  return FALSE;  // the dialog's own colours
}

}  // namespace aerolark
