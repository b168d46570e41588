// The sound player: SDL_mixer writing to SDL's disk audio driver, whose file
// shows what was heard.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>
#include <thread>
#include <tuple>

#include "assets/sound_volume.h"
#include "drivers/headless/silent_sound_player.h"
#include "drivers/software/wave_file.h"
#include "drivers/sdl/sdl_backends.h"
#include "drivers/picture_fixtures.h"

namespace aerolark {
namespace {

using namespace std::chrono_literals;
using testing::TempFolder;

constexpr int kRate = 44100;
constexpr std::int16_t kAmplitude = 16000;

// The format chunk of a wave file: tag, channels, rate, block size, bits.
std::vector<std::uint8_t> FormatChunk(std::uint16_t tag, std::uint16_t channels,
                                      std::uint32_t rate, std::uint16_t block,
                                      std::uint16_t bits, std::uint16_t subTag = 0) {
  std::vector<std::uint8_t> chunk;
  auto put16 = [&](std::uint16_t v) {
    chunk.insert(chunk.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
  };
  put16(tag); put16(channels); put16(rate & 0xFFFF); put16(rate >> 16);
  const std::uint32_t bytesPerSecond = rate * block;
  put16(bytesPerSecond & 0xFFFF); put16(bytesPerSecond >> 16); put16(block); put16(bits);
  if (subTag != 0) {
    put16(22); put16(bits); put16(0); put16(0);  // extension size, valid bits, channel mask
    put16(subTag);
    chunk.resize(40, 0);
  }
  return chunk;
}

// A wave file: RIFF, the format chunk, then a data chunk that declares
// `declared` bytes (those of `samples` when negative) and holds `samples`.
std::vector<std::uint8_t> WaveBytes(const std::vector<std::uint8_t>& format,
                                    const std::vector<std::uint8_t>& samples,
                                    std::int64_t declared = -1) {
  std::vector<std::uint8_t> bytes;
  auto put = [&](const char* tag, std::uint32_t size) {
    bytes.insert(bytes.end(), tag, tag + 4);
    for (int i = 0; i < 4; ++i) bytes.push_back(std::uint8_t(size >> (8 * i)));
  };
  put("RIFF", static_cast<std::uint32_t>(20 + format.size() + samples.size()));
  bytes.insert(bytes.end(), {'W', 'A', 'V', 'E'});
  put("fmt ", static_cast<std::uint32_t>(format.size()));
  bytes.insert(bytes.end(), format.begin(), format.end());
  put("data", static_cast<std::uint32_t>(declared < 0 ? samples.size() : declared));
  bytes.insert(bytes.end(), samples.begin(), samples.end());
  return bytes;
}

// A stereo 16-bit wave file of a square wave at full amplitude.
std::string WriteWave(const std::string& path, double seconds) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(seconds * kRate) * 4);
  for (std::size_t i = 0; i < bytes.size() / 2; ++i) {
    const auto sample = static_cast<std::int16_t>((i / 100) % 2 ? kAmplitude : -kAmplitude);
    std::memcpy(&bytes[i * 2], &sample, 2);
  }
  return testing::WriteBytes(path, WaveBytes(FormatChunk(1, 2, kRate, 4, 16), bytes));
}

// What the disk driver's file holds: frames from the first to the last one
// heard, and the loudest sample.
struct Heard {
  std::size_t first = 0, last = 0;
  int peak = 0;
  double Seconds() const { return peak ? static_cast<double>(last - first + 1) / kRate : 0; }
};

Heard Listen(const std::string& path) {
  const std::string bytes = testing::ReadText(path);
  Heard heard;
  for (std::size_t frame = 0; frame < bytes.size() / 4; ++frame) {
    std::int16_t left;  // of a stereo 16-bit frame
    std::memcpy(&left, bytes.data() + frame * 4, 2);
    const int level = std::abs(static_cast<int>(left));
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
  setenv("SDL_DISKAUDIOFILE", folder.File("opening.raw").c_str(), 1);  // not the current folder
  const std::ptrdiff_t before = ThreadCount();
  {
    auto player = OpenSdlSoundPlayer();
    ASSERT_TRUE(player);
    // Float samples, which SDL_mixer alone would play.
    const SoundNumber floating = player->LoadSound(
        testing::WriteBytes(folder.File("float.wav"), WaveBytes(FormatChunk(3, 1, kRate, 4, 32),
                                                                std::vector<std::uint8_t>(4000, 64))));
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
    for (SoundNumber silent : {floating, brief, SoundNumber{12345}}) {
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

// Every system's player takes the same files: integer PCM that a plain wave
// device (winmm's) takes, as far as the file holds it in whole blocks. The
// silent player and winmm's read them here, SDL_mixer's asks here first.
TEST(WaveFile, EveryPlayerTakesTheSameFiles) {
  TempFolder folder;
  using Taken = std::tuple<int, int, int, std::size_t>;  // channels, rate, bits, sample bytes
  const std::vector<std::uint8_t> six(6, 7);
  const auto plain = WaveBytes(FormatChunk(1, 2, 22050, 4, 16), six);
  const std::pair<std::vector<std::uint8_t>, Taken> cases[] = {  // all 0: refused
      {plain, {2, 22050, 16, 4}},  // the partial block dropped
      {WaveBytes(FormatChunk(1, 1, 22050, 2, 16), six, 4000), {1, 22050, 16, 6}},  // cut short
      {WaveBytes(FormatChunk(1, 2, 44100, 2, 8), six), {2, 44100, 8, 6}},
      {WaveBytes(FormatChunk(0xFFFE, 2, 48000, 4, 16, 1), six), {2, 48000, 16, 4}},  // extensible
      {WaveBytes(FormatChunk(0xFFFE, 2, 48000, 8, 32, 3), six), {}},  // extensible float
      {WaveBytes(FormatChunk(3, 1, 44100, 4, 32), six), {}},          // float
      {WaveBytes(FormatChunk(1, 1, 44100, 3, 24), six), {}},
      {WaveBytes(FormatChunk(1, 3, 44100, 6, 16), six), {}},
      {WaveBytes(FormatChunk(1, 0, 44100, 0, 16), six), {}},
      {WaveBytes(FormatChunk(1, 2, 44100, 2, 16), six), {}},  // a block size that does not fit
      {WaveBytes(FormatChunk(1, 1, 0, 2, 16), six), {}},
      {WaveBytes(FormatChunk(1, 1, 0xFFFFFFFF, 2, 16), six), {}},
      {WaveBytes(FormatChunk(2, 1, 22050, 256, 4), six), {}},  // ADPCM
      {WaveBytes(std::vector<std::uint8_t>(10, 1), six), {}},  // a short format chunk
      {WaveBytes(FormatChunk(1, 2, 22050, 4, 16), {1, 2}), {}},  // less than a block
      {{plain.begin(), plain.begin() + 30}, {}},                 // cut in the format chunk
      {{'O', 'g', 'g', 'S', 0, 2, 0, 0, 0, 0, 0, 0}, {}},
  };
  SilentSoundPlayer silent;  // each load gets a number of its own
  for (const auto& [bytes, taken] : cases) {
    const std::string path = testing::WriteBytes(folder.File("sound.wav"), bytes);
    const auto w = ReadWave(path);
    const PcmFormat f = w ? w->format : PcmFormat();
    EXPECT_EQ(Taken(f.channels, f.rate, f.bitsPerSample, w ? w->samples.size() : 0), taken)
        << ::testing::PrintToString(bytes);
    const SoundNumber sound = silent.LoadSound(path);
    silent.PlaySound(sound, -1, -1);
    EXPECT_EQ(PlaysAsWave(path) + silent.Playing(sound), w ? 2 : 0);
  }
  EXPECT_FALSE(PlaysAsWave(folder.File("")) || ReadWave(folder.File("missing.wav")));
}

// The volume applied to the samples sounds as SDL_mixer's on Linux: the same
// steps, and each sample what SDL mixes into silence at that volume.
TEST(WaveSamples, VolumeScalesSamplesAsTheLinuxMixerDoes) {
  std::vector<std::int16_t> wave16;
  for (int s = -32768; s < 32768; s += 97) wave16.push_back(static_cast<std::int16_t>(s));
  wave16.push_back(32767);
  std::vector<std::uint8_t> bytes(wave16.size() * 2);
  std::memcpy(bytes.data(), wave16.data(), bytes.size());
  for (const std::int32_t volume : {0, -1, -600, -784, -2500, -5000, -10000, 100, -30000}) {
    const int steps = VolumeSteps(volume);
    EXPECT_EQ(steps, std::lround(VolumeGain(volume) * SDL_MIX_MAXVOLUME)) << volume;
    const auto scaled = SamplesAtVolume(bytes, 16, steps);
    std::vector<std::uint8_t> mixed(bytes.size(), 0);
    SDL_MixAudioFormat(mixed.data(), bytes.data(), AUDIO_S16LSB,
                       static_cast<Uint32>(bytes.size()), steps);
    EXPECT_EQ(scaled, mixed) << volume;
  }
  // 8-bit samples are unsigned around 128.
  const std::vector<std::uint8_t> wave8{0, 1, 64, 127, 128, 129, 200, 255};
  EXPECT_EQ(SamplesAtVolume(wave8, 8, 64),
            (std::vector<std::uint8_t>{64, 65, 96, 128, 128, 128, 164, 191}));
  EXPECT_EQ(SamplesAtVolume(wave8, 8, kVolumeSteps), wave8);
  EXPECT_EQ(SamplesAtVolume(wave8, 8, 0), std::vector<std::uint8_t>(8, 128));
}

}  // namespace
}  // namespace aerolark
