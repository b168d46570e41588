// Sound through wave-out: a device or calm silence, and no file makes the
// player fail. Whether anything is heard cannot be told from here; the log
// says whether a device was there to play on.

#include "drivers/win32/windows_api.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

#include "checks.h"
#include "drivers/win32/wave_out_sound_player.h"
#include "drivers/win32/win32_backends.h"

namespace aerolark::wintest {
namespace {

void Put16(std::vector<char>& bytes, unsigned value) {
  bytes.push_back(static_cast<char>(value & 0xFF));
  bytes.push_back(static_cast<char>((value >> 8) & 0xFF));
}
void Put32(std::vector<char>& bytes, unsigned value) {
  Put16(bytes, value & 0xFFFF);
  Put16(bytes, value >> 16);
}
void PutTag(std::vector<char>& bytes, const char* tag) {
  for (int i = 0; i < 4; ++i) bytes.push_back(tag[i]);
}

// A 440 Hz tone, 16-bit mono.
std::vector<char> Tone(double seconds) {
  constexpr unsigned kRate = 22050;
  const auto kSamples = static_cast<unsigned>(kRate * seconds);
  std::vector<char> bytes;
  PutTag(bytes, "RIFF");
  Put32(bytes, 36 + kSamples * 2);
  PutTag(bytes, "WAVE");
  PutTag(bytes, "fmt ");
  Put32(bytes, 16);
  Put16(bytes, 1);  // PCM
  Put16(bytes, 1);
  Put32(bytes, kRate);
  Put32(bytes, kRate * 2);
  Put16(bytes, 2);
  Put16(bytes, 16);
  PutTag(bytes, "data");
  Put32(bytes, kSamples * 2);
  for (unsigned i = 0; i < kSamples; ++i) {
    Put16(bytes, static_cast<unsigned>(static_cast<int>(std::lround(
                     12000 * std::sin(i * 2 * 3.14159265 * 440 / kRate)))) & 0xFFFF);
  }
  return bytes;
}

std::string Write(const std::string& path, const std::vector<char>& bytes) {
  std::ofstream(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

// Polls until `done` or five seconds have passed.
template <typename Done>
bool WaitUntil(Done done) {
  const ULONGLONG limit = GetTickCount64() + 5000;
  while (!done() && GetTickCount64() < limit) Sleep(10);
  return done();
}

// With a device: each sound holds one only while it plays.
void CheckDevices(Checks& checks, const std::string& scratch) {
  WaveOutSoundPlayer player;
  const SoundNumber brief = player.LoadSound(Write(scratch + "brief.wav", Tone(0.25)));
  const SoundNumber engine = player.LoadSound(Write(scratch + "long.wav", Tone(3.0)));
  checks.That(player.OpenDevices() == 0, "no device is open before a sound plays");
  player.SetSoundVolume(brief, -784);
  player.PlaySound(brief, -1, -1);
  player.PlaySound(brief, -1, -1);  // restarts it
  player.PlaySound(engine, -1, -1);
  checks.That(player.OpenDevices() == 2, "each playing sound has its device");
  checks.That(WaitUntil([&] { return player.OpenDevices() == 1; }),
              "the brief sound's device closes when it has played");
  player.StopSound(engine);
  checks.That(player.OpenDevices() == 0, "stopping closes the device at once");
  player.PlaySound(engine, -1, -1);
  player.ReleaseSound(engine);  // while it plays
  checks.That(player.OpenDevices() == 0, "releasing a playing sound closes its device");
  player.PlaySound(brief, -1, -1);
  player.StopAllSounds();
  checks.That(player.OpenDevices() == 0, "stopping all closes every device");
}

}  // namespace

void CheckSound(Checks& checks, const std::string& scratch) {
  const auto player = OpenWaveOutSoundPlayer();
  Checks::Note(std::to_string(waveOutGetNumDevs()) + " wave-out devices; " +
               (player ? "the player opened" : "no player: the saver would run silent"));
  checks.That((player != nullptr) == (waveOutGetNumDevs() > 0),
              "a player exactly when there is a device");
  if (!player) return;
  std::vector<char> tone = Tone(0.25);
  const SoundNumber good = player->LoadSound(Write(scratch + "tone.wav", tone));
  tone.resize(30);
  const SoundNumber cut = player->LoadSound(Write(scratch + "cut.wav", tone));
  const SoundNumber missing = player->LoadSound(scratch + "missing.wav");
  checks.That(good > 0 && cut > 0 && missing > 0 && good != cut && cut != missing,
              "every load gets a number of its own");
  player->PlaySound(cut, -1, -1);  // plays nothing
  player->PlaySound(missing, -1, -1);
  player->ReleaseSound(0);
  player->StopSound(12345);
  CheckDevices(checks, scratch);
}

}  // namespace aerolark::wintest
