#include "setup/control_bindings.h"

#include <algorithm>
#include <array>
#include <string>

#include "settings/conversions.h"
#include "setup/dialog_store.h"

namespace aerolark {
namespace {

using Kind = ControlBinding::Kind;
using Storing = ControlBinding::Storing;
using C = Control;

constexpr ControlBinding Check(C control, Key key) {
  return {control, Kind::Check, key, std::nullopt, 0, 1, Storing::Continuously};
}
constexpr ControlBinding Text(C control, Key key) {
  return {control, Kind::Text, key, std::nullopt, 0, 0, Storing::Continuously};
}
constexpr ControlBinding Slider(C control, std::optional<C> box, Key key, int first, int last,
                                Storing storing = Storing::Continuously) {
  return {control, Kind::Slider, key, box, first, last, storing};
}

const std::array<ControlBinding, 14> kBindings = {{
    Check(C::chkBG, Key::PlaneBG),
    Check(C::chkClock, Key::Clock),
    Check(C::chkLogo, Key::LogoChecked),
    Check(C::chkMessage, Key::MessageChecked),
    Check(C::chkPowerSave, Key::PwrSave),
    Check(C::chkProp, Key::Prop),
    Slider(C::hsbMouseS, C::txtMouseS, Key::MouseSens, 2, 20),
    Slider(C::HSBSec, C::txtBGPlanes, Key::BGFreq, 36, 300),
    Slider(C::hsbFastJet, C::txtFastJet, Key::SecDelay, 30, 300),
    Slider(C::hsbSpeed, C::txtSpeed, Key::Speed, 2, 10),
    Slider(C::hsbTunePC, C::txtTunePC, Key::TunePC, 0, 20),
    // The volume is heard only once the thumb settles; nothing is stored while dragging.
    Slider(C::hsbVolume, std::nullopt, Key::Volume, -2500, 0, Storing::WhenSettled),
    Text(C::txtFontSize, Key::FontClock),
    Text(C::txtMessage, Key::Message),
}};

}  // namespace

int StoredPosition(std::string_view text, int first, int last) {
  std::optional<std::int16_t> number = StrictIntegerRead(text);
  if (!number) return first;
  return std::clamp<int>(*number, first, last);
}

int StoredListIndex(std::string_view text, int count) {
  std::optional<std::int16_t> number = StrictIntegerRead(text);
  if (!number || *number < 0 || *number >= count) return 0;
  return *number;
}

const ControlBinding* FindBinding(Control control) {
  for (const ControlBinding& binding : kBindings) {
    if (binding.control == control) return &binding;
  }
  return nullptr;
}

void ControlBindings::Load(Control control) {
  const ControlBinding* binding = FindBinding(control);
  if (!binding) return;
  const std::string stored = store_.Read(binding->key);
  switch (binding->kind) {
    case Kind::Check:
    case Kind::Slider:
      view_.SetNumber(control, StoredPosition(stored, binding->first, binding->last));
      break;
    case Kind::Text: texts_.Show(view_, control, stored); break;
  }
  OnChanged(control);
}

void ControlBindings::OnChanged(Control control) {
  const ControlBinding* binding = FindBinding(control);
  if (!binding) return;
  switch (binding->kind) {
    case Kind::Check: store_.Write(binding->key, view_.Number(control) == 1 ? "1" : "0"); break;
    case Kind::Slider: {
      const std::string value = std::to_string(view_.Number(control));
      if (binding->valueBox) view_.SetText(*binding->valueBox, value);
      store_.Write(binding->key, value);
      break;
    }
    case Kind::Text: store_.Write(binding->key, texts_.Current(view_, control)); break;
  }
}

void ControlBindings::OnSlider(Control control, SliderMove move) {
  const ControlBinding* binding = FindBinding(control);
  if (!binding || binding->kind != Kind::Slider) return;
  const bool settledOnly = binding->storing == Storing::WhenSettled;
  // A continuous slider has already stored the value its thumb was let go at.
  if (move == SliderMove::ThumbReleased && !settledOnly) return;
  if (move == SliderMove::Dragged && settledOnly) return;
  OnChanged(control);
}

}  // namespace aerolark
