#pragma once
// How long this process has been running, for the loop's figures, from what
// each system records (linux/process_age.cpp, win32/process_age.cpp).

namespace aerolark {

// Seconds since this process began; negative if unknown.
double ProcessAge();

}  // namespace aerolark
