#pragma once
// The "BackGround" page: solid black, solid sky blue or a custom picture,
// and the button that opens the background chooser.

#include <QString>
#include <QWidget>
#include <functional>

class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace aerolark {

class DialogStore;

class BackgroundPage final : public QWidget {
 public:
  // `installFolder` is shown without its trailing separator.
  BackgroundPage(DialogStore& store, const QString& installFolder, QWidget* parent = nullptr);

  // Reads the stored choice and selects its option, running its handler; a
  // choice that names no option selects the first.
  void LoadChoice();
  // The handler of option `index` (0 to 2): stores index + 1, then re-reads it.
  void OnOptionChosen(int index);
  // Re-reads the stored choice into the field and enables "Select Background"
  // only for the custom picture.
  void RefreshChoice();
  // Enables "Select Background" only while the field holds the custom picture.
  void EnableSelectForChoice();
  // Shows the stored background file name.
  void SelectBG();

  // Runs when "Select Background" is clicked.
  void SetSelectHandler(std::function<void()> handler) { onSelect_ = std::move(handler); }
  const QString& choice() const { return choice_; }

 private:
  QWidget* MakeChoiceGroup();
  QWidget* MakeCustomGroup(const QString& installFolder);

  DialogStore& store_;
  QString choice_;  // the current choice as text: "1", "2" or "3"
  QButtonGroup* options_ = nullptr;
  QPushButton* selectButton_ = nullptr;
  QLineEdit* fileBox_ = nullptr;
  std::function<void()> onSelect_;
};

// The install folder as the dialog shows it: without a trailing separator.
QString InstallFolderForDisplay(const QString& installFolder);

}  // namespace aerolark
