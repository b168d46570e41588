#include "setup_test_support.h"

namespace aerolark::testing {

std::vector<std::string> TestFamilies(int count) {
  std::vector<std::string> families;
  for (int i = 0; i < count; ++i) {
    families.push_back((i < 10 ? "Family 0" : "Family ") + std::to_string(i));
  }
  return families;
}

PictureFolders::PictureFolders() {
  std::filesystem::create_directories(root + "/pictures/holiday");
  std::filesystem::create_directories(root + "/card");
  for (const char* name : {"sky.bmp", "SKY2.BMP", "dusk.Bmp", "clouds.gif", "notes.txt", "README",
                           ".hidden.bmp"}) {
    WriteText(root + "/pictures/" + name, "");
  }
  WriteText(root + "/card/pic.bmp", "");
  std::filesystem::current_path(root + "/pictures");
}

PictureFolders::~PictureFolders() {
  std::filesystem::current_path(previous);
}

}  // namespace aerolark::testing
