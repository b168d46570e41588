#pragma once
// The settings dialog's Windows view: a modeless dialog without an owner,
// a tab control over five page dialogs and the bottom bar, from the
// resource script. It hands every user change to the logic's handler and
// shows what the logic sets; "&OK" and the close box only close it.

#include "platform/win32/windows_api.h"

#include <array>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/gdi_handles.h"
#include "setup/dialog_view.h"
#include "setup/forwarding_view.h"
#include "setup/setup_logic.h"
#include "setup/waiting_messages.h"
#include "setup/win32/win32_controls.h"

namespace aerolark {

class SetupWindow final : public ForwardingView<DialogView, Win32Controls> {
 public:
  // The designed client area at 96 DPI (8250 × 5535 twips).
  static constexpr int kClientWidth = 550;
  static constexpr int kClientHeight = 369;

  // `installFolder` ends with a separator; the dialog shows it without.
  SetupWindow(Settings& settings, std::string installFolder);
  SetupWindow(const SetupWindow&) = delete;
  SetupWindow& operator=(const SetupWindow&) = delete;

  // Creates the dialog (running the opening sequence), shows it and runs
  // until it is closed. Returns the program's exit code.
  int Run();

  // DialogView
  void SetNumber(Control control, int number) override;
  void SetFontName(Control label, std::string_view family) override;
  void RunChooser(const ChooserKind& kind, DialogStore& store) override;
  void OpenWebPage(const std::string& address) override;
  // A message raised before the dialog is on screen (a store that cannot be
  // written while the opening sequence runs) waits until it is, so that it
  // shows over the dialog rather than alone.
  void Show(const Message& message) override;

 private:
  static INT_PTR CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void OnInit(HWND dialog);
  void CreatePages();
  void FillHelpPage(HWND page);
  void AddToolTip(Control control, std::string_view tip);
  void GrowToDesignedSize();
  void Layout();
  void ShowPage(int index);
  void SwitchPage(int step);
  void ShowWaitingMessages();
  void ApplySampleFont();

  // Events, from the frame and the pages (setup_window_events.cpp).
  void OnCommand(int id, int code, HWND control);
  void OnButton(int id);
  void OnSlider(HWND slider, int code);
  void OnList(Control list, int code);
  void ChooseFromList(Control list, int index);
  INT_PTR OnStaticColour(HWND label);

  HINSTANCE instance_;
  std::string installFolder_;
  HWND dialog_ = nullptr;
  HWND tabs_ = nullptr;
  HWND toolTip_ = nullptr;
  std::array<HWND, 5> pages_{};
  SetupLogic logic_;
  // Each slider's position and list's entry as last set or handled: a
  // notification that changes neither is no move of the user's.
  std::map<Control, int> shownNumbers_;
  std::string sampleFamily_ = "MS Sans Serif";
  FontHandle sampleFont_;
  FontHandle boldFont_;
  BrushHandle skyBlue_;
  WaitingMessages waiting_;
};

}  // namespace aerolark
