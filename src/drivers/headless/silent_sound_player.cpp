#include "drivers/headless/silent_sound_player.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "assets/sound_volume.h"

namespace aerolark {
namespace {

// Far more than the chunks before the data of any wave file.
constexpr std::size_t kWaveHeaderBytes = 4096;

bool HasTag(const std::vector<char>& bytes, std::size_t at, const char* tag) {
  return at + 4 <= bytes.size() && std::memcmp(bytes.data() + at, tag, 4) == 0;
}

std::uint32_t Little32(const std::vector<char>& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// A RIFF WAVE file with a format chunk before its data chunk, as a player
// would accept it (a short data chunk is played as far as it goes).
bool ReadsAsWave(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream in(path, std::ios::binary);
  std::vector<char> bytes(kWaveHeaderBytes);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (!HasTag(bytes, 0, "RIFF") || !HasTag(bytes, 8, "WAVE")) return false;
  bool format = false;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::uint64_t size = Little32(bytes, at + 4);
    if (HasTag(bytes, at, "fmt ")) format = size >= 16;
    if (HasTag(bytes, at, "data")) return format;
    at += 8 + size + (size & 1);
  }
  return false;
}

}  // namespace

SoundNumber SilentSoundPlayer::LoadSound(const std::string& path) {
  ++lastNumber_;
  sounds_[lastNumber_].playable = ReadsAsWave(path);
  return lastNumber_;
}

void SilentSoundPlayer::SetSoundVolume(SoundNumber id, std::int32_t volume) {
  const auto found = sounds_.find(id);
  if (found != sounds_.end()) found->second.gain = VolumeGain(volume);
}

void SilentSoundPlayer::PlaySound(SoundNumber id, std::int32_t, std::int32_t) {
  const auto found = sounds_.find(id);
  if (found == sounds_.end() || !found->second.playable) return;
  plays_.push_back({id, found->second.gain});
  playing_.insert(id);
}

void SilentSoundPlayer::StopSound(SoundNumber id) { playing_.erase(id); }

void SilentSoundPlayer::StopAllSounds() { playing_.clear(); }

void SilentSoundPlayer::ReleaseSound(SoundNumber id) {
  playing_.erase(id);
  sounds_.erase(id);
}

}  // namespace aerolark
