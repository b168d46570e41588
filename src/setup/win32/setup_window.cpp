#include "setup/win32/setup_window.h"

#include "platform/win32/windows_api.h"
#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>

#include "setup/image_chooser_logic.h"
#include "setup/page_texts.h"
#include "setup/win32/desktop_services.h"
#include "setup/win32/dialog_geometry.h"
#include "setup/win32/fitted_captions.h"
#include "setup/win32/image_chooser_window.h"
#include "setup/win32/setup_resources.h"
#include "platform/win32/wide_text.h"

namespace aerolark {
namespace {

constexpr UINT kShowWaitingMessages = WM_APP + 1;
constexpr int kPageTemplates[] = {IDD_PAGE_AIRCRAFT, IDD_PAGE_BACKGROUND, IDD_PAGE_LOGO_MESSAGE,
                                  IDD_PAGE_HELP, IDD_PAGE_TUNE};
static_assert(std::size(kPageTemplates) == kPageTitles.size());
// The frame and the pages keep their SetupWindow from WM_INITDIALOG on;
// before it nothing of theirs is handled.
SetupWindow* WindowOf(HWND dialog, UINT message, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
  return reinterpret_cast<SetupWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

}  // namespace

SetupWindow::SetupWindow(Settings& settings, std::string installFolder)
    : instance_(GetModuleHandleW(nullptr)),
      installFolder_(std::move(installFolder)),
      logic_(settings, *this) {}

int SetupWindow::Run() {
  dialog_ = CreateDialogParamW(instance_, MAKEINTRESOURCEW(IDD_SETUP), nullptr, FrameProc,
                               reinterpret_cast<LPARAM>(this));
  if (!dialog_) {
    MessageBoxW(nullptr, L"The settings dialog cannot be opened.", L"Aerolark",
                MB_OK | MB_ICONEXCLAMATION);
    return 1;
  }
  ShowWindow(dialog_, SW_SHOWNORMAL);
  SetForegroundWindow(dialog_);
  if (waiting_.any()) PostMessageW(dialog_, kShowWaitingMessages, 0, 0);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages, as in any tabbed dialog.
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
        GetKeyState(VK_CONTROL) < 0 && dialog_ &&
        (message.hwnd == dialog_ || IsChild(dialog_, message.hwnd))) {
      SwitchPage(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
      continue;
    }
    if (dialog_ && IsDialogMessageW(dialog_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

INT_PTR CALLBACK SetupWindow::FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SetupWindow* self = WindowOf(window, message, lParam);
  if (!self) return FALSE;
  switch (message) {
    case WM_INITDIALOG:
      self->OnInit(window);
      return TRUE;
    case WM_COMMAND:
      self->OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->hwndFrom == self->tabs_ && header->code == TCN_SELCHANGE) {
        self->ShowPage(TabCtrl_GetCurSel(self->tabs_));
      }
      return TRUE;
    }
    case WM_DPICHANGED:
      self->ApplySampleFont();
      self->Layout();
      return FALSE;  // the dialog manager moves and scales the window itself
    case kShowWaitingMessages: self->ShowWaitingMessages(); return TRUE;
    case WM_CLOSE: DestroyWindow(window); return TRUE;
    case WM_DESTROY:
      self->dialog_ = nullptr;
      PostQuitMessage(0);
      return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK SetupWindow::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SetupWindow* self = WindowOf(window, message, lParam);
  if (!self) return FALSE;
  switch (message) {
    case WM_INITDIALOG:
      // The page takes the tab control's background where a theme draws one.
      EnableThemeDialogTexture(window, ETDT_ENABLETAB);
      return FALSE;
    case WM_COMMAND:
      self->OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_HSCROLL:
      self->OnSlider(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return self->OnStaticColour(reinterpret_cast<HWND>(lParam));
  }
  return FALSE;
}

void SetupWindow::OnInit(HWND dialog) {
  dialog_ = dialog;
  tabs_ = GetDlgItem(dialog_, IDC_SSTab1);
  SetTextOf(dialog_, DialogCaption());
  for (std::size_t i = 0; i < kPageTitles.size(); ++i) {
    std::wstring title = Wide(kPageTitles[i]);
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = title.data();
    TabCtrl_InsertItem(tabs_, static_cast<int>(i), &item);
  }
  CreatePages();
  skyBlue_.reset(CreateSolidBrush(RGB(128, 255, 255)));
  ApplySampleFont();
  AddToolTip(Control::chkPowerSave, kPowerSaveTip);
  GrowToDesignedSize();
  Layout();
  ShowPage(0);
  logic_.Load(ScreenFontFamilies(), installFolder_);
}

// Each page is a child dialog of the frame, right after the tab control in
// the Tab order, so that Tab goes from the page tabs into the page.
void SetupWindow::CreatePages() {
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    HWND page = CreateDialogParamW(instance_, MAKEINTRESOURCEW(kPageTemplates[i]), dialog_,
                                   PageProc, reinterpret_cast<LPARAM>(this));
    pages_[i] = page;
    SetWindowPos(page, i == 0 ? tabs_ : pages_[i - 1], 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    controls_.AddFrom(page);
    FitGroupCaptions(page);
  }
  std::string folder = " ";
  folder += InstallFolderForDisplay(installFolder_);
  SetTextOf(GetDlgItem(pages_[1], IDC_lblFolder), folder);
  FillHelpPage(pages_[3]);
}

void SetupWindow::FillHelpPage(HWND page) {
  LOGFONTW font = {};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(page, WM_GETFONT, 0, 0)), sizeof font, &font);
  font.lfWeight = FW_BOLD;
  boldFont_.reset(CreateFontIndirectW(&font));
  for (std::size_t i = 0; i < kHelpAnswers.size(); ++i) {
    HWND question = GetDlgItem(page, IDC_helpFirst + 2 * static_cast<int>(i));
    SetTextOf(question, kHelpAnswers[i].question);
    SendMessageW(question, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()), FALSE);
    SetTextOf(GetDlgItem(page, IDC_helpFirst + 2 * static_cast<int>(i) + 1), kHelpAnswers[i].answer);
  }
}

void SetupWindow::AddToolTip(Control control, std::string_view tip) {
  if (!toolTip_) {
    toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog_, nullptr,
                               instance_, nullptr);
    // Wide enough for a sentence per line, not one line across the screen.
    SendMessageW(toolTip_, TTM_SETMAXTIPWIDTH, 0, DialogUnits(dialog_, 0, 0, 200, 0).right);
  }
  HWND window = controls_.Get(control);
  std::wstring text = Wide(tip);
  TTTOOLINFOW info = {};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = GetParent(window);
  info.uId = reinterpret_cast<UINT_PTR>(window);
  info.lpszText = text.data();
  SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void SetupWindow::ShowPage(int index) {
  if (index < 0 || index >= static_cast<int>(pages_.size())) return;
  TabCtrl_SetCurSel(tabs_, index);
  for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
    ShowWindow(pages_[i], i == index ? SW_SHOW : SW_HIDE);
  }
}

void SetupWindow::SwitchPage(int step) {
  const int count = static_cast<int>(pages_.size());
  ShowPage((TabCtrl_GetCurSel(tabs_) + step + count) % count);
  SetFocus(tabs_);
}

void SetupWindow::ShowWaitingMessages() {
  waiting_.ShowAll([this](const Message& m) { ShowMessageBox(dialog_, m); });
}

void SetupWindow::SetNumber(Control control, int number) {
  controls_.SetNumber(control, number);
  shownNumbers_[control] = controls_.Number(control);
}

void SetupWindow::SetFontName(Control label, std::string_view family) {
  if (label != Control::lblSample) return;
  sampleFamily_ = family;
  ApplySampleFont();
}

// 13.5 points, regular weight, in the chosen family.
void SetupWindow::ApplySampleFont() {
  HWND sample = controls_.Get(Control::lblSample);
  if (!sample) return;
  const std::wstring face = Wide(sampleFamily_).substr(0, LF_FACESIZE - 1);
  LOGFONTW font = {};
  font.lfHeight = -MulDiv(27, WindowDpi(dialog_), 144);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  face.copy(font.lfFaceName, face.size());
  FontHandle made(CreateFontIndirectW(&font));
  SendMessageW(sample, WM_SETFONT, reinterpret_cast<WPARAM>(made.get()), TRUE);
  sampleFont_ = std::move(made);  // the old font only once the label no longer uses it
}

// The chooser lives only for this click: the next use starts afresh.
void SetupWindow::RunChooser(const ChooserKind& kind, DialogStore& store) {
  ImageChooserWindow chooser(kind, store, LogicalDrives());
  chooser.Run(dialog_);
}

void SetupWindow::OpenWebPage(const std::string& address) { aerolark::OpenWebPage(dialog_, address); }

void SetupWindow::Show(const Message& message) {
  waiting_.Give(message, dialog_ && IsWindowVisible(dialog_),
                [this](const Message& m) { ShowMessageBox(dialog_, m); });
}

}  // namespace aerolark
