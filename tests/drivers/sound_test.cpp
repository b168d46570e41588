// The sound players: SDL_mixer writing to SDL's disk audio driver, whose
// file shows what was heard, and the silent player.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "assets/sound_volume.h"
#include "drivers/headless/silent_sound_player.h"
#include "drivers/headless/wave_samples.h"
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
  const auto frames = static_cast<std::uint32_t>(seconds * kRate);
  std::vector<std::int16_t> samples;
  for (std::uint32_t i = 0; i < frames; ++i) {
    const std::int16_t value = (i / 50) % 2 ? kAmplitude : static_cast<std::int16_t>(-kAmplitude);
    samples.push_back(value);
    samples.push_back(value);
  }
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<std::uint8_t> bytes;
  auto put = [&](const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes.insert(bytes.end(), p, p + size);
  };
  auto put32 = [&](std::uint32_t v) { put(&v, 4); };
  auto put16 = [&](std::uint16_t v) { put(&v, 2); };
  put("RIFF", 4); put32(36 + dataBytes); put("WAVE", 4);
  put("fmt ", 4); put32(16); put16(1); put16(2); put32(kRate); put32(kRate * 4); put16(4); put16(16);
  put("data", 4); put32(dataBytes); put(samples.data(), dataBytes);
  return testing::WriteBytes(path, bytes);
}

// Stretches of sound in the disk driver's output: first and last frame heard,
// and the loudest sample, each burst separated by at least 0.05 s of silence.
struct Burst {
  std::size_t first, last;
  int peak;
  double Seconds() const { return static_cast<double>(last - first + 1) / kRate; }
};

std::vector<Burst> Bursts(const std::string& path) {
  const auto bytes = testing::ReadBytes(path);
  std::vector<std::int16_t> samples(bytes.size() / 2);
  std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
  std::vector<Burst> bursts;
  for (std::size_t frame = 0; frame < samples.size() / 2; ++frame) {
    const int level = std::abs(static_cast<int>(samples[frame * 2]));
    if (level == 0) continue;
    if (bursts.empty() || frame - bursts.back().last > kRate / 20) {
      bursts.push_back({frame, frame, 0});
    }
    bursts.back().last = frame;
    bursts.back().peak = std::max(bursts.back().peak, level);
  }
  return bursts;
}

TEST(SdlSoundPlayer, PlaysOnceAtTheAskedGainAndStopsOnStopAll) {
  TempFolder folder;
  const std::string output = folder.File("out.raw");
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
  const std::string shortSound = WriteWave(folder.File("short.wav"), 0.1);
  const std::string longSound = WriteWave(folder.File("long.wav"), 2.0);
  {
    auto player = OpenSdlSoundPlayer();
    ASSERT_TRUE(player);
    player->ReleaseSound(0);  // before anything is loaded: nothing happens
    const SoundNumber missing = player->LoadSound(folder.File("missing.wav"));
    const SoundNumber brief = player->LoadSound(shortSound);
    const SoundNumber engine = player->LoadSound(longSound);
    EXPECT_GT(missing, 0);
    EXPECT_GT(brief, missing);
    EXPECT_GT(engine, brief);
    player->StopSound(brief);
    player->SetSoundVolume(missing, 0);
    player->PlaySound(missing, -1, -1);
    std::this_thread::sleep_for(200ms);
    player->SetSoundVolume(brief, -600);  // half the amplitude
    player->PlaySound(brief, -1, -1);
    std::this_thread::sleep_for(400ms);
    player->SetSoundVolume(engine, 0);
    player->PlaySound(engine, -1, -1);
    std::this_thread::sleep_for(300ms);
    player->StopAllSounds();
    std::this_thread::sleep_for(300ms);
    player->SetSoundVolume(brief, 100);  // louder than full is full
    player->PlaySound(brief, -1, -1);
    std::this_thread::sleep_for(300ms);
    player->ReleaseSound(brief);
    player->ReleaseSound(brief);
    player->PlaySound(brief, -1, -1);  // released: silent
    std::this_thread::sleep_for(200ms);
  }
  unsetenv("SDL_AUDIODRIVER");
  const auto bursts = Bursts(output);
  ASSERT_EQ(bursts.size(), 3u);
  EXPECT_NEAR(bursts[0].Seconds(), 0.1, 0.005);  // once, not repeated
  EXPECT_NEAR(bursts[0].peak, kAmplitude / 2, kAmplitude * 0.02);
  EXPECT_GT(bursts[1].Seconds(), 0.15);           // the long sound, cut short
  EXPECT_LT(bursts[1].Seconds(), 0.6);
  EXPECT_NEAR(bursts[1].peak, kAmplitude, 2);
  EXPECT_NEAR(bursts[2].Seconds(), 0.1, 0.005);
  EXPECT_NEAR(bursts[2].peak, kAmplitude, 2);
}

std::size_t ThreadCount() {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/task")) {
    ++count;
  }
  return count;
}

// Calls CloseDeviceIfSilent as the loop does, once a refresh, until `done`
// or five seconds have passed.
template <typename Done>
bool CloseUntil(SdlSoundControl& player, Done done) {
  const auto limit = std::chrono::steady_clock::now() + 5s;
  while (!done() && std::chrono::steady_clock::now() < limit) {
    player.CloseDeviceIfSilent();
    std::this_thread::sleep_for(16ms);
  }
  return done();
}

// An open audio device keeps a thread waking every few milliseconds; between
// sounds there must be none, and a sound must still play whole.
TEST(SdlSoundPlayer, TheDeviceIsOpenOnlyWhileASoundPlays) {
  TempFolder folder;
  const std::string output = folder.File("out.raw");
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
  const std::size_t before = ThreadCount();
  {
    auto player = OpenSdlSoundPlayer();
    ASSERT_TRUE(player);
    const SoundNumber brief = player->LoadSound(WriteWave(folder.File("short.wav"), 0.1));
    EXPECT_TRUE(CloseUntil(*player, [&] { return ThreadCount() == before; }));
    player->SetSoundVolume(brief, 0);
    player->PlaySound(brief, -1, -1);
    EXPECT_GT(ThreadCount(), before);
    EXPECT_TRUE(CloseUntil(*player, [&] { return ThreadCount() == before; }));
  }
  unsetenv("SDL_AUDIODRIVER");
  const auto bursts = Bursts(output);  // the device opened for the sound
  ASSERT_EQ(bursts.size(), 1u);
  EXPECT_NEAR(bursts[0].Seconds(), 0.1, 0.005);
  EXPECT_NEAR(bursts[0].peak, kAmplitude, 2);
}

TEST(SdlSoundPlayer, WithoutAnAudioDeviceThereIsNone) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  EXPECT_EQ(OpenSdlSoundPlayer(), nullptr);
  unsetenv("SDL_AUDIODRIVER");
}

TEST(SilentSoundPlayer, RecordsWhatWouldPlay) {
  TempFolder folder;
  SilentSoundPlayer player;
  const std::string wave = WriteWave(folder.File("a.wav"), 0.05);
  const SoundNumber good = player.LoadSound(wave);
  const SoundNumber bad = player.LoadSound(testing::WriteBytes(folder.File("b.wav"), {'R', 'I'}));
  const SoundNumber folderSound = player.LoadSound(folder.File(""));
  const auto bytes = testing::ReadBytes(wave);  // its format chunk, and no data chunk after it
  const SoundNumber noData = player.LoadSound(
      testing::WriteBytes(folder.File("c.wav"), {bytes.begin(), bytes.begin() + 36}));
  player.SetSoundVolume(good, -2500);
  player.PlaySound(good, -1, -1);
  player.PlaySound(bad, -1, -1);
  player.PlaySound(folderSound, -1, -1);
  player.PlaySound(noData, -1, -1);
  player.PlaySound(12345, -1, -1);
  ASSERT_EQ(player.Plays().size(), 1u);
  EXPECT_EQ(player.Plays()[0].id, good);
  EXPECT_NEAR(player.Plays()[0].gain, 0.0562, 0.0001);
  EXPECT_TRUE(player.Playing(good));
  player.StopAllSounds();
  EXPECT_FALSE(player.Playing(good));
  player.SetSoundVolume(good, -30000);
  player.PlaySound(good, -1, -1);
  EXPECT_NEAR(player.Plays().back().gain, 1e-5, 1e-9);
  player.ReleaseSound(good);
  player.PlaySound(good, -1, -1);
  EXPECT_EQ(player.Plays().size(), 2u);
  EXPECT_FALSE(player.Playing(good));
}

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

// What a plain wave device (winmm's wave-out) is given: integer PCM only.
TEST(WaveSamples, PlainIntegerFormatsArePlayableAndOthersAreNot) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> chunk;
    bool playable;
  };
  const Case cases[] = {
      {"16-bit mono", FormatChunk(1, 1, 22050, 2, 16), true},
      {"8-bit stereo", FormatChunk(1, 2, 44100, 2, 8), true},
      {"extensible PCM", FormatChunk(0xFFFE, 2, 48000, 4, 16, 1), true},
      {"extensible float", FormatChunk(0xFFFE, 2, 48000, 8, 32, 3), false},
      {"float", FormatChunk(3, 1, 44100, 4, 32), false},
      {"24-bit", FormatChunk(1, 1, 44100, 3, 24), false},
      {"three channels", FormatChunk(1, 3, 44100, 6, 16), false},
      {"no channels", FormatChunk(1, 0, 44100, 0, 16), false},
      {"a block size that does not fit", FormatChunk(1, 2, 44100, 2, 16), false},
      {"a rate of 0", FormatChunk(1, 1, 0, 2, 16), false},
      {"an absurd rate", FormatChunk(1, 1, 0xFFFFFFFF, 2, 16), false},
      {"ADPCM", FormatChunk(2, 1, 22050, 256, 4), false},
      {"a short chunk", std::vector<std::uint8_t>(10, 1), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PcmFormatOf(c.chunk).has_value(), c.playable) << c.what;
  }
  const auto stereo = PcmFormatOf(FormatChunk(0xFFFE, 2, 48000, 4, 16, 1));
  ASSERT_TRUE(stereo);
  EXPECT_EQ(stereo->channels, 2);
  EXPECT_EQ(stereo->rate, 48000);
  EXPECT_EQ(stereo->BlockBytes(), 4);
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
