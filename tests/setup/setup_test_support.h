#pragma once
// Shared pieces of the dialog tests: an in-memory settings store that records
// every write, and recording views that stand in for the widgets, so the
// dialog's logic runs without any toolkit.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "settings/setting_keys.h"
#include "setup/dialog_view.h"
#include "setup/image_chooser_logic.h"
#include "setup/setup_logic.h"
#include "support/files.h"
#include "support/recording_settings.h"

namespace aerolark::testing {

// Controls as plain values: what the logic set, and what a test sets as the
// user's change before calling the handler.
template <typename View>
class RecordingControls : public View {
 public:
  int Number(Control c) override { return numbers.contains(c) ? numbers[c] : -1; }
  void SetNumber(Control c, int number) override { numbers[c] = number; }
  std::string Text(Control c) override { return texts[c]; }
  void SetText(Control c, std::string_view text) override { texts[c] = std::string(text); }
  void SetItems(Control c, const std::vector<std::string>& list) override {
    items[c] = list;
    numbers[c] = -1;
  }
  void SetEnabled(Control c, bool on) override { enabled[c] = on; }
  void Show(const Message& message) override { messages.push_back(message); }

  std::map<Control, int> numbers;
  std::map<Control, std::string> texts;
  std::map<Control, std::vector<std::string>> items;
  std::map<Control, bool> enabled;
  std::vector<Message> messages;
};

class RecordingDialogView final : public RecordingControls<DialogView> {
 public:
  void SetFontName(Control, std::string_view family) override { sampleFont = family; }
  void RunChooser(const ChooserKind&, DialogStore&) override {}
  void OpenWebPage(const std::string&) override {}

  std::string sampleFont;
};

class RecordingChooserView final : public RecordingControls<ChooserView> {
 public:
  void ShowFolders(const FolderTree& shown) override { tree = shown; }
  void Hide() override { hidden = true; }

  FolderTree tree;
  bool hidden = false;
};

// Sixty made-up families, already sorted as the system hands them over.
inline std::vector<std::string> TestFamilies(int count = 60) {
  std::vector<std::string> families;
  for (int i = 0; i < count; ++i) families.push_back((i < 10 ? "Family 0" : "Family ") + std::to_string(i));
  return families;
}

// The dialog's logic on a recording store and view.
struct DialogRig {
  // Runs the opening sequence with `families`.
  void Open(const std::vector<std::string>& families = TestFamilies()) { logic.Load(families, kFolder); }
  static constexpr const char* kFolder = "/opt/aerolark/share/aerolark/";

  RecordingSettings settings;
  RecordingDialogView view;
  SetupLogic logic{settings, view};
};

// A folder tree for the chooser: <tmp>/pictures holding pictures named in
// every letter case, other files, a hidden picture and the folder "holiday";
// <tmp>/card holding one picture. It is the program's current folder while
// this lives.
struct PictureFolders {
  PictureFolders() {
    std::filesystem::create_directories(root + "/pictures/holiday");
    std::filesystem::create_directories(root + "/card");
    for (const char* name : {"sky.bmp", "SKY2.BMP", "dusk.Bmp", "clouds.gif", "notes.txt", "README", ".hidden.bmp"}) {
      WriteText(root + "/pictures/" + name, "");
    }
    WriteText(root + "/card/pic.bmp", "");
    std::filesystem::current_path(root + "/pictures");
  }
  ~PictureFolders() { std::filesystem::current_path(previous); }
  std::filesystem::path previous = std::filesystem::current_path();
  TempFolder folder{"aerolark-chooser"};
  std::string root = folder.path().string();
};

}  // namespace aerolark::testing
