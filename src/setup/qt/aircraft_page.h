#pragma once
// The "Aircraft" page: pointer sensitivity, clock, power saving, background
// planes, the aircraft's sound and interval, and the biplanes' speed.

#include <QWidget>

#include "setup/qt/qt_controls.h"

namespace aerolark {

class AircraftPage final : public QWidget {
 public:
  AircraftPage(Wiring wiring, QWidget* parent = nullptr);

 private:
  QWidget* MakeMouseGroup(Wiring wiring);
  QWidget* MakeClockGroup(Wiring wiring);
  QWidget* MakePlanesGroup(Wiring wiring);
  QWidget* MakeSoundsGroup(Wiring wiring);
  QWidget* MakeSpeedGroup(Wiring wiring);
};

}  // namespace aerolark
