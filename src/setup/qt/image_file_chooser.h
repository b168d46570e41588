#pragma once
// The image chooser's Qt view: a small modal window with the file name, the
// file list and type on the left, the folder and drive on the right. The
// logic decides what each list holds and what "&OK" stores.

#include <QDialog>
#include <vector>

#include "setup/dialog_view.h"
#include "setup/image_chooser_logic.h"
#include "setup/qt/qt_controls.h"
#include "setup/qt/setup_services.h"

class QTreeWidget;

namespace aerolark {

class ImageFileChooser final : public QDialog, public ChooserView {
 public:
  // Opens in the program's current folder with the pattern "*.BMP".
  ImageFileChooser(const ChooserKind& kind, DialogStore& store,
                   std::vector<FileSystem> fileSystems, MessageShower showMessage,
                   QWidget* parent = nullptr);

  ImageChooserLogic& logic() { return logic_; }

  // ChooserView
  int Number(Control control) override { return controls_.Number(control); }
  void SetNumber(Control control, int number) override { controls_.SetNumber(control, number); }
  std::string Text(Control control) override { return controls_.Text(control); }
  void SetText(Control control, std::string_view text) override;
  void SetItems(Control control, const std::vector<std::string>& items) override {
    controls_.SetItems(control, items);
  }
  void SetEnabled(Control control, bool enabled) override { controls_.SetEnabled(control, enabled); }
  void ShowFolders(const FolderTree& tree) override;
  void Hide() override { accept(); }
  void Show(const Message& message) override { showMessage_(this, message); }

 private:
  void BuildControls();

  MessageShower showMessage_;
  WidgetControls controls_;
  QTreeWidget* folders_ = nullptr;
  ImageChooserLogic logic_;
};

}  // namespace aerolark
