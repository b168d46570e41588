#pragma once
// The "BackGround" page: solid black, solid sky blue or a custom picture,
// and whether "Select Background" may be used.

#include <string>

namespace aerolark {

class DialogStore;
class DialogView;

class BackgroundLogic {
 public:
  BackgroundLogic(DialogView& view, DialogStore& store) : view_(view), store_(store) {}

  // Reads the stored choice and selects its option, running its handler; a
  // choice that names no option selects the first.
  void LoadChoice();
  // The handler of option `index` (0 to 2): stores index + 1, then re-reads
  // it. Any other index changes nothing.
  void OnOptionChosen(int index);
  // Re-reads the stored choice into the field and enables "Select Background"
  // only for the custom picture.
  void RefreshChoice();
  // Enables "Select Background" only while the field holds the custom picture.
  void EnableSelectForChoice();
  // Shows the stored background file name.
  void SelectBG();

  // The current choice as text: "1", "2" or "3", as last read or written.
  const std::string& choice() const { return choice_; }

 private:
  DialogView& view_;
  DialogStore& store_;
  std::string choice_;
};

}  // namespace aerolark
