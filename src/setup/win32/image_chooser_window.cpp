#include "setup/win32/image_chooser_window.h"

#include <algorithm>

#include "setup/win32/desktop_services.h"
#include "setup/win32/setup_resources.h"
#include "setup/win32/wide_text.h"

namespace aerolark {
namespace {

// Dialog units of `window`'s font in pixels: (x, y) of 4 and 8 units.
SIZE BaseUnits(HWND window) {
  RECT rect = {0, 0, 4, 8};
  MapDialogRect(window, &rect);
  return {std::max<LONG>(rect.right, 1), std::max<LONG>(rect.bottom, 1)};
}

// Places a control by a rectangle in dialog units.
void PlaceUnits(HWND window, int id, int x, int y, int width, int height) {
  RECT rect = {x, y, x + width, y + height};
  MapDialogRect(window, &rect);
  SetWindowPos(GetDlgItem(window, id), nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Folders shown one level deeper than their parent.
constexpr std::string_view kIndent = "    ";

std::string Indented(const std::string& text, std::size_t depth) {
  std::string line;
  for (std::size_t i = 0; i < depth; ++i) line += kIndent;
  return line + text;
}

}  // namespace

ImageChooserWindow::ImageChooserWindow(const ChooserKind& kind, DialogStore& store,
                                       std::vector<FileSystem> fileSystems)
    : kind_(kind), logic_(kind, store, *this, std::move(fileSystems)) {}

void ImageChooserWindow::Run(HWND owner) {
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CHOOSER), owner, Proc,
                  reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK ImageChooserWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    reinterpret_cast<ImageChooserWindow*>(lParam)->OnInit(window);
    return TRUE;
  }
  auto* self = reinterpret_cast<ImageChooserWindow*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!self) return FALSE;
  switch (message) {
    case WM_COMMAND: self->OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_DPICHANGED: self->Layout(); return FALSE;
    case WM_CLOSE: EndDialog(window, IDCANCEL); return TRUE;  // stores nothing
  }
  return FALSE;
}

void ImageChooserWindow::OnInit(HWND window) {
  window_ = window;
  SetTextOf(window_, kind_.caption);
  controls_.AddFrom(window_);
  SizeClientArea();
  Layout();
  logic_.Open();
}

// The chooser's designed client size at the window's DPI, or what the
// controls need in the dialog font, whichever is larger.
void ImageChooserWindow::SizeClientArea() {
  const int dpi = WindowDpi(window_);
  RECT needed = {0, 0, 200, 150};  // dialog units: two usable columns and lists
  MapDialogRect(window_, &needed);
  const int width = std::max<int>(MulDiv(kind_.width, dpi, 96), needed.right);
  const int height = std::max<int>(MulDiv(kind_.height, dpi, 96), needed.bottom);
  RECT client, frame;
  GetClientRect(window_, &client);
  GetWindowRect(window_, &frame);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + width - client.right,
               frame.bottom - frame.top + height - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Centred again over the owner at its new size.
  HWND owner = GetWindow(window_, GW_OWNER);
  RECT over, self;
  GetWindowRect(owner ? owner : GetDesktopWindow(), &over);
  GetWindowRect(window_, &self);
  SetWindowPos(window_, nullptr,
               over.left + ((over.right - over.left) - (self.right - self.left)) / 2,
               over.top + ((over.bottom - over.top) - (self.bottom - self.top)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Two columns, the file on the left and the place on the right, and the
// buttons along the bottom, Cancel left of OK. In dialog units.
void ImageChooserWindow::Layout() {
  RECT client;
  GetClientRect(window_, &client);
  const SIZE base = BaseUnits(window_);
  const int width = client.right * 4 / base.cx;
  const int height = client.bottom * 8 / base.cy;
  const int margin = 6;
  const int column = (width - 3 * margin) / 2;
  const int left = margin;
  const int right = 2 * margin + column;
  const int buttons = height - margin - 14;
  const int lists = buttons - 8 - 12;  // the type and drive lists
  const int listLabels = lists - 10;
  PlaceUnits(window_, IDC_lblFileName, left, 4, column, 8);
  PlaceUnits(window_, IDC_txtFileName, left, 13, column, 12);
  PlaceUnits(window_, IDC_filFiles, left, 29, column, listLabels - 4 - 29);
  PlaceUnits(window_, IDC_lblFileType, left, listLabels, column, 8);
  PlaceUnits(window_, IDC_cboFileType, left, lists, column, 80);
  PlaceUnits(window_, IDC_lblDirectories, right, 4, column, 8);
  PlaceUnits(window_, IDC_lblDirName, right, 15, column, 8);
  PlaceUnits(window_, IDC_dirDirectory, right, 29, column, listLabels - 4 - 29);
  PlaceUnits(window_, IDC_lblDrive, right, listLabels, column, 8);
  PlaceUnits(window_, IDC_drvDrive, right, lists, column, 100);
  PlaceUnits(window_, IDOK, width - margin - 50, buttons, 50, 14);
  PlaceUnits(window_, IDCANCEL, width - margin - 50 - 4 - 50, buttons, 50, 14);
}

void ImageChooserWindow::OnCommand(int id, int code) {
  if (controls_.setting()) return;
  switch (id) {
    case IDC_filFiles:
      // Selecting by keyboard counts as a click, as it does in any list.
      if (code == LBN_SELCHANGE) logic_.ClickFile(Number(Control::filFiles));
      if (code == LBN_DBLCLK) logic_.DoubleClickFile(Number(Control::filFiles));
      break;
    case IDC_cboFileType:
      if (code == CBN_SELCHANGE) logic_.ChooseFileType(Number(Control::cboFileType));
      break;
    case IDC_drvDrive:
      if (code == CBN_SELCHANGE) logic_.ChooseDrive(Number(Control::drvDrive));
      break;
    case IDC_dirDirectory:
      if (code == LBN_DBLCLK) OpenSelectedFolder();
      break;
    case IDOK:
      // Enter in the folder list opens the folder, as a double click does.
      if (GetFocus() == controls_.Get(Control::dirDirectory)) {
        OpenSelectedFolder();
      } else {
        logic_.Confirm();
      }
      break;
    case IDCANCEL: EndDialog(window_, IDCANCEL); break;
  }
}

void ImageChooserWindow::OpenSelectedFolder() {
  const int index = Number(Control::dirDirectory);
  if (index >= 0 && index < static_cast<int>(folderPaths_.size())) {
    logic_.OpenFolder(folderPaths_[static_cast<std::size_t>(index)]);
  }
}

void ImageChooserWindow::ShowFolders(const FolderTree& tree) {
  std::vector<std::string> lines;
  folderPaths_.clear();
  for (const FolderEntry& step : tree.opened) {
    lines.push_back(Indented(step.text, lines.size()));
    folderPaths_.push_back(step.path);
  }
  const std::size_t depth = tree.opened.size();
  for (const FolderEntry& child : tree.inside) {
    lines.push_back(Indented(child.text, depth));
    folderPaths_.push_back(child.path);
  }
  controls_.SetItems(Control::dirDirectory, lines);
  controls_.SetNumber(Control::dirDirectory, static_cast<int>(depth) - 1);
}

void ImageChooserWindow::Hide() { EndDialog(window_, IDOK); }

void ImageChooserWindow::Show(const Message& message) { ShowMessageBox(window_, message); }

}  // namespace aerolark
