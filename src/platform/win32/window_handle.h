#pragma once
// Window handles cross the command line and the platform interface as 32-bit
// numbers; Windows keeps only 32 significant bits of a window handle even in
// 64-bit programs, and widens them with the sign.

#include "platform/win32/windows_api.h"

#include <cstdint>

#include "render/contract_types.h"

namespace aerolark {

inline HWND WindowHandle(ForeignWindow window) {
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(static_cast<std::int32_t>(window)));
}

}  // namespace aerolark
