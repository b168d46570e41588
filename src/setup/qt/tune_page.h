#pragma once
// The "Tune the Screensaver" page: how often the scene is composed.

#include <QWidget>

#include "setup/qt/qt_controls.h"

namespace aerolark {

class TunePage final : public QWidget {
 public:
  TunePage(Wiring wiring, QWidget* parent = nullptr);
};

}  // namespace aerolark
