#include "setup/aircraft_logic.h"

#include "settings/stop_sound_choices.h"
#include "setup/dialog_store.h"
#include "setup/dialog_view.h"

namespace aerolark {

AircraftLogic::AircraftLogic(DialogView& view, DialogStore& store) : view_(view), store_(store) {
  for (const StopSoundChoice& choice : kStopSoundChoices) items_.emplace_back(choice.text);
}

void AircraftLogic::FillSoundOff() {
  view_.SetItems(Control::cboSoundOff, items_);
  view_.SetText(Control::cboSoundOff, items_.front());
}

void AircraftLogic::LoadSoundOff() {
  view_.SetText(Control::cboSoundOff, store_.Read(Key::SoundOff));
}

void AircraftLogic::OnSoundOffChosen(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  store_.Write(Key::SoundOff, items_[index]);
}

}  // namespace aerolark
