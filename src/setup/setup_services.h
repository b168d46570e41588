#pragma once
// What the dialog needs from the desktop, gathered so that tests can hand in
// their own: message boxes, the font families, the mounted file systems,
// opening a web page and running a chooser modally.

#include <QString>
#include <QStringList>
#include <functional>

#include "setup/file_systems.h"

class QDialog;
class QUrl;

namespace aerolark {

class MessageSink;

struct SetupServices {
  MessageSink* messages = nullptr;
  std::function<QStringList()> fontFamilies;
  FileSystemSource fileSystems;
  std::function<void(const QUrl&)> openUrl;
  // Shows the chooser modally and returns once it is hidden.
  std::function<void(QDialog&)> runModal;
};

// The real desktop: QFontDatabase, QStorageInfo, QDesktopServices and exec().
SetupServices DesktopSetupServices(MessageSink& messages);

// "http://" and the maker's host; the support page's address.
QString MakerAddress();
QString SupportAddress();
QString ProgramVersion();

}  // namespace aerolark
