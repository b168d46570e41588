#pragma once
// The "Logo/Message" page beyond its bound controls: the logo file name, the
// message's font (from the first 40 of the system's font families) and its
// size.

#include <string>
#include <vector>

#include "setup/shown_texts.h"

namespace aerolark {

class DialogStore;
class DialogView;

// The first 40 of `families`, as the system hands them over, sorted without
// regard to letter case.
std::vector<std::string> FontListEntries(std::vector<std::string> families);

class LogoMessageLogic {
 public:
  static constexpr int kFontListSize = 40;

  LogoMessageLogic(DialogView& view, DialogStore& store);

  // Lists the font sizes.
  void FillSizes();
  // Lists the fonts: see FontListEntries.
  void FillFonts(const std::vector<std::string>& families);
  // Selects the font at the stored `SelectedFont` (the first entry when that
  // is no position of the list) and runs the selection handler.
  void SelectStoredFontIndex();
  // Selects the entry whose text is exactly the stored `FontName` (the first
  // entry when none is) and runs the selection handler.
  void SelectStoredFontName();
  // Draws the sample in the selected entry's font.
  void ShowSelectedFontInSample();
  // Selects the size at the stored `SelectedFontSize` (the first entry when
  // that is no position) and runs the selection handler.
  void SelectStoredSizeIndex();
  // Sets the size list's edit text from the stored `FontSize` and runs the
  // typing handler.
  void LoadSizeText();
  // Shows the stored logo file name.
  void SelectLogo();

  // Handlers. An index that is no entry changes nothing.
  void OnFontChosen(int index);
  void OnSizeChosen(int index);
  // Stores the size list's edit text; `SelectedFontSize` stays as it was.
  void OnSizeTyped();

 private:
  DialogView& view_;
  DialogStore& store_;
  std::vector<std::string> fonts_;
  std::vector<std::string> sizes_;
  ShownTexts sizeText_;
};

}  // namespace aerolark
