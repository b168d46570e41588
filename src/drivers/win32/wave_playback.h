#pragma once
// One sound heard once on the wave-out device. The device is opened when the
// playback starts and closed when the sound has ended or the playback is
// stopped, on a thread of the playback's own: winmm must not be asked to
// reset or close a device from its own callback, and the saver's loop must
// not wait for a sound.

#include "platform/win32/windows_api.h"

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

namespace aerolark {

class WavePlayback {
 public:
  // Starts playing `samples` (whole blocks of `format`) at once.
  WavePlayback(const WAVEFORMATEX& format, std::vector<std::uint8_t> samples);
  // Stops the sound if it still plays and waits until the device is closed.
  ~WavePlayback();
  WavePlayback(const WavePlayback&) = delete;
  WavePlayback& operator=(const WavePlayback&) = delete;

  // True once the device has been closed: the sound ended, or never started.
  bool Over() const { return over_.load(); }

 private:
  void Play();
  // Waits until the device has played the buffer or the playback is stopped.
  void WaitUntilPlayed(const WAVEHDR& header, HANDLE deviceEvent) const;

  WAVEFORMATEX format_;
  std::vector<std::uint8_t> samples_;
  HANDLE stop_;  // set by the destructor
  std::atomic<bool> over_{false};
  std::thread thread_;
};

}  // namespace aerolark
