#include "setup/background_logic.h"

#include <cmath>

#include "settings/conversions.h"
#include "setup/dialog_store.h"
#include "setup/dialog_view.h"

namespace aerolark {
namespace {

constexpr int kOptionCount = 3;  // solid black, solid sky blue, custom

}  // namespace

void BackgroundLogic::LoadChoice() {
  choice_ = store_.Read(Key::BackGround);
  double index = std::nearbyint(NumericRead(choice_) - 1);
  OnOptionChosen(index >= 0 && index < kOptionCount ? static_cast<int>(index) : 0);
}

void BackgroundLogic::OnOptionChosen(int index) {
  if (index < 0 || index >= kOptionCount) return;
  view_.SetNumber(Control::optBakGrnd, index);
  choice_ = std::to_string(index + 1);
  store_.Write(Key::BackGround, choice_);
  RefreshChoice();
}

void BackgroundLogic::RefreshChoice() {
  choice_ = store_.Read(Key::BackGround);
  EnableSelectForChoice();
}

void BackgroundLogic::EnableSelectForChoice() {
  view_.SetEnabled(Control::cmdSelectBG, NumericRead(choice_) == 3);
}

void BackgroundLogic::SelectBG() { view_.SetText(Control::txtBGFile, store_.Read(Key::BMPFileName)); }

}  // namespace aerolark
