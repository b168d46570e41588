// Draws the built-in pictures and synthesises the propeller sound.
//
//   aerolark-artgen build <folder> [windows]  write every install-folder file
//                                             (the hints for Windows users)
//   aerolark-artgen sheet <folder> <out.png>  contact sheet of that folder's files,
//                                             and a mock scene beside it
//   aerolark-artgen icon <out.ico>            the program's icon (Windows)
//   aerolark-artgen icons <folder>            the program's icon in a desktop
//                                             icon theme's layout (Linux)

#include <cstdio>
#include <exception>
#include <string>

#include "catalogue.h"
#include "contact_sheet.h"
#include "icon_art.h"

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  try {
    const std::string target = argc > 3 ? argv[3] : "";
    if (command == "build" && (argc == 3 || (argc == 4 && target == "windows"))) {
      aerolark::art::WriteInstallFolder(argv[2], target == "windows"
                                                     ? aerolark::art::TargetSystem::Windows
                                                     : aerolark::art::TargetSystem::Linux);
      return 0;
    }
    if (command == "icon" && argc == 3) {
      aerolark::art::WriteProgramIcon(argv[2]);
      return 0;
    }
    if (command == "icons" && argc == 3) {
      aerolark::art::WriteDesktopIcons(argv[2]);
      return 0;
    }
    if (command == "sheet" && argc == 4) {
      aerolark::art::WriteContactSheet(argv[2], argv[3]);
      return 0;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "aerolark-artgen: %s\n", e.what());
    return 1;
  }
  std::fprintf(stderr, "usage: %s build <folder> [windows] | sheet <folder> <out.png> | icon <out.ico> | icons <folder>\n", argv[0]);
  return 2;
}
