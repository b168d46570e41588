#include "platform/win32/session_mutex.h"

#include "platform/win32/windows_api.h"

namespace aerolark {

// "Local\": one per logon session, as a desktop runs one screen saver.
SessionMutex::SessionMutex() {
  handle_ = CreateMutexW(nullptr, FALSE, L"Local\\Aerolark.Instance");
  anotherWasRunning_ = handle_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
}

SessionMutex::~SessionMutex() {
  if (handle_ != nullptr) CloseHandle(handle_);
}

}  // namespace aerolark
