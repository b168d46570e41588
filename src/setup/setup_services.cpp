#include "setup/setup_services.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFontDatabase>
#include <QUrl>

namespace aerolark {

SetupServices DesktopSetupServices(MessageSink& messages) {
  SetupServices services;
  services.messages = &messages;
  // The family names only: no font is opened, so the dialog opens quickly
  // however many fonts are installed.
  services.fontFamilies = [] { return QFontDatabase::families(); };
  services.fileSystems = [] { return MountedFileSystems(); };
  // A missing browser changes nothing and reports nothing.
  services.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
  services.runModal = [](QDialog& dialog) { dialog.exec(); };
  return services;
}

QString MakerAddress() { return QStringLiteral("http://" AEROLARK_WEB_HOST); }

QString SupportAddress() { return MakerAddress() + QStringLiteral("/support.htm"); }

QString ProgramVersion() { return QStringLiteral(AEROLARK_VERSION); }

}  // namespace aerolark
