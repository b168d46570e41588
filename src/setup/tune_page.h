#pragma once
// The "Tune the Screensaver" page: how often the scene is composed.

#include <QWidget>
#include <memory>

#include "setup/control_bindings.h"

namespace aerolark {

class DialogStore;

class TunePage final : public QWidget {
 public:
  TunePage(DialogStore& store, QWidget* parent = nullptr);
  ~TunePage() override;

  std::unique_ptr<SliderBinding> tune;
};

}  // namespace aerolark
