#pragma once
// The start-up actions both systems' programs wire alike: whether another
// saver runs, whether a window of a title exists, and the saver and preview
// modes. Each program adds the dialog's modes and its answer to other switches.

#include <functional>

#include "app/module1.h"
#include "app/saver_mode.h"

namespace aerolark {

// `launch` is kept for the saver mode; its settings must outlive the actions.
StartupActions SharedModeActions(const SaverLaunch& launch,
                                 std::function<bool()> anotherInstanceRunning);

}  // namespace aerolark
