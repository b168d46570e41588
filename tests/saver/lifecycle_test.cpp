// Load and unload: defaults, the sprite table, a screen that cannot be
// opened. (Ending on a key, a click or movement: tests/program/saver_exit_test.sh.)

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "saver_rig.h"

namespace aerolark::testing {
namespace {

using ::testing::ElementsAreArray;

constexpr int kBiplaneStart[15][2] = {
    {-281, 180}, {805, 200}, {-281, 180}, {805, 100}, {-281, 500}, {805, 300}, {-281, 175},
    {805, 70},   {-281, 290}, {805, 330}, {-281, 80}, {805, 370}, {-281, 120}, {805, 250},
    {-281, 365}};

std::string BiplaneFile(int n) {
  return kInstall + (n < 10 ? "biplane0" : "biplane") + Num(n) + ".bmp";
}

// The calls that make one sprite, as a trace shows them.
std::vector<std::string> SpriteCalls(int id, const std::string& path, int keyMode, int x, int y,
                                     bool yFirst = false) {
  std::vector<std::string> calls = {
      Join({"C", "NewSprite", "=", Num(id)}),
      Join({"C", "LoadSprite", Num(id), "1", path, Num(keyMode)})};
  std::string setX = Join({"C", "SetSpriteX", Num(id), Num(x)});
  std::string setY = Join({"C", "SetSpriteY", Num(id), Num(y)});
  calls.push_back(yFirst ? setY : setX);
  calls.push_back(yFirst ? setX : setY);
  return calls;
}

// What a first start writes, in order: spelled out, not derived from the program's table.
std::vector<std::string> FirstStartWrites() {
  const std::string s = "Startup", y = "System";
  std::vector<std::string> writes;
  for (const auto& [section, key, value] : std::vector<std::array<std::string, 3>>{
           {s, "Background", "3"},        {s, "BGFreq", "36"},
           {s, "BMPFileName", kInstall + "Sunset Red.BMP"},
           {s, "Clock", "1"},             {s, "FontClock", "16"},       {s, "FontName", "Arial"},
           {s, "FontSize", "30"},         {s, "LogoChecked", "0"},
           {s, "LogoFileName", kInstall + "Logo1.BMP"},
           {s, "Message", "I'd Rather be Flying"},                      {s, "MessageChecked", "0"},
           {s, "MouseSens", "4"},         {s, "PlaneBG", "1"},          {s, "Prop", "1"},
           {s, "SecDelay", "30"},         {s, "SelectedFont", "4"},     {s, "SelectedFontSize", "3"},
           {s, "Speed", "3"},             {s, "TunePC", "6"},           {s, "Volume", "-784"},
           {y, "PwrSave", "0"},           {y, "PwrMsg", "False"},       {y, "RunMonitor", "False"},
           {y, "SoundOff", "Never"},      {y, "TuneScrSvr", "False"},   {y, "SetReg", "2"}}) {
    writes.push_back(Join({"W", section, key, value}));
  }
  return writes;
}

TEST(SaverLoad, FirstStartWritesEveryDefaultThenOpensAndLoadsInOrder) {
  SaverRig rig;
  rig.soundStub.loadResult = 9;
  rig.Load();

  std::vector<std::string> expected = {Join({"E", "Load"})};
  auto add = [&](const std::vector<std::string>& calls) {
    expected.insert(expected.end(), calls.begin(), calls.end());
  };
  add(FirstStartWrites());
  add({Join({"C", "ShowCursor", "False"}),
       Join({"C", "OpenScreen", "800", "600", "16", "", "=", "True"})});
  add(SpriteCalls(1, kInstall + "monitor.bmp", -2, 150, 250, true));
  add(SpriteCalls(2, kInstall + "TuneMsg.bmp", -2, 150, 250, true));
  add(SpriteCalls(3, kInstall + "Sunset Red.BMP", -2, 0, 0));
  add(SpriteCalls(4, kInstall + "FastJet.bmp", -1, 805, 75));
  add(SpriteCalls(5, kInstall + "BGbiplane.bmp", -1, 805, 350));
  for (int n = 1; n <= 15; ++n) {
    add(SpriteCalls(5 + n, BiplaneFile(n), -1, kBiplaneStart[n - 1][0], kBiplaneStart[n - 1][1]));
  }
  add({Join({"C", "ReleaseSound", "0"}),
       Join({"C", "LoadSound", kInstall + "biplane1.wav", "=", "9"}),
       Join({"C", "StopSound", "9"})});
  EXPECT_THAT(rig.log.lines(), ElementsAreArray(expected));
}

// SetReg 2, read as a number, marks a filled store, left alone: missing keys
// read "1"; otherwise the start reads the defaults it has just written
// (hostile SetReg values: EveryKey).
TEST(SaverLoad, OnlyAStoreMarkedFilledIsLeftAlone) {
  for (auto [setReg, writes] : {std::pair{"2", 0u}, {"3", 26u}, {"2.6", 26u}, {"2.4", 0u}}) {
    SaverRig rig;
    rig.WriteFile(std::string("[System]\nSetReg=") + setReg + "\nTuneScrSvr=True\nRunMonitor=True\n");
    EXPECT_EQ(rig.Load().settings().mouseSens, writes ? 4 : 1) << setReg;
    EXPECT_EQ(rig.log.Count("W"), writes) << setReg;
  }
}

struct SpriteCase {
  std::string runMonitor, tuneScrSvr, backGround, logoChecked;
  std::vector<std::string> files;  // in creation order, before the aircraft
};

TEST(SaverLoad, SpriteTableFollowsMarkersBackgroundAndLogo) {
  const std::string bg = "/pictures/mine.jpg";
  const std::string logo = "/pictures/logo.png";
  const std::vector<SpriteCase> cases = {
      {"True", "True", "1", "0", {}},
      {"True", "True", "2", "0", {}},
      {"False", "True", "1", "0", {kInstall + "monitor.bmp"}},
      {"True", "false", "1", "0", {kInstall + "TuneMsg.bmp"}},
      {"1", "0", "3", "1", {kInstall + "TuneMsg.bmp", bg, logo}},
      {"junk", "", " 3", "1", {kInstall + "monitor.bmp", kInstall + "TuneMsg.bmp", bg, logo}},
      {"True", "True", "3.0", "0", {bg}},
      {"True", "True", "abc", "1.0", {logo}},
      {"True", "True", "", "2", {}},
  };
  for (const SpriteCase& c : cases) {
    SaverRig rig;
    rig.Defaults()
        .Set(Key::RunMonitor, c.runMonitor)
        .Set(Key::TuneScrSvr, c.tuneScrSvr)
        .Set(Key::BackGround, c.backGround)
        .Set(Key::LogoChecked, c.logoChecked)
        .Set(Key::BMPFileName, bg)
        .Set(Key::LogoFileName, logo);
    rig.Load();
    std::vector<std::string> files;
    for (SpriteId id = 1; id < rig.drawingStub.nextId; ++id) {
      files.push_back(rig.drawingStub.Place(id).path);
    }
    std::vector<std::string> expected = c.files;
    expected.push_back(kInstall + "FastJet.bmp");
    expected.push_back(kInstall + "BGbiplane.bmp");
    for (int n = 1; n <= 15; ++n) expected.push_back(BiplaneFile(n));
    EXPECT_EQ(files, expected) << c.runMonitor << "/" << c.tuneScrSvr << "/" << c.backGround;
    EXPECT_EQ(rig.log.Count("C\tLoadSprite"), expected.size());
  }
}

// A store whose built-in pictures were named by an install folder that has
// since moved: they come from the folder the saver runs from; the stored
// text, a user's own picture and a file that is still there stay as they are.
TEST(SaverLoad, BuiltInPicturesStoredByAMovedFolderComeFromTheCurrentOne) {
  TempFolder elsewhere;
  const std::string kept = elsewhere.File("Logo1.BMP");
  WriteText(kept, "a picture of the user's own that happens to share the name");
  const std::string moved = "/gone/share/aerolark/";
  struct Case { std::string background, logo, loadedBackground, loadedLogo; };
  const Case cases[] = {
      {moved + "Sunset Red.BMP", moved + "Logo1.BMP", kInstall + "Sunset Red.BMP", kInstall + "Logo1.BMP"},
      {"C:\\Program Files\\Aerolark\\Sunset Red.BMP", kept, kInstall + "Sunset Red.BMP", kept},
      {moved + "sunset red.bmp", moved + "mine.bmp", moved + "sunset red.bmp", moved + "mine.bmp"},
  };
  for (const Case& c : cases) {
    SaverRig rig;
    rig.Defaults().HintsShown().Set(Key::LogoChecked, "1");
    rig.Set(Key::BMPFileName, c.background).Set(Key::LogoFileName, c.logo);
    rig.Load();
    EXPECT_EQ(rig.drawingStub.Place(1).path, c.loadedBackground);
    EXPECT_EQ(rig.drawingStub.Place(2).path, c.loadedLogo);
    EXPECT_EQ(ReadSetting(rig.store, Key::BMPFileName), c.background);
    EXPECT_EQ(rig.log.Count("W\t"), 0u);
  }
}

TEST(SaverLoad, ScreenThatCannotOpenShowsOneMessageAndEndsInOrder) {
  for (bool boxShown : {true, false}) {
    SaverRig rig;
    rig.Defaults();
    rig.drawingStub.openScreenResult = false;
    rig.events.messageBoxShown = boxShown;
    Form1& form = rig.Load();

    std::vector<std::string> tail = {
        Join({"C", "OpenScreen", "800", "600", "16", "", "=", "False"}),
        Join({"M", "Error opening Direct Draw!",
              "This program requires that you use a monitor that is capable of displaying 64K "
              "colors."}),
        Join({"C", "ReleaseSound", "0"}),
        Join({"C", "LoadSound", kInstall + "biplane1.wav", "=", "1"}),
        Join({"C", "StopSound", "1"}),
        // and ends as a key would end it
        Join({"C", "StopAllSounds"}),
        Join({"C", "ReleaseSound", "1"}),
        Join({"C", "ScreenSaverRunning", "False"}),
        Join({"E", "Unload"}),
        Join({"C", "ReleaseSound", "1"}),
        Join({"C", "StopAllSounds"}),
        Join({"C", "ShowCursor", "True"})};
    std::vector<std::string> lines = rig.log.lines();
    ASSERT_GE(lines.size(), tail.size());
    EXPECT_THAT(std::vector<std::string>(lines.end() - static_cast<long>(tail.size()), lines.end()),
                ElementsAreArray(tail));
    EXPECT_EQ(rig.log.Count("C\tNewSprite"), 0u);
    EXPECT_TRUE(form.Ended());
    EXPECT_EQ(form.ExitStatus(), boxShown ? 0 : 1);
    // The start-up's loop is never entered; events that still arrive do nothing.
    std::size_t mark = rig.Mark();
    form.DrawFrame();
    form.SecondTick();
    EXPECT_EQ(rig.Mark(), mark);
  }
}

}  // namespace
}  // namespace aerolark::testing
