#pragma once
// The settings dialog: five pages and a bottom bar. Every control shows the
// stored value when the dialog opens and stores each change at once; "&OK"
// and the close box only close it.

#include <QDialog>
#include <memory>

#include "setup/dialog_store.h"
#include "setup/setup_services.h"

namespace aerolark {

class AircraftPage;
class BackgroundPage;
class HelpPage;
class LogoMessagePage;
class TunePage;
struct ChooserKind;

class Setup final : public QDialog {
 public:
  static constexpr int kClientWidth = 550;
  static constexpr int kClientHeight = 369;

  // Builds the dialog and runs the opening sequence. `installFolder` ends
  // with a separator; the dialog shows it without.
  Setup(Settings& settings, const QString& installFolder, SetupServices services,
        QWidget* parent = nullptr);
  ~Setup() override;

  // Opens a web page in the user's browser; the outcome is not examined.
  void Navigate(const QString& webPageUrl);

 private:
  QWidget* MakeBottomBar();
  void Load();
  void ShowAbout();
  void SelectPicture(const ChooserKind& kind);

  SetupServices services_;
  DialogStore store_;
  AircraftPage* aircraft_ = nullptr;
  BackgroundPage* background_ = nullptr;
  LogoMessagePage* logoMessage_ = nullptr;
  HelpPage* help_ = nullptr;
  TunePage* tune_ = nullptr;
};

}  // namespace aerolark
