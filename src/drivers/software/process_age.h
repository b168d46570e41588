#pragma once
// How long this process has been running, for the loop's figures. Each
// platform's driver defines it from what its system records.

namespace aerolark {

// Seconds since this process began; negative if unknown.
double ProcessAge();

}  // namespace aerolark
