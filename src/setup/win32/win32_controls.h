#pragma once
// The Windows controls behind the logic's controls: the Win32 half of
// ControlView. A control is found by its identifier (1000 + its position in
// the Control enumeration) among a page's children.

#include "platform/win32/windows_api.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "setup/dialog_view.h"

namespace aerolark {

constexpr int kFirstControlId = 1000;
constexpr int ControlId(Control control) { return kFirstControlId + static_cast<int>(control); }
// The control with this identifier; none for other identifiers.
std::optional<Control> ControlFromId(int id);

// The text of any window, UTF-8.
std::string TextOf(HWND window);
void SetTextOf(HWND window, std::string_view text);

class Win32Controls {
 public:
  // Takes every child of `parent` that stands for a control.
  void AddFrom(HWND parent);
  HWND Get(Control control) const;
  // The member of the option group that `window` is, or -1.
  int OptionIndex(HWND window) const;

  int Number(Control control) const;
  void SetNumber(Control control, int number);
  std::string Text(Control control) const;
  void SetText(Control control, std::string_view text);
  void SetItems(Control control, const std::vector<std::string>& items);
  void SetEnabled(Control control, bool enabled);

  // True while a control is being set: the notifications Windows sends for
  // a change made by the program are not the user's.
  bool setting() const { return setting_ > 0; }

 private:
  enum class Kind { Check, Option, Slider, List, ComboBox, Text };
  struct Entry {
    HWND window = nullptr;
    Kind kind = Kind::Text;
  };
  class Setting;

  static Kind KindOf(HWND window);
  void SetUpSlider(HWND slider, Control control);

  std::map<Control, Entry> entries_;
  std::array<HWND, 3> options_{};
  int setting_ = 0;
};

}  // namespace aerolark
