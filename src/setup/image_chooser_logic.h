#pragma once
// The image chooser without its widgets: it picks a picture file by drive,
// folder and file type, and on "&OK" stores the file's full path under one
// key and hides. One design serves both the background and the logo chooser.

#include <map>
#include <string>
#include <vector>

#include "settings/setting_keys.h"
#include "setup/file_systems.h"

namespace aerolark {

class ChooserView;
class DialogStore;

struct ChooserKind {
  std::string caption;
  Key key;
  int width;  // client size in pixels
  int height;
};

// The background chooser ("GetFile") and the logo chooser ("GetLogo").
ChooserKind BackgroundChooser();
ChooserKind LogoChooser();

// The path "&OK" stores: the folder and the selected file's name when the
// typed name is exactly (case and all) that name; the typed text unchanged
// otherwise. `selectedName` is empty when no file is selected.
std::string ChosenPath(const std::string& folder, const std::string& typedName,
                       const std::string& selectedName);

class ImageChooserLogic {
 public:
  ImageChooserLogic(const ChooserKind& kind, DialogStore& store, ChooserView& view,
                    std::vector<FileSystem> fileSystems);

  // Fills the lists and opens in the program's current folder with the
  // pattern "*.BMP".
  void Open();
  // Sets the file list's pattern; an index outside the four types changes nothing.
  void ChooseFileType(int index);
  // Moves to the drive's current folder; on failure tells the user
  // "Drive error!" and puts the drive in use back into the drive list.
  void ChooseDrive(int index);
  // Makes `path` the current folder and lists its files.
  void OpenFolder(const std::string& path);
  // A file of the list clicked: it is the selected file, and its name goes
  // into the name box.
  void ClickFile(int index);
  // A click, then "&OK".
  void DoubleClickFile(int index);
  // "&OK": stores the full path and hides, or asks for a file first. A value
  // that could not be stored keeps the chooser open.
  void Confirm();

  const std::string& folder() const { return folder_; }
  const std::string& pattern() const { return pattern_; }

 private:
  void ShowDriveInUse();
  std::string FullPath();

  ChooserKind kind_;
  DialogStore& store_;
  ChooserView& view_;
  std::vector<FileSystem> fileSystems_;
  std::map<std::string, std::string> driveFolders_;  // each drive's current folder, by root
  std::string folder_;
  std::string pattern_;
  std::vector<std::string> files_;  // as listed
};

}  // namespace aerolark
