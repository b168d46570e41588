#include "drivers/win32/wave_playback.h"

#include <system_error>

namespace aerolark {

WavePlayback::WavePlayback(const WAVEFORMATEX& format, std::vector<std::uint8_t> samples)
    : format_(format), samples_(std::move(samples)),
      stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  try {
    thread_ = std::thread([this] { Play(); });
  } catch (const std::system_error&) {
    over_.store(true);  // no thread, no sound: silence rather than a crash
  }
}

WavePlayback::~WavePlayback() {
  if (stop_) SetEvent(stop_);
  if (thread_.joinable()) thread_.join();
  if (stop_) CloseHandle(stop_);
}

void WavePlayback::Play() {
  // The device signals this event when it opens, finishes a buffer and closes.
  HANDLE deviceEvent = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HWAVEOUT device = nullptr;
  if (deviceEvent && stop_ &&
      waveOutOpen(&device, WAVE_MAPPER, &format_, reinterpret_cast<DWORD_PTR>(deviceEvent), 0,
                  CALLBACK_EVENT) == MMSYSERR_NOERROR) {
    WAVEHDR header{};
    header.lpData = reinterpret_cast<LPSTR>(samples_.data());
    header.dwBufferLength = static_cast<DWORD>(samples_.size());
    if (waveOutPrepareHeader(device, &header, sizeof header) == MMSYSERR_NOERROR) {
      if (waveOutWrite(device, &header, sizeof header) == MMSYSERR_NOERROR) {
        WaitUntilPlayed(header, deviceEvent);
      }
      // Returns the buffer at once if it still plays, so it can be unprepared.
      waveOutReset(device);
      waveOutUnprepareHeader(device, &header, sizeof header);
    }
    waveOutClose(device);
  }
  if (deviceEvent) CloseHandle(deviceEvent);
  over_.store(true);
}

void WavePlayback::WaitUntilPlayed(const WAVEHDR& header, HANDLE deviceEvent) const {
  const HANDLE events[] = {stop_, deviceEvent};
  // The done flag is written by the device's thread before it signals.
  while ((reinterpret_cast<const volatile DWORD&>(header.dwFlags) & WHDR_DONE) == 0) {
    const DWORD woken = WaitForMultipleObjects(2, events, FALSE, INFINITE);
    if (woken != WAIT_OBJECT_0 + 1) return;  // stopped, or the wait failed
  }
}

}  // namespace aerolark
