#include "drivers/sdl/x_image_presenter.h"

#include <poll.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <chrono>
#include <cstdlib>
#include <vector>

#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include "drivers/software/letterbox.h"
#include "drivers/sdl/sdl_handles.h"
#include "platform/x11/x11_error_trap.h"

namespace aerolark {
namespace {

// Past this, a put whose completion never came (the window went away and
// the put failed) is taken as done.
constexpr int kLongestWaitMs = 200;

}  // namespace

// An XImage of the window's visual and its pixels, in shared memory when
// the server offers it.
struct XImagePresenter::Image {
  Display* display = nullptr;
  XImage* image = nullptr;
  XShmSegmentInfo shm{};
  bool shared = false;
  SurfaceHandle surface;  // the image's pixels, seen by SDL

  ~Image() {
    if (shared) {
      XShmDetach(display, &shm);
      XSync(display, False);
      shmdt(shm.shmaddr);
      if (image) image->data = nullptr;  // not Xlib's to free
    }
    if (image) XDestroyImage(image);  // frees the pixels too when not shared
  }
};

std::unique_ptr<XImagePresenter> XImagePresenter::Open(const std::string& displayName,
                                                       unsigned long window) {
  std::unique_ptr<XImagePresenter> presenter(new XImagePresenter());
  presenter->display_ = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
  if (!presenter->display_) return nullptr;
  presenter->window_ = static_cast<Window>(window);
  XWindowAttributes attributes;
  {
    X11ErrorTrap trap(presenter->display_);
    if (!XGetWindowAttributes(presenter->display_, presenter->window_, &attributes) ||
        trap.Failed()) {
      return nullptr;
    }
  }
  presenter->visual_ = attributes.visual;
  presenter->depth_ = attributes.depth;
  // The image's pixel layout, from a one-pixel image of the visual.
  XImage* probe = XCreateImage(presenter->display_, attributes.visual, attributes.depth, ZPixmap,
                               0, nullptr, 1, 1, 32, 0);
  if (!probe) return nullptr;
  presenter->format_ = SDL_MasksToPixelFormatEnum(probe->bits_per_pixel, probe->red_mask,
                                                  probe->green_mask, probe->blue_mask, 0);
  XDestroyImage(probe);
  if (presenter->format_ == SDL_PIXELFORMAT_UNKNOWN) return nullptr;
  const int bytes = SDL_BYTESPERPIXEL(presenter->format_);
  std::vector<Uint16> every(65536);
  for (std::size_t i = 0; i < every.size(); ++i) every[i] = static_cast<Uint16>(i);
  presenter->colours_.resize(every.size() * static_cast<std::size_t>(bytes));
  if (SDL_ConvertPixels(65536, 1, SDL_PIXELFORMAT_RGB565, every.data(), 65536 * 2,
                        presenter->format_, presenter->colours_.data(), 65536 * bytes) != 0) {
    return nullptr;
  }
  presenter->gc_ = XCreateGC(presenter->display_, presenter->window_, 0, nullptr);
  if (XShmQueryExtension(presenter->display_)) {
    presenter->completionEvent_ = XShmGetEventBase(presenter->display_) + ShmCompletion;
  }
  return presenter;
}

XImagePresenter::~XImagePresenter() {
  if (!display_) return;
  image_.reset();
  if (gc_) XFreeGC(display_, gc_);
  XCloseDisplay(display_);
}

std::string XImagePresenter::Describe() const {
  if (!image_) return completionEvent_ >= 0 ? "X image, shared memory" : "X image, XPutImage";
  return image_->shared ? "X image, shared memory" : "X image, XPutImage";
}

namespace {

std::unique_ptr<XImagePresenter::Image> MakeSharedImage(Display* display, Visual* visual,
                                                        int depth, int w, int h) {
  auto host = std::make_unique<XImagePresenter::Image>();
  host->display = display;
  host->image = XShmCreateImage(display, visual, depth, ZPixmap, nullptr, &host->shm, w, h);
  if (!host->image) return nullptr;
  host->shm.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(host->image->bytes_per_line) * h,
                           IPC_CREAT | 0600);
  if (host->shm.shmid < 0) return nullptr;
  host->shm.shmaddr = host->image->data = static_cast<char*>(shmat(host->shm.shmid, nullptr, 0));
  host->shm.readOnly = False;
  bool attached = false;
  {
    X11ErrorTrap trap(display);
    attached = host->shm.shmaddr != reinterpret_cast<char*>(-1) && XShmAttach(display, &host->shm);
    attached = !trap.Failed() && attached;
  }
  // Marked for removal now, so it goes away with the last user even on a crash.
  shmctl(host->shm.shmid, IPC_RMID, nullptr);
  if (!attached) {
    if (host->shm.shmaddr != reinterpret_cast<char*>(-1)) shmdt(host->shm.shmaddr);
    host->image->data = nullptr;
    return nullptr;  // a remote server cannot share our memory
  }
  host->shared = true;
  return host;
}

std::unique_ptr<XImagePresenter::Image> MakePlainImage(Display* display, Visual* visual,
                                                       int depth, int w, int h) {
  auto host = std::make_unique<XImagePresenter::Image>();
  host->display = display;
  host->image = XCreateImage(display, visual, depth, ZPixmap, 0, nullptr, w, h, 32, 0);
  if (!host->image) return nullptr;
  host->image->data = static_cast<char*>(
      std::calloc(static_cast<size_t>(host->image->bytes_per_line) * h, 1));
  if (!host->image->data) return nullptr;
  return host;
}

}  // namespace

bool XImagePresenter::SizeImage(int width, int height) {
  if (image_ && image_->image->width == width && image_->image->height == height) return true;
  WaitUntilTaken();
  image_.reset();
  if (completionEvent_ >= 0) {
    image_ = MakeSharedImage(display_, visual_, depth_, width, height);
  }
  if (!image_) image_ = MakePlainImage(display_, visual_, depth_, width, height);
  if (!image_) return false;
  XImage* x = image_->image;
  image_->surface.reset(
      SDL_CreateRGBSurfaceWithFormatFrom(x->data, width, height, x->bits_per_pixel,
                                         x->bytes_per_line, format_));
  if (!image_->surface) image_.reset();
  return image_ != nullptr;
}

void XImagePresenter::WaitUntilTaken() {
  using Clock = std::chrono::steady_clock;
  const auto limit = Clock::now() + std::chrono::milliseconds(kLongestWaitMs);
  while (putPending_) {
    XEvent event;
    if (XCheckTypedEvent(display_, completionEvent_, &event)) {
      putPending_ = false;
      break;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(limit - Clock::now()).count();
    if (left <= 0) {
      putPending_ = false;
      break;
    }
    pollfd descriptor{ConnectionNumber(display_), POLLIN, 0};
    poll(&descriptor, 1, static_cast<int>(left));
  }
}

// Only the last put of a present asks to be told when it is done: the
// server takes requests in order.
void XImagePresenter::Put(const Box& area, bool last) {
  const auto w = static_cast<unsigned>(area.Width()), h = static_cast<unsigned>(area.Height());
  if (image_->shared) {
    XShmPutImage(display_, window_, gc_, image_->image, area.left, area.top, area.left, area.top,
                 w, h, last ? True : False);
    if (last) putPending_ = true;
  } else {
    // XPutImage copies the pixels into the request: nothing to wait for.
    XPutImage(display_, window_, gc_, image_->image, area.left, area.top, area.left, area.top,
              w, h);
  }
}

void XImagePresenter::Show(const FrameBuffer& frame, const DamageList* changed, int width,
                           int height) {
  if (width <= 0 || height <= 0 || frame.Empty()) return;
  const bool fresh = !image_ || image_->image->width != width || image_->image->height != height;
  if (!SizeImage(width, height)) return;
  WaitUntilTaken();
  SDL_Surface* target = image_->surface.get();
  const Box box = Letterbox(frame.Width(), frame.Height(), width, height);
  if (!scale_.Fits(frame.Width(), frame.Height(), box)) {
    scale_ = NearestScale(frame.Width(), frame.Height(), box);
  }
  auto* pixels = static_cast<Uint8*>(target->pixels);
  const int bytes = target->format->BytesPerPixel;
  const auto scale = [&](const Box& area) {
    scale_.ScaleColours(frame.Data(), frame.Width(), colours_.data(), pixels, target->pitch,
                        bytes, area);
  };
  if (fresh || !changed) {
    if (fresh) SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    scale(box);
    Put(Box{0, 0, width, height}, true);
  } else {
    areas_.clear();
    for (const Box& part : changed->Boxes()) {
      const Box area = scale_.Covering(part);
      if (area.Empty()) continue;
      scale(area);
      areas_.push_back(area);
    }
    for (std::size_t i = 0; i < areas_.size(); ++i) Put(areas_[i], i + 1 == areas_.size());
  }
  XFlush(display_);
}

}  // namespace aerolark
