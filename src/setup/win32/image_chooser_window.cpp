#include "setup/win32/image_chooser_window.h"

#include <shellapi.h>

#include <algorithm>

#include "setup/win32/desktop_services.h"
#include "setup/win32/dialog_geometry.h"
#include "setup/win32/setup_resources.h"
#include "platform/win32/wide_text.h"

namespace aerolark {
namespace {

// Dialog units of `window`'s font in pixels: (x, y) of 4 and 8 units.
SIZE BaseUnits(HWND window) {
  const RECT rect = DialogUnits(window, 0, 0, 4, 8);
  return {std::max<LONG>(rect.right, 1), std::max<LONG>(rect.bottom, 1)};
}

// Places a control by a rectangle in dialog units.
void PlaceUnits(HWND window, int id, int x, int y, int width, int height) {
  const RECT rect = DialogUnits(window, x, y, width, height);
  Place(GetDlgItem(window, id), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// The shell's small folder icon, closed or open; by attributes alone, so
// that no disk is touched.
HICON FolderIcon(bool open) {
  SHFILEINFOW info = {};
  const UINT flags = SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES |
                     (open ? SHGFI_OPENICON : 0);
  if (!SHGetFileInfoW(L"folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info, flags)) return nullptr;
  return info.hIcon;
}

}  // namespace

ImageChooserWindow::ImageChooserWindow(const ChooserKind& kind, DialogStore& store,
                                       std::vector<FileSystem> fileSystems)
    : kind_(kind),
      openIcon_(FolderIcon(true)),
      closedIcon_(FolderIcon(false)),
      logic_(kind, store, *this, std::move(fileSystems)) {}

ImageChooserWindow::~ImageChooserWindow() {
  if (openIcon_) DestroyIcon(openIcon_);
  if (closedIcon_) DestroyIcon(closedIcon_);
}

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
  // Asked while the dialog is being made, before it knows its object.
  if (message == WM_MEASUREITEM) {
    MeasureFolder(window, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    return TRUE;
  }
  auto* self = reinterpret_cast<ImageChooserWindow*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!self) return FALSE;
  switch (message) {
    case WM_COMMAND: self->OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_DRAWITEM:
      self->DrawFolder(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
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
  const RECT needed = DialogUnits(window_, 0, 0, 200, 150);  // two usable columns and lists
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
  if (index >= 0 && index < static_cast<int>(folders_.size())) {
    logic_.OpenFolder(folders_[static_cast<std::size_t>(index)].path);
  }
}

// One line per folder: a small folder icon and the name, a line taller
// than the text where the icon needs it.
void ImageChooserWindow::MeasureFolder(HWND window, MEASUREITEMSTRUCT& item) {
  RECT line = {0, 0, 0, 10};
  MapDialogRect(window, &line);
  item.itemHeight = static_cast<UINT>(std::max<int>(line.bottom, GetSystemMetrics(SM_CYSMICON) + 2));
}

// The opened folders stand each one step deeper than the one before, open
// icons; the current folder's own folders one step deeper still, closed.
void ImageChooserWindow::DrawFolder(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= folders_.size()) return;
  const FolderLine& line = folders_[item.itemID];
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  HDC dc = item.hDC;
  FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const int icon = GetSystemMetrics(SM_CXSMICON);
  int x = item.rcItem.left + 2 + line.depth * (icon * 3 / 4);
  const int y = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - icon) / 2;
  if (HICON shown = line.opened ? openIcon_ : closedIcon_) {
    DrawIconEx(dc, x, y, shown, icon, icon, 0, nullptr, DI_NORMAL);
  }
  x += icon + 4;
  std::wstring text(static_cast<std::size_t>(
                        SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()))));
  RECT textRect = item.rcItem;
  textRect.left = x;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}

void ImageChooserWindow::ShowFolders(const FolderTree& tree) {
  std::vector<std::string> names;
  folders_.clear();
  for (const FolderEntry& step : tree.opened) {
    folders_.push_back({step.path, static_cast<int>(names.size()), true});
    names.push_back(step.text);
  }
  const int depth = static_cast<int>(tree.opened.size());
  for (const FolderEntry& child : tree.inside) {
    folders_.push_back({child.path, depth, false});
    names.push_back(child.text);
  }
  controls_.SetItems(Control::dirDirectory, names);
  controls_.SetNumber(Control::dirDirectory, depth - 1);
}

void ImageChooserWindow::Hide() { EndDialog(window_, IDOK); }

void ImageChooserWindow::Show(const Message& message) { ShowMessageBox(window_, message); }

}  // namespace aerolark
