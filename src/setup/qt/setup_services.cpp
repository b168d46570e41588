#include "setup/qt/setup_services.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFontDatabase>
#include <QStorageInfo>
#include <QUrl>
#include <algorithm>

#include "setup/qt/qt_controls.h"

namespace aerolark {

SetupServices DesktopSetupServices() {
  SetupServices services;
  services.showMessage = ShowMessageBox;
  // The family names only: no font is opened, so the dialog opens quickly
  // however many fonts are installed.
  services.fontFamilies = [] {
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families()) families.push_back(FromQt(family));
    return families;
  };
  services.fileSystems = [] { return MountedFileSystems(); };
  // A missing browser changes nothing and reports nothing. A page shipped
  // with the program comes as a path, which a browser takes as a file URL.
  services.openUrl = [](const std::string& address) {
    const QString text = ToQt(address);
    QDesktopServices::openUrl(text.startsWith('/') ? QUrl::fromLocalFile(text) : QUrl(text));
  };
  services.runModal = [](QDialog& dialog) { dialog.exec(); };
  return services;
}

std::vector<FileSystem> MountedFileSystems() {
  std::vector<FileSystem> result;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid()) continue;
    result.push_back({FromQt(volume.rootPath()), volume.displayName() == volume.rootPath()
                                                     ? volume.device().toStdString()
                                                     : FromQt(volume.displayName())});
  }
  std::sort(result.begin(), result.end(),
            [](const FileSystem& a, const FileSystem& b) { return a.root < b.root; });
  return result;
}

}  // namespace aerolark
