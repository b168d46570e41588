#pragma once
// The controls tied to one setting each: check boxes, sliders and text
// boxes. Load() assigns the stored value to the control and then runs the
// control's handler exactly as a user's change does, whether or not the
// value differs, so the store gets the value back in canonical form.

#include <optional>
#include <string_view>

#include "settings/setting_keys.h"
#include "setup/dialog_view.h"
#include "setup/shown_texts.h"

namespace aerolark {

class DialogStore;

// Position a stored text gives a control whose positions run from `first` to
// `last`: the strict integer read, clamped; `first` for a text that is no number.
int StoredPosition(std::string_view text, int first, int last);

// Index a stored text gives a list of `count` entries: the strict integer
// read when it is a position of the list, the first entry otherwise.
int StoredListIndex(std::string_view text, int count);

struct ControlBinding {
  enum class Kind { Check, Slider, Text };
  enum class Storing {
    Continuously,  // every move, including each step of a drag
    WhenSettled,   // arrow, track and keyboard steps, and the end of a drag
  };
  Control control;
  Kind kind;
  Key key;
  std::optional<Control> valueBox;  // sliders only
  int first = 0;                     // the positions: 0 and 1 for a check box
  int last = 0;
  Storing storing = Storing::Continuously;
};

// The binding of `control`; null for a control bound to no single setting.
const ControlBinding* FindBinding(Control control);

enum class SliderMove {
  Settled,       // an arrow, a click in the track, a key
  Dragged,       // the thumb moved while held
  ThumbReleased  // the end of a drag
};

class ControlBindings {
 public:
  ControlBindings(DialogView& view, DialogStore& store) : view_(view), store_(store) {}

  void Load(Control control);
  // The handler: stores "0" or "1", the slider's value in decimal (shown in
  // its value box too), or the text unchanged, an empty text included (a
  // text the user has not changed goes back byte for byte as it was read).
  void OnChanged(Control control);
  // Runs the handler on the moves its slider stores on.
  void OnSlider(Control control, SliderMove move);

 private:
  DialogView& view_;
  DialogStore& store_;
  ShownTexts texts_;
};

}  // namespace aerolark
