#pragma once
// The "Logo/Message" page: the logo choice, the message text, its font
// (from the first 40 of the system's font families) and its size.

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

#include "setup/control_bindings.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace aerolark {

class DialogStore;

class LogoMessagePage final : public QWidget {
 public:
  static constexpr int kFontListSize = 40;

  LogoMessagePage(DialogStore& store, QWidget* parent = nullptr);
  ~LogoMessagePage() override;

  // Fills the font list with the first 40 of `families`, kept sorted.
  void FillFonts(const QStringList& families);
  // Selects the font at the stored `SelectedFont` (the first entry when that
  // is no position of the list) and runs the selection handler.
  void SelectStoredFontIndex();
  // Selects the entry whose text is the stored `FontName` (the first entry
  // when none is) and runs the selection handler.
  void SelectStoredFontName();
  // Draws the sample in the selected entry's font.
  void ShowSelectedFontInSample();
  // Selects the size at the stored `SelectedFontSize` (the first entry when
  // that is no position) and runs the selection handler.
  void SelectStoredSizeIndex();
  // Sets the size list's edit text from the stored `FontSize` and runs the
  // typing handler.
  void LoadSizeText();
  // Shows the stored logo file name.
  void SelectLogo();

  void OnFontChosen(int index);
  void OnSizeChosen(int index);
  void OnSizeTyped();

  void SetSelectHandler(std::function<void()> handler) { onSelect_ = std::move(handler); }

  std::unique_ptr<CheckBinding> logo;
  std::unique_ptr<CheckBinding> message;
  std::unique_ptr<TextBinding> messageText;

 private:
  QWidget* MakeLogoGroup();
  QWidget* MakeTitleGroup();

  DialogStore& store_;
  QLineEdit* logoBox_ = nullptr;
  QComboBox* fonts_ = nullptr;
  QComboBox* sizes_ = nullptr;
  QLabel* sample_ = nullptr;
  std::function<void()> onSelect_;
};

}  // namespace aerolark
