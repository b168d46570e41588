#include "drivers/sdl/host_window_screen.h"

#include <poll.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include "drivers/software/letterbox.h"
#include "drivers/software/nearest_scale.h"
#include "drivers/sdl/sdl_handles.h"
#include "platform/x11/x11_error_trap.h"

namespace aerolark {
namespace {

// An XImage of the window's visual and its pixels, in shared memory when
// the server offers it.
struct HostImage {
  Display* display = nullptr;
  XImage* image = nullptr;
  XShmSegmentInfo shm{};
  bool shared = false;
  SurfaceHandle surface;  // the image's pixels, seen by SDL

  ~HostImage() {
    if (shared) {
      XShmDetach(display, &shm);
      XSync(display, False);
    }
    if (shared) {
      shmdt(shm.shmaddr);
      if (image) image->data = nullptr;  // not Xlib's to free
    }
    if (image) XDestroyImage(image);  // frees the pixels too when not shared
  }
};

std::unique_ptr<HostImage> MakeSharedImage(Display* display, Visual* visual, int depth, int w,
                                           int h) {
  if (!XShmQueryExtension(display)) return nullptr;
  auto host = std::make_unique<HostImage>();
  host->display = display;
  host->image = XShmCreateImage(display, visual, depth, ZPixmap, nullptr, &host->shm, w, h);
  if (!host->image) return nullptr;
  host->shm.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(host->image->bytes_per_line) * h,
                           IPC_CREAT | 0600);
  if (host->shm.shmid < 0) return nullptr;
  host->shm.shmaddr = host->image->data = static_cast<char*>(shmat(host->shm.shmid, nullptr, 0));
  host->shm.readOnly = False;
  const unsigned long errorsBefore = X11ErrorTrap::ErrorsSeen();
  const bool attached = host->shm.shmaddr != reinterpret_cast<char*>(-1) &&
                        XShmAttach(display, &host->shm);
  XSync(display, False);
  // Marked for removal now, so it goes away with the last user even on a crash.
  shmctl(host->shm.shmid, IPC_RMID, nullptr);
  if (!attached || X11ErrorTrap::ErrorsSeen() != errorsBefore) {
    if (host->shm.shmaddr != reinterpret_cast<char*>(-1)) shmdt(host->shm.shmaddr);
    host->image->data = nullptr;
    return nullptr;  // a remote server cannot share our memory
  }
  host->shared = true;
  return host;
}

std::unique_ptr<HostImage> MakePlainImage(Display* display, Visual* visual, int depth, int w,
                                          int h) {
  auto host = std::make_unique<HostImage>();
  host->display = display;
  host->image = XCreateImage(display, visual, depth, ZPixmap, 0, nullptr, w, h, 32, 0);
  if (!host->image) return nullptr;
  host->image->data = static_cast<char*>(
      std::calloc(static_cast<size_t>(host->image->bytes_per_line) * h, 1));
  if (!host->image->data) return nullptr;
  return host;
}

}  // namespace

struct HostWindowScreen::State {
  Display* display = nullptr;
  Window window = 0;
  GC gc = nullptr;
  // Errors are recorded, not fatal, from before the display opens until
  // after it closes: the host may destroy its window at any moment.
  std::unique_ptr<X11ErrorTrap> errors = std::make_unique<X11ErrorTrap>(nullptr);
  std::unique_ptr<HostImage> image;
  SurfaceHandle converted;  // the frame in the image's format, unscaled
  NearestScale scale;
  // The next present shows the whole frame: the image is new, or the
  // window lost its picture (an expose).
  bool repaintAll = true;

  ~State() {
    image.reset();
    if (gc) XFreeGC(display, gc);
    if (display) {
      XSync(display, False);
      XCloseDisplay(display);
    }
    X11ErrorTrap::WatchWindow(0);
  }

  bool SizeImage(int width, int height);
  void Show(const FrameBuffer& frame, const DamageList& changed);
  void Put(const Box& area);
};

bool HostWindowScreen::State::SizeImage(int width, int height) {
  if (image && image->image->width == width && image->image->height == height) return true;
  image.reset();
  converted.reset();
  repaintAll = true;
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) return false;
  image = MakeSharedImage(display, attributes.visual, attributes.depth, width, height);
  if (!image) image = MakePlainImage(display, attributes.visual, attributes.depth, width, height);
  if (!image) return false;
  XImage* x = image->image;
  const Uint32 format = SDL_MasksToPixelFormatEnum(x->bits_per_pixel, x->red_mask,
                                                   x->green_mask, x->blue_mask, 0);
  if (format == SDL_PIXELFORMAT_UNKNOWN) {
    image.reset();
    return false;
  }
  image->surface.reset(SDL_CreateRGBSurfaceWithFormatFrom(x->data, width, height,
                                                          x->bits_per_pixel, x->bytes_per_line,
                                                          format));
  return image->surface != nullptr;
}

void HostWindowScreen::State::Put(const Box& area) {
  XImage* x = image->image;
  if (image->shared) {
    XShmPutImage(display, window, gc, x, area.left, area.top, area.left, area.top,
                 static_cast<unsigned>(area.Width()), static_cast<unsigned>(area.Height()), False);
  } else {
    XPutImage(display, window, gc, x, area.left, area.top, area.left, area.top,
              static_cast<unsigned>(area.Width()), static_cast<unsigned>(area.Height()));
  }
}

// Converts, scales and sends only what changed since the last present.
void HostWindowScreen::State::Show(const FrameBuffer& frame, const DamageList& changed) {
  SDL_Surface* target = image->surface.get();
  if (!converted) {
    converted.reset(SDL_CreateRGBSurfaceWithFormat(0, frame.Width(), frame.Height(), 32,
                                                   target->format->format));
    if (!converted) return;
    repaintAll = true;
  }
  const bool whole = repaintAll;
  repaintAll = false;
  DamageList all;
  if (whole) all.Add(frame.Bounds());
  const std::vector<Box>& parts = whole ? all.Boxes() : changed.Boxes();
  // Convert once, then scale in the target's own format.
  const int bytes = converted->format->BytesPerPixel;
  for (const Box& part : parts) {
    SDL_ConvertPixels(part.Width(), part.Height(), SDL_PIXELFORMAT_RGB565,
                      frame.Row(part.top) + part.left,
                      frame.Width() * static_cast<int>(sizeof(Pixel565)),
                      converted->format->format,
                      static_cast<Uint8*>(converted->pixels) +
                          static_cast<std::ptrdiff_t>(part.top) * converted->pitch +
                          part.left * bytes,
                      converted->pitch);
  }
  const Box box = Letterbox(frame.Width(), frame.Height(), target->w, target->h);
  if (!scale.Fits(frame.Width(), frame.Height(), box)) {
    scale = NearestScale(frame.Width(), frame.Height(), box);
  }
  const auto* source = static_cast<const Uint8*>(converted->pixels);
  auto* pixels = static_cast<Uint8*>(target->pixels);
  if (whole) {
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    scale.Scale(source, converted->pitch, pixels, target->pitch, bytes, box);
    Put(Box{0, 0, target->w, target->h});
  } else {
    for (const Box& part : parts) {
      const Box area = scale.Covering(part);
      if (area.Empty()) continue;
      scale.Scale(source, converted->pitch, pixels, target->pitch, bytes, area);
      Put(area);
    }
  }
  // The pixels may be rewritten only once the server has taken them.
  XSync(display, False);
}

std::unique_ptr<HostWindowScreen> HostWindowScreen::Open(unsigned long window) {
  auto state = std::make_unique<State>();
  X11ErrorTrap::WatchWindow(window);
  state->display = XOpenDisplay(nullptr);
  if (!state->display) return nullptr;
  state->window = static_cast<Window>(window);
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(state->display, state->window, &attributes) || X11ErrorTrap::WatchedWindowGone()) {
    return nullptr;
  }
  // Size changes, exposes and the window's end; other clients' input masks
  // are left alone.
  XSelectInput(state->display, state->window, StructureNotifyMask | ExposureMask);
  state->gc = XCreateGC(state->display, state->window, 0, nullptr);
  XSync(state->display, False);
  if (X11ErrorTrap::WatchedWindowGone()) return nullptr;
  return std::unique_ptr<HostWindowScreen>(new HostWindowScreen(std::move(state)));
}

HostWindowScreen::HostWindowScreen(std::unique_ptr<State> state) : state_(std::move(state)) {}

HostWindowScreen::~HostWindowScreen() = default;

bool HostWindowScreen::Gone() const { return X11ErrorTrap::WatchedWindowGone(); }

std::string HostWindowScreen::Presenter() const {
  if (!state_->image) return "host window";
  return state_->image->shared ? "host window, shared memory" : "host window, XPutImage";
}

void HostWindowScreen::Present(const FrameBuffer& frame, const DamageList& changed) {
  if (Gone()) return;
  // The host may resize its window at any time; no event is promised for it.
  Window root;
  int x, y;
  unsigned width = 0, height = 0, border, depth;
  if (!XGetGeometry(state_->display, state_->window, &root, &x, &y, &width, &height, &border,
                    &depth) ||
      Gone() || width == 0 || height == 0) {
    return;
  }
  if (state_->SizeImage(static_cast<int>(width), static_cast<int>(height))) {
    state_->Show(frame, changed);
  }
}

void HostWindowScreen::DeliverInput(DrawingEvents& sink) {
  while (XPending(state_->display) > 0) {
    XEvent event;
    XNextEvent(state_->display, &event);
    if (event.type == DestroyNotify && event.xdestroywindow.window == state_->window) {
      X11ErrorTrap::NoteWatchedWindowGone();
    } else if (event.type == Expose) {
      state_->repaintAll = true;
    }
  }
  if (Gone()) sink.KeyEvent();
}

void HostWindowScreen::WaitForInput(double seconds) {
  if (XPending(state_->display) > 0) return;
  pollfd descriptor{ConnectionNumber(state_->display), POLLIN, 0};
  poll(&descriptor, 1, std::max(1, static_cast<int>(std::ceil(seconds * 1000.0))));
}

}  // namespace aerolark
