// Sound through SDL_mixer: each loaded sound has a channel of its own, so
// playing one restarts it without cutting another.
//
// The audio device is open only while a sound plays: an open device keeps a
// thread waking every few milliseconds to feed it, paused or not, which is
// most of what an idle saver would cost. It opens again, in well under a
// frame, when a sound starts.

#include <algorithm>
#include <cmath>
#include <memory>
#include <thread>
#include <unordered_map>
#include <vector>

#include <dlfcn.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include "drivers/sdl/sdl_backends.h"
#include "assets/sound_volume.h"
#include "drivers/software/wave_file.h"

namespace aerolark {
namespace {

constexpr int kAudioBufferFrames = 512;
// How long the device stays open after the last sound ended: long enough
// for the sound's tail to leave the device and the sound server, so closing
// cuts nothing that is heard.
constexpr Uint64 kCloseAfterSilenceMs = 300;

struct ChunkFree {
  void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};

struct DeviceFormat {
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  bool operator==(const DeviceFormat&) const = default;
};

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// Without a sound card ALSA prints eight lines about its configuration on
// every start, into a host's log too; the caller's one line says all they
// say. SDL loads ALSA at run time: the same library, reached the same way,
// takes the handler. The library stays loaded so the handler stays valid.
void SilenceAlsaMessages() {
  using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
  void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
  if (alsa == nullptr) return;
  auto setHandler =
      reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler"));
  if (setHandler != nullptr) setHandler(&IgnoreAlsaMessage);
}

// Opens the device; false when there is none.
bool OpenDevice(DeviceFormat& opened) {
  // Closing the device waits for the buffer being played, so a short one
  // lets the saver end promptly on a key.
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, kAudioBufferFrames) != 0) {
    return false;
  }
  Mix_QuerySpec(&opened.frequency, &opened.format, &opened.channels);
  return true;
}

class SdlSoundPlayer : public SdlSoundControl {
 public:
  explicit SdlSoundPlayer(DeviceFormat format) : format_(format), lastHeard_(SDL_GetTicks64()) {}
  ~SdlSoundPlayer() override {
    FinishClosing();
    if (open_) Mix_HaltChannel(-1);
    sounds_.clear();
    if (open_) Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  // A file that does not load gets a number whose sound plays nothing.
  SoundNumber LoadSound(const std::string& path) override {
    FinishClosing();
    Sound sound;
    sound.path = path;
    if (OpenIfClosed()) sound.chunk = Load(path);
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
    FinishClosing();
    Sound* sound = Find(id);
    if (!sound || !sound->chunk || !OpenIfClosed()) return;
    if (!sound->chunk) return;  // loaded again for a new device format, and failed
    Mix_HaltChannel(sound->channel);
    Mix_Volume(sound->channel, sound->volume);
    Mix_PlayChannel(sound->channel, sound->chunk.get(), 0);
  }

  void StopSound(SoundNumber id) override {
    FinishClosing();
    if (Sound* sound = Find(id); sound && sound->chunk && open_) Mix_HaltChannel(sound->channel);
  }

  void StopAllSounds() override {
    FinishClosing();
    if (open_) Mix_HaltChannel(-1);
  }

  void ReleaseSound(SoundNumber id) override {
    FinishClosing();  // freeing samples touches the mixer's channels
    const auto found = sounds_.find(id);
    if (found == sounds_.end()) return;
    if (found->second.chunk) {
      if (open_) Mix_HaltChannel(found->second.channel);  // before its samples are freed
      freeChannels_.push_back(found->second.channel);
    }
    sounds_.erase(found);
  }

  void CloseDeviceIfSilent() override {
    if (!open_) return;
    const Uint64 now = SDL_GetTicks64();
    if (Mix_Playing(-1) > 0) {
      lastHeard_ = now;
    } else if (now - lastHeard_ >= kCloseAfterSilenceMs) {
      // SDL waits two buffers' time for the last one to play before it
      // closes, which here would hold up the next frame: the device is closed
      // aside, and every other call waits for that to be over.
      open_ = false;
      closing_ = std::thread([] { Mix_CloseAudio(); });
    }
  }

 private:
  struct Sound {
    std::string path;
    std::unique_ptr<Mix_Chunk, ChunkFree> chunk;  // none: plays nothing
    int channel = -1;
    int volume = MIX_MAX_VOLUME;
  };

  // Only what every system's player plays: SDL_mixer would also take OGG,
  // FLAC and other wave formats, which would then sound on Linux alone.
  static std::unique_ptr<Mix_Chunk, ChunkFree> Load(const std::string& path) {
    if (!PlaysAsWave(path)) return nullptr;
    return std::unique_ptr<Mix_Chunk, ChunkFree>(Mix_LoadWAV(path.c_str()));
  }

  void FinishClosing() {
    if (closing_.joinable()) closing_.join();
  }

  Sound* Find(SoundNumber id) {
    const auto found = sounds_.find(id);
    return found == sounds_.end() ? nullptr : &found->second;
  }

  // Sounds are held in the format of the device they were loaded for; a
  // device that opens in another one (the sound server changed) gets them
  // loaded again. False, and every sound silent, when no device opens.
  bool OpenIfClosed() {
    if (open_) return true;
    DeviceFormat opened;
    if (!OpenDevice(opened)) return false;
    open_ = true;
    lastHeard_ = SDL_GetTicks64();
    // The channels went with the device; it opens with a few.
    if (Mix_AllocateChannels(-1) < channelsInUse_) Mix_AllocateChannels(channelsInUse_);
    if (!(opened == format_)) {
      format_ = opened;
      for (auto& [id, sound] : sounds_) {
        if (sound.chunk) sound.chunk = Load(sound.path);
      }
    }
    return true;
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

  DeviceFormat format_;
  bool open_ = true;
  Uint64 lastHeard_;  // when a sound was last found playing, or the device opened
  SoundNumber lastNumber_ = 0;
  std::unordered_map<SoundNumber, Sound> sounds_;
  int channelsInUse_ = 0;
  std::vector<int> freeChannels_;
  std::thread closing_;  // closes the device; no mixer call runs meanwhile
};

}  // namespace

std::unique_ptr<SdlSoundControl> OpenSdlSoundPlayer() {
  SilenceAlsaMessages();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
  DeviceFormat format;
  if (!OpenDevice(format)) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  return std::make_unique<SdlSoundPlayer>(format);
}

}  // namespace aerolark
