#pragma once
// The "Aircraft" page beyond its bound controls: the stop-sound list, which
// stores only an entry chosen from the list, never typed text.

#include <string>
#include <vector>

namespace aerolark {

class DialogStore;
class DialogView;

class AircraftLogic {
 public:
  AircraftLogic(DialogView& view, DialogStore& store);

  // Lists the stop-sound choices, showing "Never".
  void FillSoundOff();
  // Shows the stored choice as the list's edit text; stores nothing.
  void LoadSoundOff();
  // Stores the chosen entry's text; an index that is no entry stores nothing.
  void OnSoundOffChosen(int index);

 private:
  DialogView& view_;
  DialogStore& store_;
  std::vector<std::string> items_;
};

}  // namespace aerolark
