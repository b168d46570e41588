#pragma once
// Windows of our own through SDL: one covering each monitor (desktop full
// screen, never changing the display mode), or one ordinary window. Every
// window shows the same frame.

#include <memory>
#include <vector>

#include <SDL.h>

#include "drivers/software/pointer_filter.h"
#include "drivers/sdl/sdl_handles.h"
#include "drivers/software/screen.h"
#include "drivers/sdl/window_output.h"
#include "drivers/x11/connection_watch.h"

#include "render/contract_types.h"

namespace aerolark {

class SdlWindowScreen : public Screen {
 public:
  // Null when there is no display (SDL found only its offscreen or dummy
  // driver) or no window can be made.
  // Covering the screen, one window per monitor: SDL's displays, or
  // `monitors` where the desktop names more of them.
  static std::unique_ptr<SdlWindowScreen> Open(int frameWidth, int frameHeight, bool windowed,
                                               const std::vector<MonitorArea>& monitors);
  ~SdlWindowScreen() override;

  void Present(const FrameBuffer& frame, const DamageList& changed) override;
  void DeliverInput(DrawingEvents& sink) override;
  void WaitForInput(double seconds) override;
  bool Gone() const override { return false; }
  double PresentRate() const override { return presentRate_; }
  std::string Presenter() const override;
  int Outputs() const override { return static_cast<int>(outputs_.size()); }

  // The first window: message boxes stand over it.
  SDL_Window* Window() const { return outputs_.empty() ? nullptr : outputs_.front()->Window(); }

 private:
  SdlWindowScreen() = default;
  bool Create(int frameWidth, int frameHeight, bool windowed,
              const std::vector<MonitorArea>& monitors);
  bool CoverMonitors(int frameWidth, int frameHeight, const std::vector<MonitorArea>& monitors);
  bool AddOutput(SDL_Window* window, int frameWidth, int frameHeight);
  // The kept frame in `format`; `made` when it was made just now.
  SDL_Surface* Converted(const FrameBuffer& frame, Uint32 format, bool& made);
  void Deliver(const SDL_Event& event, DrawingEvents& sink);

  bool videoStarted_ = false;
  // Decided with the first window: GPU renderers, or window surfaces.
  bool useRenderer_ = true;
  std::vector<std::unique_ptr<WindowOutput>> outputs_;
  // The frame converted to the outputs' format, once per present.
  std::vector<SurfaceHandle> converted_;
  double presentRate_ = 60.0;
  PointerFilter pointer_;
  // The next present shows the whole frame: a window lost its picture.
  bool repaintAll_ = true;
  // Under X11, SDL's connection, watched for input between SDL's pumps.
  _XDisplay* x11Connection_ = nullptr;
  bool inputArrived_ = true;  // since SDL last pumped
  bool pumped_ = true;        // since the last wait: SDL may have requests unsent
};

// Starts SDL's video; false when only a stand-in without a display exists.
bool StartSdlVideo();

}  // namespace aerolark
