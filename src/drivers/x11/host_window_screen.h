#pragma once
// Draws inside a window another program owns (the XScreenSaver convention):
// follows its size, maps no window of its own and takes no input. Frames go
// there with Xlib (shared memory where the server offers it), since SDL
// cannot reliably render into a foreign window. No Xlib header here.

#include <memory>

#include "drivers/software/screen.h"
#include "drivers/x11/x_image_presenter.h"

namespace aerolark {

class HostWindowScreen : public Screen {
 public:
  // Null when there is no X display or no such window. `colours`: as for
  // XImagePresenter.
  static std::unique_ptr<HostWindowScreen> Open(unsigned long window,
                                                const ColourTableMaker& colours);
  ~HostWindowScreen() override;

  void Present(const FrameBuffer& frame, const DamageList& changed) override;
  // Input belongs to the host; only the window's end is raised, as a key.
  void DeliverInput(DrawingEvents& sink) override;
  void WaitForInput(double seconds) override;
  bool Gone() const override;
  double PresentRate() const override { return 60.0; }
  std::string Presenter() const override;

 private:
  struct State;
  explicit HostWindowScreen(std::unique_ptr<State> state);
  // The window's size changes, exposes and end, from the events read.
  void TakeEvents();
  std::unique_ptr<State> state_;
};

}  // namespace aerolark
