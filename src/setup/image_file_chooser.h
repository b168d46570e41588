#pragma once
// A small modal window that picks a picture file by drive, folder and file
// type, and on "&OK" stores the file's full path under one key and hides.
// One design serves both the background and the logo chooser.

#include <QDialog>
#include <QHash>
#include <QSize>
#include <vector>

#include "settings/setting_keys.h"
#include "setup/file_systems.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;

namespace aerolark {

class DialogStore;

struct ChooserKind {
  QString caption;
  Key key;
  QSize clientSize;
};

// The background chooser ("GetFile") and the logo chooser ("GetLogo").
ChooserKind BackgroundChooser();
ChooserKind LogoChooser();

// The path "&OK" stores: the folder and the selected file's name when the
// typed name is exactly (case and all) that name; the typed text unchanged
// otherwise. `selectedName` is empty when no file is selected.
QString ChosenPath(const QString& folder, const QString& typedName, const QString& selectedName);

class ImageFileChooser final : public QDialog {
 public:
  // Opens in the program's current folder with the pattern "*.BMP".
  ImageFileChooser(const ChooserKind& kind, DialogStore& store,
                   std::vector<FileSystem> fileSystems, QWidget* parent = nullptr);

  // Sets the file list's pattern; an index outside the four types changes nothing.
  void ChooseFileType(int index);
  // Moves to the drive's current folder; on failure tells the user
  // "Drive error!" and puts the drive in use back into the drive list.
  void ChooseDrive(int index);
  // Makes `path` the current folder and lists its files.
  void OpenFolder(const QString& path);
  // "&OK": stores the full path and hides, or asks for a file first.
  void Confirm();

  const QString& folder() const { return folder_; }
  const QString& pattern() const { return pattern_; }

 private:
  void BuildControls();
  void FillDrives();
  void FillFolders();
  void FillFiles();
  void ShowDriveInUse();
  QString FullPath() const;

  ChooserKind kind_;
  DialogStore& store_;
  std::vector<FileSystem> fileSystems_;
  QHash<QString, QString> driveFolders_;  // each drive's current folder, by root
  QString folder_;
  QString pattern_;

  QLineEdit* name_ = nullptr;
  QListWidget* files_ = nullptr;
  QComboBox* types_ = nullptr;
  QLabel* folderName_ = nullptr;
  QTreeWidget* folders_ = nullptr;
  QComboBox* drives_ = nullptr;
};

}  // namespace aerolark
