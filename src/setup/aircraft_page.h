#pragma once
// The "Aircraft" page: pointer sensitivity, clock, power saving, background
// planes, the aircraft's sound and interval, and the biplanes' speed.

#include <QWidget>
#include <memory>

#include "setup/control_bindings.h"

class QComboBox;

namespace aerolark {

class DialogStore;

class AircraftPage final : public QWidget {
 public:
  AircraftPage(DialogStore& store, QWidget* parent = nullptr);
  ~AircraftPage() override;

  // Shows the stored stop-sound choice as the list's edit text; stores nothing.
  void LoadSoundOff();

  // The controls' bindings, loaded one by one in the dialog's opening order.
  std::unique_ptr<SliderBinding> mouseSensitivity;
  std::unique_ptr<CheckBinding> clock;
  std::unique_ptr<TextBinding> clockFontSize;
  std::unique_ptr<CheckBinding> powerSave;
  std::unique_ptr<CheckBinding> planeVisible;
  std::unique_ptr<SliderBinding> planeInterval;
  std::unique_ptr<CheckBinding> prop;
  std::unique_ptr<SliderBinding> aircraftInterval;
  std::unique_ptr<SliderBinding> volume;
  std::unique_ptr<SliderBinding> speed;

 private:
  QWidget* MakeMouseGroup();
  QWidget* MakeClockGroup();
  QWidget* MakePlanesGroup();
  QWidget* MakeSoundsGroup();
  QWidget* MakeSpeedGroup();
  void OnSoundOffChosen(int index);

  DialogStore& store_;
  QComboBox* soundOff_ = nullptr;
};

}  // namespace aerolark
