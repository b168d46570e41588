#pragma once
// The built-in files of the install folder: drawn and synthesised by the
// generator at build time, installed beside the program, loaded by the
// saver. The generator, the loader and the tests all take the names from
// here; the build installs whatever the generator wrote.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace aerolark::builtin {

// The relay's fifteen biplanes, in their order of flight.
inline constexpr std::array<std::string_view, 15> kBiplanes = {
    "biplane01.bmp", "biplane02.bmp", "biplane03.bmp", "biplane04.bmp", "biplane05.bmp",
    "biplane06.bmp", "biplane07.bmp", "biplane08.bmp", "biplane09.bmp", "biplane10.bmp",
    "biplane11.bmp", "biplane12.bmp", "biplane13.bmp", "biplane14.bmp", "biplane15.bmp"};
inline constexpr std::string_view kBackgroundBiplane = "BGbiplane.bmp";
inline constexpr std::string_view kFastJet = "FastJet.bmp";
// Pictures drawn whole, without a transparent colour.
inline constexpr std::string_view kTuneHint = "TuneMsg.bmp";
inline constexpr std::string_view kMonitorHint = "monitor.bmp";
inline constexpr std::string_view kSunset = "Sunset Red.BMP";
inline constexpr std::string_view kLogo = "Logo1.BMP";
inline constexpr std::string_view kPreview = "preview.bmp";
inline constexpr std::string_view kPropellerSound = "biplane1.wav";
// The help page the dialog opens where the build names no real web host.
// Copied from data/, not drawn; no picture, so not in the lists below.
inline constexpr std::string_view kSupportPage = "support.htm";

// Every picture the saver flies (its top-left colour transparent).
inline constexpr auto kFlyingPictures = [] {
  std::array<std::string_view, kBiplanes.size() + 2> all{};
  std::size_t at = 0;
  for (const std::string_view name : kBiplanes) all[at++] = name;
  all[at++] = kBackgroundBiplane;
  all[at++] = kFastJet;
  return all;
}();

inline constexpr std::array<std::string_view, 5> kWholePictures = {kTuneHint, kMonitorHint,
                                                                   kSunset, kLogo, kPreview};

// Every built-in file: the pictures, then the sound.
inline constexpr auto kAllFiles = [] {
  std::array<std::string_view, kFlyingPictures.size() + kWholePictures.size() + 1> all{};
  std::size_t at = 0;
  for (const std::string_view name : kFlyingPictures) all[at++] = name;
  for (const std::string_view name : kWholePictures) all[at++] = name;
  all[at++] = kPropellerSound;
  return all;
}();

// The file's full path; `installFolder` ends with a separator.
inline std::string PathIn(std::string_view installFolder, std::string_view name) {
  std::string path(installFolder);
  path += name;
  return path;
}

}  // namespace aerolark::builtin
