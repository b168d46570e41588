#pragma once
// One SDL window that shows the frame, and how the frame reaches it: through
// an SDL renderer (scaled by the GPU; renderer_output.cpp), or scaled on the
// CPU and handed to the X server in shared memory, through an X image of our
// own (x_image_output.cpp) or the window's own surface (surface_output.cpp),
// which is far cheaper where the renderer would only be software OpenGL.

#include <memory>
#include <string>

#include <SDL.h>

#include "drivers/software/damage.h"
#include "drivers/software/frame_buffer.h"

namespace aerolark {

class WindowOutput {
 public:
  virtual ~WindowOutput();
  WindowOutput(const WindowOutput&) = delete;
  WindowOutput& operator=(const WindowOutput&) = delete;

  // The pixel format Show wants its frame in.
  virtual Uint32 Format() const = 0;
  // Shows `frame` (already in Format()) scaled to the window, shape kept,
  // black bars around. Only the `changed` parts of the frame differ from
  // the frame shown last; null: show it all, as after an expose.
  virtual void Show(const SDL_Surface& frame, const DamageList* changed) = 0;
  // Shows the frame as composed, converting it on the way, as Show does;
  // false when this output wants it converted to Format() and given to Show.
  virtual bool ShowComposed(const FrameBuffer&, const DamageList*) { return false; }
  // Presents per second at most; 0 when the output does not know.
  virtual double RefreshRate() const = 0;
  virtual std::string Describe() const = 0;

  SDL_Window* Window() const { return window_; }

 protected:
  explicit WindowOutput(SDL_Window* window) : window_(window) {}

 private:
  SDL_Window* window_;  // owned: destroyed with the output
};

// Through an SDL renderer on `window`; null when none can be made. With
// `gpuOnly`, a renderer that draws in software (SDL's own, or OpenGL that is
// only a software rasterizer) counts as none. `vsync`: wait for the display's
// refresh when presenting. Takes the window only on success.
std::unique_ptr<WindowOutput> MakeRendererOutput(SDL_Window* window, int frameWidth,
                                                 int frameHeight, bool vsync, bool gpuOnly);
// Through an X11 image of our own, scaled on the CPU as the window surface
// is; null where the window is not an X11 one. Takes the window only on
// success.
std::unique_ptr<WindowOutput> MakeXImageOutput(SDL_Window* window);
// Through the window's own surface; null when it has none. Takes the window
// only on success.
std::unique_ptr<WindowOutput> MakeSurfaceOutput(SDL_Window* window);

inline SDL_Rect ToRect(const Box& box) { return {box.left, box.top, box.Width(), box.Height()}; }

// True when the window's X server can give this process direct GPU
// rendering (it offers DRI3 or DRI2). Other video drivers are assumed to.
bool DisplayHasDirectRendering(SDL_Window* window);

}  // namespace aerolark
