#include "drivers/x11/x_image_presenter.h"

#include <poll.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include "drivers/software/letterbox.h"
#include "drivers/software/nearest_scale.h"
#include "drivers/software/rgb565_widening.h"
#include "platform/x11/x11_error_trap.h"

namespace aerolark {
namespace {

// Past this, a put whose completion never came (the window went away and
// the put failed) is taken as done.
constexpr int kLongestWaitMs = 200;
constexpr std::size_t kColours = 65536;

// An XImage of the window's visual and its pixels, in shared memory when
// the server offers it.
struct Image {
  Display* display = nullptr;
  XImage* image = nullptr;
  XShmSegmentInfo shm{};
  bool shared = false;

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

std::unique_ptr<Image> MakeSharedImage(Display* display, Visual* visual, int depth, int w, int h) {
  auto host = std::make_unique<Image>();
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

std::unique_ptr<Image> MakePlainImage(Display* display, Visual* visual, int depth, int w, int h) {
  auto host = std::make_unique<Image>();
  host->display = display;
  host->image = XCreateImage(display, visual, depth, ZPixmap, 0, nullptr, w, h, 32, 0);
  if (!host->image) return nullptr;
  host->image->data = static_cast<char*>(
      std::calloc(static_cast<size_t>(host->image->bytes_per_line) * h, 1));
  if (!host->image->data) return nullptr;
  return host;
}

// The pixel layout of the visual's images, from a one-pixel image.
std::optional<PixelLayout> LayoutOf(Display* display, Visual* visual, int depth) {
  XImage* probe = XCreateImage(display, visual, depth, ZPixmap, 0, nullptr, 1, 1, 32, 0);
  if (!probe) return std::nullopt;
  const PixelLayout layout{probe->bits_per_pixel, probe->red_mask, probe->green_mask,
                           probe->blue_mask};
  XDestroyImage(probe);
  return layout;
}

}  // namespace

struct XImagePresenter::State {
  Display* display = nullptr;
  Window window = 0;
  GC gc = nullptr;
  Visual* visual = nullptr;
  int depth = 0;
  int bytes = 0;  // a pixel's, in the image
  int completionEvent = -1;  // the event type telling a shared put is done
  bool putPending = false;
  std::unique_ptr<Image> image;
  NearestScale scale;
  // Each RGB565 colour as the image holds it: converting and scaling in one
  // pass gives the library's pixels without a converted copy.
  std::vector<std::uint8_t> colours;
  // Set where widening by arithmetic gives exactly the table's pixels; the
  // table is then let go.
  std::optional<std::uint32_t> wideningFill;
  std::vector<Box> areas;  // of one present; kept for its room

  ~State() {
    if (!display) return;
    image.reset();
    if (gc) XFreeGC(display, gc);
    XCloseDisplay(display);
  }

  bool Start(unsigned long id, const ColourTableMaker& maker);
  bool SizeImage(int width, int height);
  void WaitUntilTaken();
  void Put(const Box& area, bool last);
  void Send(const FrameBuffer& frame, const DamageList* changed, bool fresh);
};

bool XImagePresenter::State::Start(unsigned long id, const ColourTableMaker& maker) {
  window = static_cast<Window>(id);
  XWindowAttributes attributes;
  {
    X11ErrorTrap trap(display);
    if (!XGetWindowAttributes(display, window, &attributes) || trap.Failed()) return false;
  }
  visual = attributes.visual;
  depth = attributes.depth;
  const std::optional<PixelLayout> layout = LayoutOf(display, visual, depth);
  if (!layout || layout->bitsPerPixel % 8 != 0) return false;
  bytes = layout->bitsPerPixel / 8;
  colours = maker(*layout);
  if (bytes < 1 || bytes > 4 || colours.size() != kColours * bytes) return false;
  if (bytes == 4) wideningFill = WideningFillOf(colours.data());
  if (wideningFill) std::vector<std::uint8_t>().swap(colours);
  gc = XCreateGC(display, window, 0, nullptr);
  if (XShmQueryExtension(display)) completionEvent = XShmGetEventBase(display) + ShmCompletion;
  return true;
}

std::unique_ptr<XImagePresenter> XImagePresenter::Open(const std::string& displayName,
                                                       unsigned long window,
                                                       const ColourTableMaker& colours) {
  auto state = std::make_unique<State>();
  state->display = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
  if (!state->display || !state->Start(window, colours)) return nullptr;
  return std::unique_ptr<XImagePresenter>(new XImagePresenter(std::move(state)));
}

XImagePresenter::XImagePresenter(std::unique_ptr<State> state) : state_(std::move(state)) {}

XImagePresenter::~XImagePresenter() = default;

std::string XImagePresenter::Describe() const {
  const bool shared = state_->image ? state_->image->shared : state_->completionEvent >= 0;
  return shared ? "X image, shared memory" : "X image, XPutImage";
}

bool XImagePresenter::State::SizeImage(int width, int height) {
  if (image && image->image->width == width && image->image->height == height) return true;
  WaitUntilTaken();
  image.reset();
  if (completionEvent >= 0) image = MakeSharedImage(display, visual, depth, width, height);
  if (!image) image = MakePlainImage(display, visual, depth, width, height);
  // Another bit depth than the visual's first image had is nothing we can fill.
  if (image && image->image->bits_per_pixel != bytes * 8) image.reset();
  return image != nullptr;
}

void XImagePresenter::State::WaitUntilTaken() {
  using Clock = std::chrono::steady_clock;
  const auto limit = Clock::now() + std::chrono::milliseconds(kLongestWaitMs);
  while (putPending) {
    XEvent event;
    if (XCheckTypedEvent(display, completionEvent, &event)) {
      putPending = false;
      break;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(limit - Clock::now()).count();
    if (left <= 0) {
      putPending = false;
      break;
    }
    pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
    poll(&descriptor, 1, static_cast<int>(left));
  }
}

// Only the last put of a present asks to be told when it is done: the
// server takes requests in order.
void XImagePresenter::State::Put(const Box& area, bool last) {
  const auto w = static_cast<unsigned>(area.Width()), h = static_cast<unsigned>(area.Height());
  if (image->shared) {
    XShmPutImage(display, window, gc, image->image, area.left, area.top, area.left, area.top, w,
                 h, last ? True : False);
    if (last) putPending = true;
  } else {
    // XPutImage copies the pixels into the request: nothing to wait for.
    XPutImage(display, window, gc, image->image, area.left, area.top, area.left, area.top, w, h);
  }
}

void XImagePresenter::State::Send(const FrameBuffer& frame, const DamageList* changed,
                                  bool fresh) {
  XImage* target = image->image;
  auto* pixels = reinterpret_cast<std::uint8_t*>(target->data);
  const auto scaled = [&](const Box& area) {
    if (wideningFill) {
      scale.ScaleWidened(frame.Data(), frame.Width(), *wideningFill, pixels,
                         target->bytes_per_line, area);
    } else {
      scale.ScaleColours(frame.Data(), frame.Width(), colours.data(), pixels,
                         target->bytes_per_line, bytes, area);
    }
  };
  if (fresh || !changed) {
    // Black bars: every layout holds black as nothing but zero bits.
    if (fresh) {
      std::memset(target->data, 0, static_cast<size_t>(target->bytes_per_line) * target->height);
    }
    scaled(scale.Target());
    Put(Box{0, 0, target->width, target->height}, true);
    return;
  }
  areas.clear();
  for (const Box& part : changed->Boxes()) {
    const Box area = scale.Covering(part);
    if (area.Empty()) continue;
    scaled(area);
    areas.push_back(area);
  }
  for (std::size_t i = 0; i < areas.size(); ++i) Put(areas[i], i + 1 == areas.size());
}

void XImagePresenter::Show(const FrameBuffer& frame, const DamageList* changed, int width,
                           int height) {
  State& s = *state_;
  if (width <= 0 || height <= 0 || frame.Empty()) return;
  const bool fresh = !s.image || s.image->image->width != width || s.image->image->height != height;
  if (!s.SizeImage(width, height)) return;
  s.WaitUntilTaken();
  const Box box = Letterbox(frame.Width(), frame.Height(), width, height);
  if (!s.scale.Fits(frame.Width(), frame.Height(), box)) {
    s.scale = NearestScale(frame.Width(), frame.Height(), box);
  }
  s.Send(frame, changed, fresh);
  XFlush(s.display);
}

}  // namespace aerolark
