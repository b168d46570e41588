#include "drivers/win32/wake_timer.h"

#include <algorithm>
#include <cmath>

namespace aerolark {
namespace {

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

HANDLE CreateHighResolutionTimer() {
  return CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                TIMER_ALL_ACCESS);
}

}  // namespace

WakeTimer::WakeTimer() : timer_(CreateHighResolutionTimer()) {
  highResolution_ = timer_ != nullptr;
  if (highResolution_) return;
  // Older systems (and Wine) refuse the flag: an ordinary timer wakes on the
  // system's clock tick, 15.6 ms unless raised.
  timer_.reset(CreateWaitableTimerW(nullptr, FALSE, nullptr));
  periodRaised_ = timeBeginPeriod(1) == TIMERR_NOERROR;
}

WakeTimer::~WakeTimer() {
  if (periodRaised_) timeEndPeriod(1);
}

void WakeTimer::WaitForMessages(double seconds) const {
  // Relative due times are negative, in 100 ns units.
  const LONGLONG units = std::max<LONGLONG>(1, std::llround(seconds * 1e7));
  LARGE_INTEGER due;
  due.QuadPart = -units;
  HANDLE timer = timer_.get();
  if (timer && SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
    MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    return;
  }
  const auto milliseconds = static_cast<DWORD>(std::ceil(seconds * 1000.0));
  MsgWaitForMultipleObjectsEx(0, nullptr, std::max<DWORD>(milliseconds, 1), QS_ALLINPUT,
                              MWMO_INPUTAVAILABLE);
}

std::string WakeTimer::Describe() const {
  if (highResolution_) return "high-resolution waitable timer";
  return periodRaised_ ? "waitable timer, 1 ms period" : "waitable timer";
}

}  // namespace aerolark
