// Sound through wave-out: a device or calm silence, and no file makes the
// player fail. Whether anything is heard cannot be told from here; the log
// says whether a device was there to play on.

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

// `samples` holds the saver's engine sound and its first 30 bytes (cut.wav).
void CheckSound(Checks& checks, const std::string& samples) {
  const auto player = OpenWaveOutSoundPlayer();
  Checks::Note(std::to_string(waveOutGetNumDevs()) + " wave-out devices; " +
               (player ? "the player opened" : "no player: the saver would run silent"));
  checks.That((player != nullptr) == (waveOutGetNumDevs() > 0),
              "a player exactly when there is a device");
  if (!player) return;
  const SoundNumber good = player->LoadSound(samples + "engine.wav");
  const SoundNumber cut = player->LoadSound(samples + "cut.wav");
  const SoundNumber missing = player->LoadSound(samples + "missing.wav");
  checks.That(good > 0 && cut > 0 && missing > 0 && good != cut && cut != missing,
              "every load gets a number of its own");
  player->PlaySound(cut, -1, -1);  // plays nothing
  player->PlaySound(missing, -1, -1);
  player->ReleaseSound(0);
  player->StopSound(12345);
  CheckDevices(checks, samples);
}

}  // namespace aerolark::wintest
