#pragma once
// Stored texts that a control shows and that its handler stores back. A
// toolkit may not show the stored bytes as they are (text that is not valid
// UTF-8 comes back with replacement characters, a very long text may be
// cut), so the handler would store something else than was there although
// the user changed nothing. This keeps the stored bytes for as long as the
// control still shows what they were shown as.

#include <map>
#include <string>
#include <string_view>

#include "setup/dialog_view.h"

namespace aerolark {

class ShownTexts {
 public:
  // Sets the control's text to `stored`.
  void Show(ControlView& view, Control control, std::string_view stored);
  // The text to store for the control: the bytes last shown while it still
  // shows them as it did, its current text otherwise.
  std::string Current(ControlView& view, Control control);

 private:
  struct Shown {
    std::string stored;
    std::string asShown;  // what the control gave back right after showing it
  };
  std::map<Control, Shown> shown_;
};

}  // namespace aerolark
