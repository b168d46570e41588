#pragma once
// The settings dialog's Qt view: five pages and a bottom bar. It builds the
// widgets, hands every user change to the logic's handler and shows what the
// logic sets; "&OK" and the close box only close it.

#include <QDialog>

#include "setup/dialog_view.h"
#include "setup/forwarding_view.h"
#include "setup/qt/qt_controls.h"
#include "setup/qt/setup_services.h"
#include "setup/setup_logic.h"
#include "setup/waiting_messages.h"

namespace aerolark {

class Setup final : public QDialog, public ForwardingView<DialogView, WidgetControls> {
 public:
  // The designed client area at 96 DPI (8250 × 5535 twips); the window is
  // larger at a higher DPI or where the desktop's font needs more room.
  static constexpr int kClientWidth = 550;
  static constexpr int kClientHeight = 369;

  // Builds the dialog and runs the opening sequence. `installFolder` ends
  // with a separator; the dialog shows it without.
  Setup(Settings& settings, const QString& installFolder, SetupServices services,
        QWidget* parent = nullptr);

  // DialogView
  void SetFontName(Control label, std::string_view family) override;
  void RunChooser(const ChooserKind& kind, DialogStore& store) override;
  // A web address, or the path of a page on this machine.
  void OpenWebPage(const std::string& address) override { services_.openUrl(address); }
  // A message raised before the dialog is on screen (a store that cannot be
  // written while the opening sequence runs) waits until it is, so that it
  // shows over the dialog rather than alone.
  void Show(const Message& message) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* MakeBottomBar();

  SetupServices services_;
  std::string installFolder_;  // ends with a separator
  SetupLogic logic_;
  WaitingMessages waiting_;
};

}  // namespace aerolark
