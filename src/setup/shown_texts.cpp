#include "setup/shown_texts.h"

namespace aerolark {

void ShownTexts::Show(ControlView& view, Control control, std::string_view stored) {
  view.SetText(control, stored);
  std::string asShown = view.Text(control);
  if (asShown == stored) {
    shown_.erase(control);  // shown as it is: the control's own text is enough
  } else {
    shown_[control] = {std::string(stored), std::move(asShown)};
  }
}

std::string ShownTexts::Current(ControlView& view, Control control) {
  std::string text = view.Text(control);
  auto found = shown_.find(control);
  if (found != shown_.end() && found->second.asShown == text) return found->second.stored;
  return text;
}

}  // namespace aerolark
