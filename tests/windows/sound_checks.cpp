// Sound through wave-out: a device or calm silence. Which files play, and
// the sounds' numbers, are the shared wave player's (tests/drivers); whether
// anything is heard cannot be told from here, and the log says whether a
// device was there to play on.

#include "platform/win32/windows_api.h"

#include "checks.h"
#include "drivers/win32/wave_out_sound_player.h"
#include "drivers/win32/win32_backends.h"

namespace aerolark::wintest {
namespace {

// Polls until `done` or ten seconds have passed.
template <typename Done>
bool WaitUntil(Done done) {
  const ULONGLONG limit = GetTickCount64() + 10000;
  while (!done() && GetTickCount64() < limit) Sleep(10);
  return done();
}

// With a device: each sound holds one only while it plays. The saver's
// engine sound lasts some three seconds.
void CheckDevices(Checks& checks, const std::string& samples) {
  WaveOutSoundPlayer player;
  const SoundNumber engine = player.LoadSound(samples + "engine.wav");
  const SoundNumber again = player.LoadSound(samples + "engine.wav");
  checks.That(player.OpenDevices() == 0, "no device is open before a sound plays");
  player.SetSoundVolume(engine, -784);
  player.PlaySound(engine, -1, -1);
  player.PlaySound(engine, -1, -1);  // restarts it
  player.PlaySound(again, -1, -1);
  checks.That(player.OpenDevices() == 2, "each playing sound has its device");
  player.StopSound(again);
  checks.That(player.OpenDevices() == 1, "stopping closes the device at once");
  checks.That(WaitUntil([&] { return player.OpenDevices() == 0; }),
              "a sound's device closes when it has played");
  player.PlaySound(engine, -1, -1);
  player.ReleaseSound(engine);  // while it plays
  checks.That(player.OpenDevices() == 0, "releasing a playing sound closes its device");
  player.PlaySound(again, -1, -1);
  player.StopAllSounds();
  checks.That(player.OpenDevices() == 0, "stopping all closes every device");
}

}  // namespace

// `samples` holds the saver's engine sound.
void CheckSound(Checks& checks, const std::string& samples) {
  const auto player = OpenWaveOutSoundPlayer();
  Checks::Note(std::to_string(waveOutGetNumDevs()) + " wave-out devices; " +
               (player ? "the player opened" : "no player: the saver would run silent"));
  checks.That((player != nullptr) == (waveOutGetNumDevs() > 0),
              "a player exactly when there is a device");
  if (player) CheckDevices(checks, samples);
}

}  // namespace aerolark::wintest
