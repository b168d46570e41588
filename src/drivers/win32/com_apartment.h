#pragma once
// COM started on this thread for as long as the object lives, as WIC needs.

#include "platform/win32/windows_api.h"

#include <objbase.h>

namespace aerolark {

class ComApartment {
 public:
  ComApartment() {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // Already started in another mode is as good: WIC works in either, and
    // that start is not ours to undo.
    owned_ = SUCCEEDED(result);
    ready_ = owned_ || result == RPC_E_CHANGED_MODE;
  }
  ~ComApartment() {
    if (owned_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

  bool Ready() const { return ready_; }

 private:
  bool owned_ = false;
  bool ready_ = false;
};

}  // namespace aerolark
