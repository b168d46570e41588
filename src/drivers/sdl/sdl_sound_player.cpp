// Sound through SDL_mixer: each loaded sound has a channel of its own, so
// playing one restarts it without cutting another.

#include <filesystem>
#include <memory>
#include <unordered_map>
#include <vector>

#include <SDL.h>
#include <SDL_mixer.h>

#include "drivers/sdl/sdl_backends.h"
#include "assets/sound_volume.h"

namespace aerolark {
namespace {

constexpr int kAudioBufferFrames = 512;

struct ChunkFree {
  void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};

class SdlSoundPlayer : public SoundControl {
 public:
  SdlSoundPlayer() = default;
  ~SdlSoundPlayer() override {
    Mix_HaltChannel(-1);
    sounds_.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  // A file that does not load gets a number whose sound plays nothing.
  SoundNumber LoadSound(const std::string& path) override {
    Sound sound;
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) sound.chunk.reset(Mix_LoadWAV(path.c_str()));
    if (sound.chunk) sound.channel = TakeChannel();
    sounds_.emplace(++lastNumber_, std::move(sound));
    return lastNumber_;
  }

  void SetSoundVolume(SoundNumber id, std::int32_t volume) override {
    if (Sound* sound = Find(id)) {
      sound->volume = static_cast<int>(std::lround(VolumeGain(volume) * MIX_MAX_VOLUME));
    }
  }

  void PlaySound(SoundNumber id, std::int32_t, std::int32_t) override {
    Sound* sound = Find(id);
    if (!sound || !sound->chunk) return;
    Mix_HaltChannel(sound->channel);
    Mix_Volume(sound->channel, sound->volume);
    Mix_PlayChannel(sound->channel, sound->chunk.get(), 0);
  }

  void StopSound(SoundNumber id) override {
    if (Sound* sound = Find(id); sound && sound->chunk) Mix_HaltChannel(sound->channel);
  }

  void StopAllSounds() override { Mix_HaltChannel(-1); }

  void ReleaseSound(SoundNumber id) override {
    const auto found = sounds_.find(id);
    if (found == sounds_.end()) return;
    if (found->second.chunk) {
      Mix_HaltChannel(found->second.channel);  // before its samples are freed
      freeChannels_.push_back(found->second.channel);
    }
    sounds_.erase(found);
  }

 private:
  struct Sound {
    std::unique_ptr<Mix_Chunk, ChunkFree> chunk;  // none: plays nothing
    int channel = -1;
    int volume = MIX_MAX_VOLUME;
  };

  Sound* Find(SoundNumber id) {
    const auto found = sounds_.find(id);
    return found == sounds_.end() ? nullptr : &found->second;
  }

  int TakeChannel() {
    if (!freeChannels_.empty()) {
      const int channel = freeChannels_.back();
      freeChannels_.pop_back();
      return channel;
    }
    const int channel = channelsInUse_++;
    if (Mix_AllocateChannels(-1) < channelsInUse_) Mix_AllocateChannels(channelsInUse_);
    return channel;
  }

  SoundNumber lastNumber_ = 0;
  std::unordered_map<SoundNumber, Sound> sounds_;
  int channelsInUse_ = 0;
  std::vector<int> freeChannels_;
};

}  // namespace

std::unique_ptr<SoundControl> OpenSdlSoundPlayer() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
  // Closing the device waits for the buffer being played, so a short one
  // lets the saver end promptly on a key.
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, kAudioBufferFrames) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  return std::make_unique<SdlSoundPlayer>();
}

}  // namespace aerolark
