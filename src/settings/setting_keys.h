#pragma once
// Every setting, declared once: section, key, what the defaults writer stores
// and what every reader passes as its default. The defaults writer, the saver
// and the dialog all go through this table.

#include <array>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace aerolark {

inline constexpr std::string_view kStartup = "Startup";
inline constexpr std::string_view kSystem = "System";

// In the order the defaults writer writes them.
enum class Key {
  BackGround, BGFreq, BMPFileName, Clock, FontClock, FontName, FontSize, LogoChecked,
  LogoFileName, Message, MessageChecked, MouseSens, PlaneBG, Prop, SecDelay, SelectedFont,
  SelectedFontSize, Speed, TunePC, Volume,
  PwrSave, PwrMsg, RunMonitor, SoundOff, TuneScrSvr, SetReg,
};

struct SettingDeclaration {
  Key key;
  std::string_view section;
  std::string_view name;          // as readers and the dialog spell it
  std::string_view writerName;    // as the defaults writer spells it
  std::string_view writerValue;   // what the defaults writer stores
  bool writerValueInInstallFolder;  // writerValue is a file name in the install folder
  std::string_view readDefault;   // what every reader passes as its default
};

inline constexpr std::size_t kSettingCount = 26;

const std::array<SettingDeclaration, kSettingCount>& SettingDeclarations();
const SettingDeclaration& Declaration(Key key);

// Reads the key with its declared reader default.
std::string ReadSetting(Settings& settings, Key key);
WriteStatus WriteSetting(Settings& settings, Key key, std::string_view value);

// Writes every default in the table's order, `SetReg` last.
// `installFolder` ends with a separator. Reports the first failed write.
WriteStatus WriteDefaults(Settings& settings, std::string_view installFolder);

// Writes every default unless the store says they are in place (SetReg 2).
// A SetReg that is no number counts as "not in place". Whichever program
// opens a store first fills it: the saver at its start, the dialog before it
// shows anything, so what the user chooses there is not reset later.
WriteStatus EnsureDefaults(Settings& settings, std::string_view installFolder);

}  // namespace aerolark
