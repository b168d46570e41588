// The Windows dialog's events, each turned into the call on the logic that
// the Linux dialog makes for the same user action.

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <optional>

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
    if (code == BN_CLICKED) OnButton(id);
    return;
  }
  switch (*bound) {
    case C::optBakGrnd:
      if (code == BN_CLICKED) logic_.background.OnOptionChosen(controls_.OptionIndex(control));
      break;
    case C::cmdSelectBG:
      if (code == BN_CLICKED) logic_.SelectPicture(BackgroundChooser());
      break;
    case C::cboFontSize:
      if (code == CBN_EDITCHANGE) logic_.logoMessage.OnSizeTyped();
      OnList(*bound, code);
      break;
    case C::cboFontsScreen:
    case C::cboSoundOff:  // typed text stores nothing; only an entry chosen from the list does
      OnList(*bound, code);
      break;
    default:
      if (code == BN_CLICKED || code == EN_CHANGE) logic_.bindings.OnChanged(*bound);
      break;
  }
}

void SetupWindow::OnButton(int id) {
  switch (id) {
    case IDC_cmdSelectLogo: logic_.SelectPicture(LogoChooser()); break;
    case IDC_cmdAbout: logic_.About(); break;
    case IDC_cmdHelp: logic_.Help(installFolder_); break;
    // "&OK", the close box and Esc: every change is stored already.
    case IDOK:
    case IDCANCEL: DestroyWindow(dialog_); break;
  }
}

// An entry counts as chosen when the open list is closed on it (a click,
// Enter), or when the closed list moves to it (an arrow key, the wheel).
// Moving through the open list only browses: Esc takes it back.
void SetupWindow::OnList(Control list, int code) {
  const int index = controls_.Number(list);
  const bool open = SendMessageW(controls_.Get(list), CB_GETDROPPEDSTATE, 0, 0) != 0;
  auto shown = shownNumbers_.find(list);
  const bool moved = shown == shownNumbers_.end() || shown->second != index;
  if ((code == CBN_SELENDOK && open) || (code == CBN_SELCHANGE && !open && moved)) {
    ChooseFromList(list, index);
  }
}

void SetupWindow::ChooseFromList(Control list, int index) {
  shownNumbers_[list] = index;
  switch (list) {
    case C::cboFontsScreen: logic_.logoMessage.OnFontChosen(index); break;
    case C::cboFontSize: logic_.logoMessage.OnSizeChosen(index); break;
    case C::cboSoundOff: logic_.aircraft.OnSoundOffChosen(index); break;
    default: break;
  }
}

// Like a slider elsewhere, a trackbar counts a move only when its value
// changes; the end of a drag always counts.
void SetupWindow::OnSlider(HWND slider, int code) {
  const std::optional<Control> control = ControlFromId(GetDlgCtrlID(slider));
  const std::optional<SliderMove> move = MoveOf(code);
  if (!control || !move || controls_.setting()) return;
  const int position = controls_.Number(*control);
  auto shown = shownNumbers_.find(*control);
  const bool moved = shown == shownNumbers_.end() || shown->second != position;
  shownNumbers_[*control] = position;
  if (moved || *move == SliderMove::ThumbReleased) logic_.bindings.OnSlider(*control, *move);
}

INT_PTR SetupWindow::OnStaticColour(HWND label) {
  switch (GetDlgCtrlID(label)) {
    case IDC_swatchBlack: return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNTEXT));
    case IDC_swatchSkyBlue: return reinterpret_cast<INT_PTR>(skyBlue_.get());
  }
  return FALSE;  // the dialog's own colours
}

}  // namespace aerolark
