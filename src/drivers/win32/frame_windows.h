#pragma once
// Windows of our own that show the frame: one top-most borderless window
// covering each monitor (the display mode is never changed), or one ordinary
// window. Each shows the same frame, letterboxed and scaled by GDI, and turns
// its input messages into the saver's events. Between presents the loop
// sleeps on a timer of theirs that a message cuts short.

#include "platform/win32/windows_api.h"

#include <memory>
#include <optional>
#include <vector>

#include "drivers/software/pointer_filter.h"
#include "drivers/software/screen.h"
#include "drivers/win32/frame_dib.h"
#include "drivers/win32/wake_timer.h"
#include "render/contract_types.h"
#include "render/drawing_events.h"

namespace aerolark {

class FrameWindows final : public Screen {
 public:
  // Covering the monitors given, or those the system lists when none are;
  // `windowed`: one ordinary window of the frame's size. Null when a window
  // cannot be made.
  static std::unique_ptr<FrameWindows> Open(int frameWidth, int frameHeight, bool windowed,
                                            const std::vector<MonitorArea>& monitors);
  ~FrameWindows() override;
  FrameWindows(const FrameWindows&) = delete;
  FrameWindows& operator=(const FrameWindows&) = delete;

  // A window that lost its picture repaints itself whole from the kept frame.
  void Present(const FrameBuffer& frame, const DamageList& changed) override;
  // Handles the pending messages. The thread told to quit counts as a key,
  // and the screen is gone then.
  void DeliverInput(DrawingEvents& sink) override;
  void WaitForInput(double seconds) override { timer_.WaitForMessages(seconds); }
  bool Gone() const override { return quitAsked_; }
  // The display's refresh rate.
  double PresentRate() const override { return presentRate_; }
  std::string Presenter() const override { return "GDI StretchBlt, " + timer_.Describe(); }
  int Outputs() const override { return static_cast<int>(windows_.size()); }
  // The first window: message boxes stand over it.
  HWND FirstWindow() const { return windows_.empty() ? nullptr : windows_.front(); }

 private:
  FrameWindows(int frameWidth, int frameHeight, bool windowed);
  bool CreateWindowed();
  bool CoverMonitors(const std::vector<MonitorArea>& given);
  bool AddWindow(HWND window);

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam);
  // The input messages; false for those left to the system.
  bool HandleInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void PointerAt(HWND window, LPARAM lParam);
  void Paint(HWND window);
  void Raise(void (DrawingEvents::*event)());

  FrameDib frame_;
  WakeTimer timer_;
  bool windowed_;
  std::vector<HWND> windows_;
  double presentRate_ = 60.0;
  PointerFilter pointer_;
  bool trackingLeave_ = false;  // a WM_MOUSELEAVE has been asked for
  DrawingEvents* sink_ = nullptr;  // while DeliverInput runs
  bool closePending_ = false;      // a close request came while no sink listened
  bool quitAsked_ = false;
};

}  // namespace aerolark
