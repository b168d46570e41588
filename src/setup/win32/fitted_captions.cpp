#include "setup/win32/fitted_captions.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>
#include <string>

#include "setup/win32/dialog_geometry.h"
#include "setup/win32/setup_resources.h"
#include "setup/win32/win32_controls.h"

namespace aerolark {
namespace {

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The text's measured size in the window's font, and one average character more.
SIZE FittedSize(HWND window, HDC dc, const std::wstring& text, UINT format) {
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  RECT measured = {0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  return {measured.right + metrics.tmAveCharWidth, measured.bottom};
}

// The frame as the control draws it, the caption in a gap of the fitted width.
void PaintGroupBox(HWND box, HDC dc) {
  RECT client;
  GetClientRect(box, &client);
  const std::wstring caption = WindowText(box);
  const SIZE fitted = FittedSize(box, dc, caption, DT_SINGLELINE | DT_NOPREFIX);
  const int indent = DialogUnits(GetParent(box), 0, 0, 4, 0).right;
  const RECT gap = {indent, 0, std::min<LONG>(indent + fitted.cx, client.right), fitted.cy};
  RECT frame = client;
  frame.top += fitted.cy / 2;
  const int saved = SaveDC(dc);
  if (!caption.empty()) ExcludeClipRect(dc, gap.left, gap.top, gap.right, gap.bottom);
  HTHEME theme = GetWindowTheme(box);
  if (theme) {
    RECT inside;
    GetThemeBackgroundContentRect(theme, dc, BP_GROUPBOX, GBS_NORMAL, &frame, &inside);
    ExcludeClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
    DrawThemeBackground(theme, dc, BP_GROUPBOX, GBS_NORMAL, &frame, nullptr);
  } else {
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  }
  RestoreDC(dc, saved);
  if (caption.empty()) return;
  // The page's own background and text colour, as for its labels.
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(GetParent(box), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box)));
  FillRect(dc, &gap, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  RECT text = gap;
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  SelectObject(dc, previous);
}

LRESULT CALLBACK GroupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    PaintGroupBox(box, BeginPaint(box, &paint));
    EndPaint(box, &paint);
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(box, GroupBoxProc, 0);
  return DefSubclassProc(box, message, wParam, lParam);
}

// Icon at the left, the text beside it at its fitted size, OK centred below.
void LayOutAbout(HWND box) {
  HWND text = GetDlgItem(box, IDC_aboutText);
  HDC dc = GetDC(text);
  const SIZE fitted = FittedSize(box, dc, WindowText(text), DT_NOPREFIX);
  ReleaseDC(text, dc);
  const RECT icon = ChildRect(GetDlgItem(box, IDC_aboutIcon));
  const RECT ok = ChildRect(GetDlgItem(box, IDOK));
  const RECT margin = DialogUnits(box, 0, 0, 7, 7);
  const int textLeft = icon.right + margin.right;
  Place(text, textLeft, icon.top, fitted.cx, fitted.cy);
  const int width = textLeft + fitted.cx + margin.right;
  const int buttonTop = std::max<LONG>(icon.bottom, icon.top + fitted.cy) + margin.bottom;
  Place(GetDlgItem(box, IDOK), (width - (ok.right - ok.left)) / 2, buttonTop, ok.right - ok.left,
        ok.bottom - ok.top);
  RECT client, frame;
  GetClientRect(box, &client);
  GetWindowRect(box, &frame);
  const int height = buttonTop + (ok.bottom - ok.top) + margin.bottom;
  SetWindowPos(box, nullptr, 0, 0, frame.right - frame.left + width - client.right,
               frame.bottom - frame.top + height - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK AboutProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto& shown = *reinterpret_cast<const Message*>(lParam);
    SetTextOf(box, shown.caption);
    SetTextOf(GetDlgItem(box, IDC_aboutText), shown.text);
    SendDlgItemMessageW(box, IDC_aboutIcon, STM_SETICON,
                        reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_INFORMATION)), 0);
    LayOutAbout(box);
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(box, IDOK);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

void FitGroupCaptions(HWND page) {
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    const bool groupBox = std::wstring_view(name) == WC_BUTTONW &&
                          (GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
    if (groupBox) SetWindowSubclass(child, GroupBoxProc, 0, 0);
  }
}

void ShowAboutBox(HWND owner, const Message& message) {
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutProc,
                  reinterpret_cast<LPARAM>(&message));
}

}  // namespace aerolark
