#pragma once
// GDI objects the dialog creates (fonts, brushes), deleted with their owner.

#include "platform/win32/windows_api.h"

#include <memory>
#include <type_traits>

namespace aerolark {

struct GdiObjectDeleter {
  void operator()(void* object) const {
    if (object) DeleteObject(static_cast<HGDIOBJ>(object));
  }
};

using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using BrushHandle = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;

}  // namespace aerolark
