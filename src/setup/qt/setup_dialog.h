#pragma once
// The settings dialog's Qt view: five pages and a bottom bar. It builds the
// widgets, hands every user change to the logic's handler and shows what the
// logic sets; "&OK" and the close box only close it.

#include <QDialog>

#include "setup/dialog_view.h"
#include "setup/qt/qt_controls.h"
#include "setup/qt/setup_services.h"
#include "setup/setup_logic.h"

namespace aerolark {

class Setup final : public QDialog, public DialogView {
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
  int Number(Control control) override { return controls_.Number(control); }
  void SetNumber(Control control, int number) override { controls_.SetNumber(control, number); }
  std::string Text(Control control) override { return controls_.Text(control); }
  void SetText(Control control, std::string_view text) override { controls_.SetText(control, text); }
  void SetItems(Control control, const std::vector<std::string>& items) override {
    controls_.SetItems(control, items);
  }
  void SetEnabled(Control control, bool enabled) override { controls_.SetEnabled(control, enabled); }
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
  void ShowWaitingMessages();

  SetupServices services_;
  std::string installFolder_;  // ends with a separator
  WidgetControls controls_;
  SetupLogic logic_;
  std::vector<Message> waiting_;
};

}  // namespace aerolark
