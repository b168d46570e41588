// Pictures through WIC: each kind decodes to the pixels it holds, alpha
// included; damaged files decode to what they hold or to nothing, calmly.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "checks.h"
#include "drivers/win32/win32_backends.h"

namespace aerolark::wintest {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kLime = 0xFF00FF00, kBlue = 0xFF0000FF,
                        kWhite = 0xFFFFFFFF;

// The samples are squares of four quadrants: red, lime / blue, and white or
// transparent.
std::uint32_t Expected(int x, int y, int side, bool transparentCorner) {
  const bool right = x >= side / 2, bottom = y >= side / 2;
  if (!bottom) return right ? kLime : kRed;
  if (!right) return kBlue;
  return transparentCorner ? 0 : kWhite;
}

// Each channel within `tolerance`; fully transparent pixels match whatever
// their colour: only alpha counts.
bool Matches(std::uint32_t got, std::uint32_t want, int tolerance) {
  if (want == 0) return (got >> 24) == 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const int difference = int((got >> shift) & 0xFF) - int((want >> shift) & 0xFF);
    if (std::abs(difference) > tolerance) return false;
  }
  return true;
}

void CheckQuadrants(Checks& checks, PictureDecoder& decoder, const std::string& path, int side,
                    bool transparentCorner, int tolerance) {
  const auto picture = decoder.Decode(path);
  if (!checks.That(picture.has_value(), path + " decodes")) return;
  if (!checks.That(picture->width == side && picture->height == side, path + " has its size")) {
    return;
  }
  int wrong = 0;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      // JPEG blurs the edges between quadrants: only their middles count.
      const int inner = x % (side / 2), innerY = y % (side / 2);
      if (tolerance > 0 && (inner == 0 || inner == side / 2 - 1 || innerY == 0 ||
                            innerY == side / 2 - 1)) {
        continue;
      }
      if (!Matches(picture->pixels[y * side + x], Expected(x, y, side, transparentCorner),
                   tolerance)) {
        ++wrong;
      }
    }
  }
  checks.That(wrong == 0, path + ": " + std::to_string(wrong) + " pixels differ");
}

std::vector<char> ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const std::filesystem::path& path, const std::vector<char>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::filesystem::path Utf8Path(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// Every sample cut at every length, and the files that once hung or crashed
// a decoder (copied into hostile\ by the script): each decode returns.
// A cut picture may show what it holds; only a crash or a hang is a fault.
void CheckDamaged(Checks& checks, PictureDecoder& decoder, const std::string& samples) {
  int decoded = 0, tried = 0;
  for (const char* name : {"quad.bmp", "quad.gif", "quad.png", "quad.jpg"}) {
    const std::vector<char> whole = ReadAll(Utf8Path(samples + name));
    const std::string cut = samples + "cut-" + name;
    for (std::size_t length = 0; length < whole.size(); ++length) {
      Write(Utf8Path(cut), std::vector<char>(whole.begin(), whole.begin() + length));
      decoded += decoder.Decode(cut) ? 1 : 0;
      ++tried;
    }
  }
  std::error_code error;
  const auto hostile = Utf8Path(samples + "hostile");
  for (const auto& entry : std::filesystem::directory_iterator(hostile, error)) {
    const std::u8string path = entry.path().u8string();
    decoder.Decode(std::string(path.begin(), path.end()));
    ++tried;
  }
  checks.That(tried > 0, "damaged pictures decode or are refused, and none crashes");
  Checks::Note(std::to_string(tried) + " damaged pictures tried, " + std::to_string(decoded) +
               " showed something");
}

}  // namespace

void CheckPictures(Checks& checks, const std::string& samples) {
  const auto decoder = CreateWicPictureDecoder();
  CheckQuadrants(checks, *decoder, samples + "quad.bmp", 8, false, 0);
  CheckQuadrants(checks, *decoder, samples + "quad.gif", 8, true, 0);
  CheckQuadrants(checks, *decoder, samples + "quad.png", 8, true, 0);
  CheckQuadrants(checks, *decoder, samples + "quad.jpg", 16, false, 40);
  // Paths are UTF-8 inside the program, whatever the ANSI code page.
  const std::string foreign = samples + "Bild \xC3\xA4\xE2\x82\xAC.png";
  Write(Utf8Path(foreign), ReadAll(Utf8Path(samples + "quad.png")));
  CheckQuadrants(checks, *decoder, foreign, 8, true, 0);
  checks.That(!decoder->Decode(samples + "missing.bmp"), "a missing file decodes to nothing");
  checks.That(!decoder->Decode(samples), "a folder decodes to nothing");
  CheckDamaged(checks, *decoder, samples);
}

}  // namespace aerolark::wintest
