#pragma once
// The image chooser's Windows view: a modal dialog with the file name, the
// file list and type on the left, the folder and drive on the right. The
// logic decides what each list holds and what "&OK" stores.

#include "platform/win32/windows_api.h"

#include <string>
#include <vector>

#include "setup/dialog_view.h"
#include "setup/forwarding_view.h"
#include "setup/image_chooser_logic.h"
#include "setup/win32/win32_controls.h"

namespace aerolark {

class ImageChooserWindow final : public ForwardingView<ChooserView, Win32Controls> {
 public:
  ImageChooserWindow(const ChooserKind& kind, DialogStore& store,
                     std::vector<FileSystem> fileSystems);
  ~ImageChooserWindow() override;
  ImageChooserWindow(const ImageChooserWindow&) = delete;
  ImageChooserWindow& operator=(const ImageChooserWindow&) = delete;

  // Shows the chooser modally over `owner`, opening in the program's current
  // folder with the pattern "*.BMP"; returns once it is hidden.
  void Run(HWND owner);

  // ChooserView
  void ShowFolders(const FolderTree& tree) override;
  void Hide() override;
  void Show(const Message& message) override;

 private:
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static void MeasureFolder(HWND window, MEASUREITEMSTRUCT& item);
  void DrawFolder(const DRAWITEMSTRUCT& item);
  void OnInit(HWND window);
  void SizeClientArea();
  void Layout();
  void OnCommand(int id, int code);
  void OpenSelectedFolder();

  ChooserKind kind_;
  HWND window_ = nullptr;
  struct FolderLine {
    std::string path;
    int depth;
    bool opened;  // on the way from the root to the current folder
  };
  std::vector<FolderLine> folders_;  // the folder list's entries, in order
  HICON openIcon_ = nullptr;
  HICON closedIcon_ = nullptr;
  ImageChooserLogic logic_;
};

}  // namespace aerolark
