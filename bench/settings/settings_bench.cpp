// Reads of an unchanged settings file (a running saver reads three keys on
// every composed scene) and writes (every change in the dialog).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "settings/linux/ini_settings_store.h"
#include "settings/setting_keys.h"

namespace aerolark {
namespace {

namespace fs = std::filesystem;

fs::path FreshFile() {
  std::string pattern = (fs::temp_directory_path() / "aerolark-bench-XXXXXX").string();
  return fs::path(::mkdtemp(pattern.data())) / "aerolark.ini";
}

void ReadUnchangedFile(benchmark::State& state) {
  fs::path file = FreshFile();
  IniSettingsStore store(file);
  WriteDefaults(store, "/usr/share/aerolark/");
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadSetting(store, Key::Message));
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["parses"] = store.parseCount();
  fs::remove_all(file.parent_path());
}
BENCHMARK(ReadUnchangedFile);

void WriteOneKey(benchmark::State& state) {
  fs::path file = FreshFile();
  IniSettingsStore store(file);
  WriteDefaults(store, "/usr/share/aerolark/");
  int value = 0;
  for (auto _ : state) {
    store.WriteSetting("Startup", "Speed", std::to_string(2 + (value++ % 9)));
  }
  state.SetItemsProcessed(state.iterations());
  fs::remove_all(file.parent_path());
}
BENCHMARK(WriteOneKey)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace aerolark

BENCHMARK_MAIN();
