#include "drivers/sdl/window_output.h"

#include "drivers/sdl/x11_bridge.h"

namespace aerolark {

WindowOutput::~WindowOutput() {
  // SDL takes a full-screen X11 window out of full screen before destroying
  // it and then waits up to a tenth of a second for a window manager to
  // answer; once the window is unmapped there is nothing to wait for, and it
  // vanishes at once.
  if (const auto x11 = X11WindowOf(window_)) UnmapAtOnce(*x11);
  SDL_DestroyWindow(window_);
}

bool DisplayHasDirectRendering(SDL_Window* window) {
  const auto x11 = X11WindowOf(window);
  return !x11 || OffersDirectRendering(*x11);
}

}  // namespace aerolark
