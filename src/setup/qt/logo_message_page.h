#pragma once
// The "Logo/Message" page: the logo choice, the message text, its font and
// its size, with a sample of the font.

#include <QWidget>

#include "setup/qt/qt_controls.h"

namespace aerolark {

class LogoMessagePage final : public QWidget {
 public:
  LogoMessagePage(Wiring wiring, QWidget* parent = nullptr);

 private:
  QWidget* MakeLogoGroup(Wiring wiring);
  QWidget* MakeTitleGroup(Wiring wiring);
};

}  // namespace aerolark
