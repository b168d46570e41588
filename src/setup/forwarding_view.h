#pragma once
// A view whose controls one toolkit object sets and reads (the Qt widgets'
// or the Windows controls' `Controls`): the view's calls on its controls go
// straight to that object. Every view of both toolkits is one of these.

#include <string>
#include <string_view>
#include <vector>

#include "setup/dialog_view.h"

namespace aerolark {

template <class View, class Controls>
class ForwardingView : public View {
 public:
  int Number(Control control) override { return controls_.Number(control); }
  void SetNumber(Control control, int number) override { controls_.SetNumber(control, number); }
  std::string Text(Control control) override { return controls_.Text(control); }
  void SetText(Control control, std::string_view text) override { controls_.SetText(control, text); }
  void SetItems(Control control, const std::vector<std::string>& items) override {
    controls_.SetItems(control, items);
  }
  void SetEnabled(Control control, bool enabled) override { controls_.SetEnabled(control, enabled); }

 protected:
  Controls controls_;
};

}  // namespace aerolark
