#pragma once
// What the Qt dialog needs from the desktop, gathered so that tests can hand
// in their own: message boxes, the font families, the mounted file systems,
// opening a web page and running a chooser modally.

#include <functional>
#include <string>
#include <vector>

#include "setup/file_systems.h"
#include "setup/message.h"

class QDialog;
class QWidget;

namespace aerolark {

// Shows a message box owned by `owner` (none: no owner) and returns once it
// is acknowledged.
using MessageShower = std::function<void(QWidget* owner, const Message& message)>;

struct SetupServices {
  MessageShower showMessage;
  std::function<std::vector<std::string>()> fontFamilies;
  FileSystemSource fileSystems;
  std::function<void(const std::string& address)> openUrl;
  // Shows the chooser modally and returns once it is hidden.
  std::function<void(QDialog&)> runModal;
};

// The real desktop: QMessageBox, QFontDatabase, QStorageInfo,
// QDesktopServices and exec().
SetupServices DesktopSetupServices();

// A modal QMessageBox with one OK button.
void ShowMessageBox(QWidget* owner, const Message& message);

// The machine's mounted file systems, sorted by mount point.
std::vector<FileSystem> MountedFileSystems();

}  // namespace aerolark
