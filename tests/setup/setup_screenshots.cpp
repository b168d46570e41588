// Writes a picture of each dialog page and of both choosers, at their real
// sizes, for a person to look at. Usage:
//   aerolark_setup_screenshots OUTDIR [POINTS [PREFIX]]
// (run under an X server, e.g. tools/with-xvfb). POINTS sets the desktop
// font's size; the files are named PREFIX-page0.png ... (PREFIX "dialog").
// For another DPI, run with QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=144.

#include <cstdio>
#include <cstdlib>
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>

#include "settings/setting_keys.h"
#include "setup/dialog_store.h"
#include "setup/qt/image_file_chooser.h"
#include "setup/qt/setup_dialog.h"
#include "setup_test_support.h"

using namespace aerolark;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  if (argc > 2) {
    QFont font = QApplication::font();
    font.setPointSize(std::atoi(argv[2]));
    QApplication::setFont(font);
  }
  const QString prefix = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("dialog");
  testing::RecordingSettings settings;
  WriteDefaults(settings, AEROLARK_SHARE_DIR);
  SetupServices services = DesktopSetupServices();
  services.showMessage = [](QWidget*, const Message&) {};
  services.runModal = [](QDialog&) {};
  Setup setup(settings, QStringLiteral(AEROLARK_SHARE_DIR), services);
  setup.show();
  if (!QTest::qWaitForWindowExposed(&setup)) std::fprintf(stderr, "window not exposed in time\n");
  auto* tabs = setup.findChild<QTabWidget*>("SSTab1");
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    setup.grab().save(outDir + QStringLiteral("/%1-page%2.png").arg(prefix).arg(i));
  }
  testing::RecordingChooserView messages;
  DialogStore store(settings, messages);
  const ChooserKind kinds[] = {BackgroundChooser(), LogoChooser()};
  const char* names[] = {"GetFile", "GetLogo"};
  for (int i = 0; i < 2; ++i) {
    ImageFileChooser chooser(kinds[i], store, MountedFileSystems(), services.showMessage);
    chooser.show();
    if (!QTest::qWaitForWindowExposed(&chooser)) std::fprintf(stderr, "window not exposed in time\n");
    chooser.grab().save(
        outDir + QStringLiteral("/%1-%2.png").arg(prefix, QString::fromLatin1(names[i])));
  }
  return 0;
}
