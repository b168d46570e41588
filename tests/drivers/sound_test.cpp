// The sound player: SDL_mixer writing to SDL's disk audio driver, whose file
// shows what was heard.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>
#include <thread>

#include "drivers/sdl/sdl_backends.h"
#include "drivers/picture_fixtures.h"

namespace aerolark {
namespace {

using namespace std::chrono_literals;
using testing::TempFolder;

constexpr int kRate = 44100;
constexpr std::int16_t kAmplitude = 16000;

// A stereo 16-bit wave file of a square wave at full amplitude.
std::string WriteWave(const std::string& path, double seconds) {
  std::vector<std::int16_t> samples(static_cast<std::size_t>(seconds * kRate) * 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>((i / 100) % 2 ? kAmplitude : -kAmplitude);
  }
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  const std::uint32_t header[] = {0x46464952 /* RIFF */, 36 + dataBytes, 0x45564157 /* WAVE */,
                                  0x20746d66 /* fmt */,  16, 0x00020001 /* PCM, stereo */,
                                  kRate, kRate * 4, 0x00100004 /* 4-byte frames, 16 bits */,
                                  0x61746164 /* data */, dataBytes};
  std::vector<std::uint8_t> bytes(sizeof header + dataBytes);
  std::memcpy(bytes.data(), header, sizeof header);
  std::memcpy(bytes.data() + sizeof header, samples.data(), dataBytes);
  return testing::WriteBytes(path, bytes);
}

// What the disk driver's file holds: frames from the first to the last one
// heard, and the loudest sample.
struct Heard {
  std::size_t first = 0, last = 0;
  int peak = 0;
  double Seconds() const { return peak ? static_cast<double>(last - first + 1) / kRate : 0; }
};

Heard Listen(const std::string& path) {
  const auto bytes = testing::ReadBytes(path);
  std::vector<std::int16_t> samples(bytes.size() / 2);
  std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
  Heard heard;
  for (std::size_t frame = 0; frame < samples.size() / 2; ++frame) {
    const int level = std::abs(static_cast<int>(samples[frame * 2]));
    if (level == 0) continue;
    if (!heard.peak) heard.first = frame;
    heard.last = frame;
    heard.peak = std::max(heard.peak, level);
  }
  return heard;
}

std::ptrdiff_t ThreadCount() {
  return std::distance(std::filesystem::directory_iterator("/proc/self/task"), {});
}

// Polls `done` once a refresh, as the loop would, for up to five seconds.
template <typename Done>
bool WaitFor(Done done, const std::function<void()>& eachTime = {}) {
  const auto limit = std::chrono::steady_clock::now() + 5s;
  while (!done() && std::chrono::steady_clock::now() < limit) {
    if (eachTime) eachTime();
    std::this_thread::sleep_for(16ms);
  }
  return done();
}

// An open audio device keeps a thread waking every few milliseconds: it is
// open only while a sound plays. Each sound opens it anew, and with it a
// file of its own from the disk driver.
TEST(SdlSoundPlayer, EachSoundPlaysOnceAtItsGainOnADeviceOpenOnlyMeanwhile) {
  TempFolder folder;
  setenv("SDL_AUDIODRIVER", "disk", 1);
  const std::ptrdiff_t before = ThreadCount();
  {
    auto player = OpenSdlSoundPlayer();
    ASSERT_TRUE(player);
    const SoundNumber missing = player->LoadSound(folder.File("missing.wav"));
    const SoundNumber brief = player->LoadSound(WriteWave(folder.File("short.wav"), 0.1));
    const SoundNumber engine = player->LoadSound(WriteWave(folder.File("long.wav"), 10.0));
    const auto closed = [&] {
      return WaitFor([&] { return ThreadCount() == before; }, [&] { player->CloseDeviceIfSilent(); });
    };
    ASSERT_TRUE(closed());
    struct Case { SoundNumber id; std::int32_t volume; bool stopOnceHeard; int peak; };
    const Case cases[] = {{brief, -600, false, kAmplitude / 2},  // half the amplitude
                          {brief, 100, false, kAmplitude},       // louder than full is full
                          {engine, 0, true, kAmplitude}};        // cut short by StopAllSounds
    for (const Case& c : cases) {
      const std::string output = folder.File("out" + std::to_string(&c - cases) + ".raw");
      setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
      player->SetSoundVolume(c.id, c.volume);
      player->PlaySound(c.id, -1, -1);
      EXPECT_GT(ThreadCount(), before);
      if (c.stopOnceHeard) {
        EXPECT_TRUE(WaitFor([&] { return Listen(output).peak > 0; }));
        player->StopAllSounds();
      }
      ASSERT_TRUE(closed()) << "the device is still open";
      const Heard heard = Listen(output);
      EXPECT_NEAR(heard.peak, c.peak, kAmplitude * 0.02);
      if (c.stopOnceHeard) {
        EXPECT_LT(heard.Seconds(), 5.0);
      } else {
        EXPECT_NEAR(heard.Seconds(), 0.1, 0.005);  // once, not repeated
      }
    }
    // Nothing to be heard opens no device.
    player->ReleaseSound(brief);
    player->ReleaseSound(brief);
    for (SoundNumber silent : {missing, brief, SoundNumber{12345}}) {
      player->PlaySound(silent, -1, -1);
      EXPECT_EQ(ThreadCount(), before) << silent;
    }
  }
  unsetenv("SDL_AUDIODRIVER");
}

TEST(SdlSoundPlayer, WithoutAnAudioDeviceThereIsNone) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  EXPECT_EQ(OpenSdlSoundPlayer(), nullptr);
  unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
}  // namespace aerolark
