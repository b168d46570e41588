#include "setup/image_chooser_logic.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "setup/dialog_store.h"
#include "setup/dialog_view.h"
#include "setup/folder_listing.h"
#include "settings/utf8_paths.h"

namespace aerolark {
namespace {

// Client sizes are given in twips, 15 to the pixel.
constexpr int kTwipsPerPixel = 15;

struct FileType {
  const char* text;
  const char* pattern;
};

// "*.*" is matched as "*" so that names without a dot are listed too, as
// "All files" promises.
constexpr std::array<FileType, 4> kFileTypes = {{{"BMP files (*.BMP)", "*.BMP"},
                                                 {"GIF files (*.GIF)", "*.GIF"},
                                                 {"JPG files (*.JPG)", "*.JPG"},
                                                 {"All files (*.*)", "*"}}};

std::string CurrentFolder() {
  std::error_code error;
  std::filesystem::path current = std::filesystem::current_path(error);
  return error ? std::string("/") : Utf8FromPath(current);
}

}  // namespace

ChooserKind BackgroundChooser() {
  return {"Form1", Key::BMPFileName, 6060 / kTwipsPerPixel, 4680 / kTwipsPerPixel};
}

ChooserKind LogoChooser() {
  return {"Select Your Logo", Key::LogoFileName, 5835 / kTwipsPerPixel, 4290 / kTwipsPerPixel};
}

std::string ChosenPath(const std::string& folder, const std::string& typedName,
                       const std::string& selectedName) {
  if (selectedName.empty() || typedName != selectedName) return typedName;
  const char separator = std::filesystem::path::preferred_separator;
  std::string path = folder;
  if (!path.ends_with(separator)) path += separator;
  return path + typedName;
}

ImageChooserLogic::ImageChooserLogic(const ChooserKind& kind, DialogStore& store,
                                     ChooserView& view, std::vector<FileSystem> fileSystems)
    : kind_(kind), store_(store), view_(view), fileSystems_(std::move(fileSystems)) {}

void ImageChooserLogic::Open() {
  std::vector<std::string> types;
  for (const FileType& type : kFileTypes) types.emplace_back(type.text);
  view_.SetItems(Control::cboFileType, types);
  std::vector<std::string> drives;
  for (const FileSystem& fileSystem : fileSystems_) drives.push_back(DriveText(fileSystem));
  view_.SetItems(Control::drvDrive, drives);
  view_.SetNumber(Control::cboFileType, 0);
  pattern_ = kFileTypes[0].pattern;
  OpenFolder(CurrentFolder());
}

void ImageChooserLogic::ShowDriveInUse() {
  view_.SetNumber(Control::drvDrive, FileSystemOf(fileSystems_, folder_));
}

void ImageChooserLogic::ChooseFileType(int index) {
  if (index < 0 || index >= static_cast<int>(kFileTypes.size())) return;
  view_.SetNumber(Control::cboFileType, index);
  pattern_ = kFileTypes[index].pattern;
  files_ = ListFiles(folder_, pattern_);
  view_.SetItems(Control::filFiles, files_);
}

void ImageChooserLogic::ChooseDrive(int index) {
  if (index < 0 || index >= static_cast<int>(fileSystems_.size())) return;
  const std::string& root = fileSystems_[index].root;
  auto remembered = driveFolders_.find(root);
  std::string target = remembered == driveFolders_.end() ? root : remembered->second;
  if (!CanRead(target)) target = root;
  if (!CanRead(target)) {
    view_.Show(Message{"Error", "Drive error!", MessageIcon::Exclamation});
    ShowDriveInUse();
    return;
  }
  OpenFolder(target);
}

void ImageChooserLogic::OpenFolder(const std::string& path) {
  folder_ = AbsoluteFolder(path);
  int drive = FileSystemOf(fileSystems_, folder_);
  if (drive >= 0) driveFolders_[fileSystems_[drive].root] = folder_;
  view_.SetNumber(Control::drvDrive, drive);
  view_.SetText(Control::lblDirName, folder_);
  const std::string root = drive >= 0 ? fileSystems_[drive].root
                                      : Utf8FromPath(PathFromUtf8(folder_).root_path());
  view_.ShowFolders(ListFolders(folder_, root));
  files_ = ListFiles(folder_, pattern_);
  view_.SetItems(Control::filFiles, files_);
}

void ImageChooserLogic::ClickFile(int index) {
  if (index < 0 || index >= static_cast<int>(files_.size())) return;
  view_.SetNumber(Control::filFiles, index);
  view_.SetText(Control::txtFileName, files_[index]);
}

void ImageChooserLogic::DoubleClickFile(int index) {
  if (index < 0 || index >= static_cast<int>(files_.size())) return;
  ClickFile(index);
  Confirm();
}

std::string ImageChooserLogic::FullPath() {
  int selected = view_.Number(Control::filFiles);
  bool isFile = selected >= 0 && selected < static_cast<int>(files_.size());
  return ChosenPath(folder_, view_.Text(Control::txtFileName), isFile ? files_[selected] : "");
}

void ImageChooserLogic::Confirm() {
  if (view_.Text(Control::txtFileName).empty()) {
    view_.Show(Message{"Aerolark", "You must first select a file!", MessageIcon::None});
    return;
  }
  // The user's choice is not lost silently: an unsaved path keeps the chooser open.
  if (store_.Write(kind_.key, FullPath())) view_.Hide();
}

}  // namespace aerolark
