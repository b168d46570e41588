#pragma once
// A control tied to one setting. Load() assigns the stored value to the
// control and then runs the control's handler exactly as a user's change
// does, whether or not the value differs, so the store gets the value back in
// canonical form. The handler runs on the user's changes from then on.
// Bindings connect to their control and must not be moved.

#include <string_view>

#include "settings/setting_keys.h"

class QCheckBox;
class QLineEdit;
class QScrollBar;
class QWidget;

namespace aerolark {

class DialogStore;

// Position a stored text gives a control whose positions run from `first` to
// `last`: the strict integer read, clamped; `first` for a text that is no number.
int StoredPosition(std::string_view text, int first, int last);

// Index a stored text gives a list of `count` entries: the strict integer
// read when it is a position of the list, the first entry otherwise.
int StoredListIndex(std::string_view text, int count);

class CheckBinding {
 public:
  CheckBinding(QCheckBox* box, Key key, DialogStore& store);
  CheckBinding(const CheckBinding&) = delete;
  CheckBinding& operator=(const CheckBinding&) = delete;

  void Load();
  // Stores "0" or "1".
  void OnChanged();

 private:
  QCheckBox* box_;
  Key key_;
  DialogStore& store_;
};

class SliderBinding {
 public:
  enum class Storing {
    Continuously,  // every move, including each step of a drag
    WhenSettled,   // arrow, track and keyboard steps, and the end of a drag
  };
  // `valueBox` may be null (a slider without a value box).
  SliderBinding(QScrollBar* slider, QLineEdit* valueBox, Key key, DialogStore& store,
                Storing storing);
  SliderBinding(const SliderBinding&) = delete;
  SliderBinding& operator=(const SliderBinding&) = delete;

  void Load();
  // Shows the value in the value box and stores it in decimal.
  void OnChanged();

 private:
  QScrollBar* slider_;
  QLineEdit* valueBox_;
  Key key_;
  DialogStore& store_;
};

class TextBinding {
 public:
  TextBinding(QLineEdit* box, Key key, DialogStore& store);
  TextBinding(const TextBinding&) = delete;
  TextBinding& operator=(const TextBinding&) = delete;

  void Load();
  // Stores the text unchanged, an empty text included.
  void OnChanged();

 private:
  QLineEdit* box_;
  Key key_;
  DialogStore& store_;
};

// A horizontal slider that moves in steps of 1 by arrow and by page.
QScrollBar* MakeSlider(const char* name, int minimum, int maximum, QWidget* parent);
// A read-only box that shows a slider's value.
QLineEdit* MakeValueBox(const char* name, QWidget* parent);

}  // namespace aerolark
