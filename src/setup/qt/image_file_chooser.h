#pragma once
// The image chooser's Qt view: a small modal window with the file name, the
// file list and type on the left, the folder and drive on the right. The
// logic decides what each list holds and what "&OK" stores.

#include <QDialog>
#include <vector>

#include "setup/dialog_view.h"
#include "setup/forwarding_view.h"
#include "setup/image_chooser_logic.h"
#include "setup/qt/qt_controls.h"
#include "setup/qt/setup_services.h"

class QTreeWidget;

namespace aerolark {

class ImageFileChooser final : public QDialog,
                               public ForwardingView<ChooserView, WidgetControls> {
 public:
  // Opens in the program's current folder with the pattern "*.BMP".
  ImageFileChooser(const ChooserKind& kind, DialogStore& store,
                   std::vector<FileSystem> fileSystems, MessageShower showMessage,
                   QWidget* parent = nullptr);

  ImageChooserLogic& logic() { return logic_; }

  // ChooserView
  void SetText(Control control, std::string_view text) override;
  void ShowFolders(const FolderTree& tree) override;
  void Hide() override { accept(); }
  void Show(const Message& message) override { showMessage_(this, message); }

 private:
  void BuildControls();

  MessageShower showMessage_;
  QTreeWidget* folders_ = nullptr;
  ImageChooserLogic logic_;
};

}  // namespace aerolark
