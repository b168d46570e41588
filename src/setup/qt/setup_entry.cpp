#include "setup/qt/setup_entry.h"

#include <QApplication>
#include <QMessageBox>

#include "setup/qt/setup_dialog.h"

namespace aerolark {

int RunSetupDialog(Settings& settings, const std::string& installFolder, int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Aerolark"));
  Setup setup(settings, QString::fromStdString(installFolder), DesktopSetupServices());
  QObject::connect(&setup, &QDialog::finished, &app, &QApplication::quit);
  setup.show();
  // Without a window manager (a kiosk, a bare X session) nobody else gives
  // the new window the keyboard; with one, this is what it does anyway.
  setup.activateWindow();
  setup.raise();
  app.exec();
  return 0;
}

int ShowPasswordNotice(int argc, char** argv) {
  QApplication app(argc, argv);
  QMessageBox::information(
      nullptr, QStringLiteral("Aerolark"),
      QStringLiteral("Aerolark has no password of its own on Linux.\n\n"
                     "Your desktop's lock screen protects the screen and asks for your "
                     "login password."));
  return 0;
}

}  // namespace aerolark
