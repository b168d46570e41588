#include "drivers/x11/host_window_screen.h"

#include <algorithm>
#include <cmath>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "drivers/x11/connection_watch.h"
#include "platform/x11/x11_error_trap.h"

namespace aerolark {

struct HostWindowScreen::State {
  Display* display = nullptr;  // the host window's events
  Window window = 0;
  // Errors are recorded, not fatal, from before the display opens until
  // after it closes: the host may destroy its window at any moment.
  std::unique_ptr<X11ErrorTrap> errors = std::make_unique<X11ErrorTrap>(nullptr);
  std::unique_ptr<XImagePresenter> presenter;  // frames, over a connection of its own
  int width = 0;            // the window's size, followed through its events
  int height = 0;
  // The next present shows the whole frame: the window lost its picture.
  bool repaintAll = true;
  bool inputArrived = true;  // since the events were last taken

  ~State() {
    presenter.reset();
    if (display) {
      XSync(display, False);
      XCloseDisplay(display);
    }
    X11ErrorTrap::WatchWindow(0);
  }

  void Show(const FrameBuffer& frame, const DamageList& changed);
};

void HostWindowScreen::State::Show(const FrameBuffer& frame, const DamageList& changed) {
  presenter->Show(frame, repaintAll ? nullptr : &changed, width, height);
  repaintAll = false;
}

std::unique_ptr<HostWindowScreen> HostWindowScreen::Open(unsigned long window,
                                                         const ColourTableMaker& colours) {
  auto state = std::make_unique<State>();
  X11ErrorTrap::WatchWindow(window);
  state->display = XOpenDisplay(nullptr);
  if (!state->display) return nullptr;
  state->window = static_cast<Window>(window);
  // Size changes, exposes and the window's end; other clients' input masks
  // are left alone.
  XSelectInput(state->display, state->window, StructureNotifyMask | ExposureMask);
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(state->display, state->window, &attributes) ||
      X11ErrorTrap::WatchedWindowGone()) {
    return nullptr;
  }
  // Sizes come from here on in ConfigureNotify events, which the selection
  // above asks for before this read.
  state->width = attributes.width;
  state->height = attributes.height;
  state->presenter = XImagePresenter::Open(DisplayString(state->display), window, colours);
  XSync(state->display, False);
  if (!state->presenter || X11ErrorTrap::WatchedWindowGone()) return nullptr;
  return std::unique_ptr<HostWindowScreen>(new HostWindowScreen(std::move(state)));
}

HostWindowScreen::HostWindowScreen(std::unique_ptr<State> state) : state_(std::move(state)) {}

HostWindowScreen::~HostWindowScreen() = default;

bool HostWindowScreen::Gone() const { return X11ErrorTrap::WatchedWindowGone(); }

std::string HostWindowScreen::Presenter() const {
  return "host window, " + state_->presenter->Describe();
}

void HostWindowScreen::Present(const FrameBuffer& frame, const DamageList& changed) {
  if (Gone() || state_->width <= 0 || state_->height <= 0) return;
  state_->Show(frame, changed);
}

void HostWindowScreen::DeliverInput(DrawingEvents& sink) {
  if (state_->inputArrived || HasQueuedEvents(state_->display)) TakeEvents();
  if (Gone()) sink.KeyEvent();
}

void HostWindowScreen::TakeEvents() {
  state_->inputArrived = false;
  while (XPending(state_->display) > 0) {
    XEvent event;
    XNextEvent(state_->display, &event);
    if (event.type == DestroyNotify && event.xdestroywindow.window == state_->window) {
      X11ErrorTrap::NoteWatchedWindowGone();
    } else if (event.type == ConfigureNotify && event.xconfigure.window == state_->window) {
      state_->width = event.xconfigure.width;
      state_->height = event.xconfigure.height;
    } else if (event.type == Expose) {
      state_->repaintAll = true;
    }
  }
}

// Nothing is asked of this connection after the start, so there is nothing
// to send before sleeping.
void HostWindowScreen::WaitForInput(double seconds) {
  const int milliseconds = std::max(1, static_cast<int>(std::ceil(seconds * 1000.0)));
  state_->inputArrived = WaitForBytes(state_->display, milliseconds, false) || state_->inputArrived;
}

}  // namespace aerolark
