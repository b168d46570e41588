#pragma once
// The settings file: `[Startup]` and `[System]` sections of `Key=Value` lines.
// Writes are read-modify-write under an exclusive lock and replace the file
// atomically; reads of an unchanged file do not parse it again.

#include <chrono>
#include <filesystem>
#include <memory>

#include "settings/settings.h"

namespace aerolark {

class IniSettingsStore final : public Settings {
 public:
  // Reads look at the file again at most once per `recheck` (0: on every
  // read): the running saver reads three settings for every scene, and a
  // change another program makes need only reach it within a second. The
  // store's own writes are seen at once.
  explicit IniSettingsStore(std::filesystem::path file,
                            std::chrono::milliseconds recheck = std::chrono::milliseconds(0));
  ~IniSettingsStore() override;

  // $XDG_CONFIG_HOME/aerolark/aerolark.ini, or ~/.config/aerolark/aerolark.ini.
  static std::filesystem::path DefaultPath();

  std::string ReadSetting(std::string_view section, std::string_view key,
                          std::string_view fallback) override;
  WriteStatus WriteSetting(std::string_view section, std::string_view key,
                           std::string_view value) override;

  const std::filesystem::path& path() const;
  // How many times the file has been parsed (for tests and benchmarks).
  int parseCount() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace aerolark
