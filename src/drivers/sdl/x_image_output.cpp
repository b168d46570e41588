// Frames through an X image of our own (drivers/x11), sent over a
// connection of our own: SDL's window surface waits for the server after
// every present.

#include <memory>

#include "drivers/sdl/window_output.h"
#include "drivers/sdl/x11_bridge.h"
#include "drivers/x11/x_image_presenter.h"

namespace aerolark {
namespace {

class XImageOutput : public WindowOutput {
 public:
  XImageOutput(SDL_Window* window, std::unique_ptr<XImagePresenter> presenter)
      : WindowOutput(window), presenter_(std::move(presenter)) {}

  // Never asked for: the presenter converts the composed frame itself.
  Uint32 Format() const override { return SDL_PIXELFORMAT_UNKNOWN; }
  void Show(const SDL_Surface&, const DamageList*) override {}
  bool ShowComposed(const FrameBuffer& frame, const DamageList* changed) override {
    int width = 0, height = 0;
    SDL_GetWindowSizeInPixels(Window(), &width, &height);
    presenter_->Show(frame, changed, width, height);
    return true;
  }
  double RefreshRate() const override { return 0.0; }
  std::string Describe() const override { return presenter_->Describe(); }

 private:
  std::unique_ptr<XImagePresenter> presenter_;
};

}  // namespace

std::unique_ptr<WindowOutput> MakeXImageOutput(SDL_Window* window) {
  const auto x11 = X11WindowOf(window);
  if (!x11) return nullptr;
  auto presenter = XImagePresenter::Open(DisplayNameOf(*x11), x11->window, SdlColourTable);
  if (!presenter) return nullptr;
  return std::make_unique<XImageOutput>(window, std::move(presenter));
}

}  // namespace aerolark
