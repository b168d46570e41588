#include "setup/win32/win32_controls.h"

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <cassert>

#include "setup/control_bindings.h"
#include "setup/win32/setup_resources.h"
#include "platform/win32/wide_text.h"

namespace aerolark {
namespace {

using C = Control;

// The resource script spells the identifiers out; they must be the ones
// the enumeration gives.
static_assert(IDC_hsbMouseS == ControlId(C::hsbMouseS) && IDC_txtMouseS == ControlId(C::txtMouseS));
static_assert(IDC_chkClock == ControlId(C::chkClock) && IDC_txtFontSize == ControlId(C::txtFontSize));
static_assert(IDC_chkPowerSave == ControlId(C::chkPowerSave) && IDC_chkBG == ControlId(C::chkBG));
static_assert(IDC_HSBSec == ControlId(C::HSBSec) && IDC_txtBGPlanes == ControlId(C::txtBGPlanes));
static_assert(IDC_chkProp == ControlId(C::chkProp) && IDC_hsbFastJet == ControlId(C::hsbFastJet));
static_assert(IDC_txtFastJet == ControlId(C::txtFastJet) && IDC_cboSoundOff == ControlId(C::cboSoundOff));
static_assert(IDC_hsbVolume == ControlId(C::hsbVolume) && IDC_hsbSpeed == ControlId(C::hsbSpeed));
static_assert(IDC_txtSpeed == ControlId(C::txtSpeed) && IDC_optBakGrnd == ControlId(C::optBakGrnd));
static_assert(IDC_cmdSelectBG == ControlId(C::cmdSelectBG) && IDC_txtBGFile == ControlId(C::txtBGFile));
static_assert(IDC_chkLogo == ControlId(C::chkLogo) && IDC_txtLogo == ControlId(C::txtLogo));
static_assert(IDC_chkMessage == ControlId(C::chkMessage) && IDC_txtMessage == ControlId(C::txtMessage));
static_assert(IDC_cboFontsScreen == ControlId(C::cboFontsScreen));
static_assert(IDC_cboFontSize == ControlId(C::cboFontSize) && IDC_lblSample == ControlId(C::lblSample));
static_assert(IDC_hsbTunePC == ControlId(C::hsbTunePC) && IDC_txtTunePC == ControlId(C::txtTunePC));
static_assert(IDC_txtFileName == ControlId(C::txtFileName) && IDC_filFiles == ControlId(C::filFiles));
static_assert(IDC_cboFileType == ControlId(C::cboFileType) && IDC_lblDirName == ControlId(C::lblDirName));
static_assert(IDC_dirDirectory == ControlId(C::dirDirectory) && IDC_drvDrive == ControlId(C::drvDrive));

constexpr int kOptionIds[3] = {IDC_optBakGrnd, IDC_optBakGrnd1, IDC_optBakGrnd2};

}  // namespace

// Counts a setting in progress for as long as it lives.
class Win32Controls::Setting {
 public:
  explicit Setting(Win32Controls& controls) : controls_(controls) { ++controls_.setting_; }
  ~Setting() { --controls_.setting_; }
  Setting(const Setting&) = delete;
  Setting& operator=(const Setting&) = delete;

 private:
  Win32Controls& controls_;
};

std::optional<Control> ControlFromId(int id) {
  if (id == IDC_optBakGrnd1 || id == IDC_optBakGrnd2) return C::optBakGrnd;
  if (id < kFirstControlId || id > ControlId(C::drvDrive)) return std::nullopt;
  return static_cast<Control>(id - kFirstControlId);
}

std::string TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Utf8(text);
}

void SetTextOf(HWND window, std::string_view text) { SetWindowTextW(window, Wide(text).c_str()); }

Win32Controls::Kind Win32Controls::KindOf(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  const std::wstring_view className(name);
  if (className == TRACKBAR_CLASSW) return Kind::Slider;
  if (className == WC_LISTBOXW) return Kind::List;
  if (className == WC_COMBOBOXW) return Kind::ComboBox;
  if (className == WC_BUTTONW) {
    const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
    if (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX) return Kind::Check;
    if (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON) return Kind::Option;
  }
  return Kind::Text;
}

void Win32Controls::AddFrom(HWND parent) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(child);
    for (int member = 0; member < 3; ++member) {
      if (id == kOptionIds[member]) options_[member] = child;
    }
    if (std::optional<Control> control = ControlFromId(id)) {
      if (id == ControlId(*control)) entries_[*control] = {child, KindOf(child)};
      if (KindOf(child) == Kind::Slider) SetUpSlider(child, *control);
    }
    // Stored texts of any length: by default a box stops at 32767 characters.
    if (KindOf(child) == Kind::Text) SendMessageW(child, EM_SETLIMITTEXT, 0, 0);
    if (KindOf(child) == Kind::ComboBox) SendMessageW(child, CB_LIMITTEXT, 0, 0);
  }
}

// The setting's positions, in steps of 1 by arrow and by page alike.
void Win32Controls::SetUpSlider(HWND slider, Control control) {
  const ControlBinding* binding = FindBinding(control);
  assert(binding && binding->kind == ControlBinding::Kind::Slider);
  if (!binding) return;
  Setting setting(*this);
  SendMessageW(slider, TBM_SETRANGEMIN, FALSE, binding->first);
  SendMessageW(slider, TBM_SETRANGEMAX, TRUE, binding->last);
  // The position after the range: a new range that keeps the position (the
  // volume's 0 in -2500 to 0) leaves the thumb where the default range 0 to
  // 100 drew it, at "Low", and setting that same position again would not
  // move it. A position that differs places it anew, for every later one.
  SendMessageW(slider, TBM_SETPOS, TRUE, binding->first);
  SendMessageW(slider, TBM_SETLINESIZE, 0, 1);
  SendMessageW(slider, TBM_SETPAGESIZE, 0, 1);
}

HWND Win32Controls::Get(Control control) const {
  auto found = entries_.find(control);
  assert(found != entries_.end() && "a control the view never made");
  return found == entries_.end() ? nullptr : found->second.window;
}

int Win32Controls::OptionIndex(HWND window) const {
  for (int member = 0; member < 3; ++member) {
    if (options_[member] == window) return member;
  }
  return -1;
}

int Win32Controls::Number(Control control) const {
  auto found = entries_.find(control);
  if (found == entries_.end()) return -1;
  HWND window = found->second.window;
  switch (found->second.kind) {
    case Kind::Check: return SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    case Kind::Option:
      for (int member = 0; member < 3; ++member) {
        if (SendMessageW(options_[member], BM_GETCHECK, 0, 0) == BST_CHECKED) return member;
      }
      return -1;
    case Kind::Slider: return static_cast<int>(SendMessageW(window, TBM_GETPOS, 0, 0));
    case Kind::List: return static_cast<int>(SendMessageW(window, LB_GETCURSEL, 0, 0));
    case Kind::ComboBox: return static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0));
    case Kind::Text: break;
  }
  return -1;
}

void Win32Controls::SetNumber(Control control, int number) {
  auto found = entries_.find(control);
  if (found == entries_.end()) return;
  Setting setting(*this);
  HWND window = found->second.window;
  switch (found->second.kind) {
    case Kind::Check:
      SendMessageW(window, BM_SETCHECK, number == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case Kind::Option:
      for (int member = 0; member < 3; ++member) {
        SendMessageW(options_[member], BM_SETCHECK, member == number ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      break;
    case Kind::Slider: SendMessageW(window, TBM_SETPOS, TRUE, number); break;
    case Kind::List: SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(number), 0); break;
    case Kind::ComboBox: SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(number), 0); break;
    case Kind::Text: break;
  }
}

std::string Win32Controls::Text(Control control) const {
  auto found = entries_.find(control);
  return found == entries_.end() ? std::string() : TextOf(found->second.window);
}

void Win32Controls::SetText(Control control, std::string_view text) {
  auto found = entries_.find(control);
  if (found == entries_.end()) return;
  Setting setting(*this);
  SetTextOf(found->second.window, text);
}

void Win32Controls::SetItems(Control control, const std::vector<std::string>& items) {
  auto found = entries_.find(control);
  if (found == entries_.end()) return;
  Setting setting(*this);
  HWND window = found->second.window;
  const bool isList = found->second.kind == Kind::List;
  SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  SendMessageW(window, isList ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    const std::wstring wide = Wide(item);
    SendMessageW(window, isList ? LB_ADDSTRING : CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(wide.c_str()));
  }
  SendMessageW(window, isList ? LB_SETCURSEL : CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window, nullptr, TRUE);
}

void Win32Controls::SetEnabled(Control control, bool enabled) {
  if (HWND window = Get(control)) EnableWindow(window, enabled);
}

}  // namespace aerolark

