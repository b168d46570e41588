#pragma once
// The "BackGround" page: solid black, solid sky blue or a custom picture,
// and the button that opens the background chooser.

#include <QString>
#include <QWidget>

#include "setup/qt/qt_controls.h"

namespace aerolark {

class BackgroundPage final : public QWidget {
 public:
  // `installFolder` is shown as the logic gives it for display.
  BackgroundPage(Wiring wiring, const QString& installFolder, QWidget* parent = nullptr);

 private:
  QWidget* MakeChoiceGroup(Wiring wiring);
  QWidget* MakeCustomGroup(Wiring wiring, const QString& installFolder);
};

}  // namespace aerolark
