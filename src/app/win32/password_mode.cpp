#include "app/win32/password_mode.h"

#include "platform/win32/windows_api.h"

#include "app/win32/notice_box.h"

namespace aerolark {
namespace {

// The provider name, owner window and two reserved arguments.
using PwdChangePassword = DWORD(WINAPI*)(LPCSTR provider, HWND owner, DWORD, LPVOID);

constexpr char kNoOwnPassword[] =
    "Windows asks for your sign-in password itself when the screen saver ends, if "
    "\"On resume, display logon screen\" is ticked in the screen saver settings. "
    "Aerolark has no password of its own.";

// The system's password dialog for screen savers, in mpr.dll, where the
// system still has the name: looked up at run time, as current systems lack it.
void CallSystemPasswordDialog() {
  HMODULE mpr = LoadLibraryW(L"mpr.dll");
  if (mpr == nullptr) return;
  auto change = reinterpret_cast<PwdChangePassword>(
      reinterpret_cast<void*>(GetProcAddress(mpr, "PwdChangePasswordA")));
  if (change != nullptr) change("SCRSAVE", nullptr, 0, nullptr);
  FreeLibrary(mpr);
}

}  // namespace

// Only the Windows of old had a password of the screen saver's own. This
// 64-bit program runs only where the sign-in password protects the screen
// saver and the call above shows nothing (Wine's only notes that it is not
// written), so the user is told in every case rather than seeing nothing.
int RunPasswordChangeMode() {
  CallSystemPasswordDialog();
  ShowNotice(kNoOwnPassword);
  return 0;
}

}  // namespace aerolark
