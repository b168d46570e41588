#pragma once
// The dialog and a running saver writing the same settings file at once, in
// two processes, with a third reading as the saver's frame handler does.

#include <filesystem>
#include <string>

namespace aerolark::hostile {

struct StressReport {
  long dialogWrites = 0;
  long markerWrites = 0;
  long reads = 0;
  long lostWrites = 0;      // a value read back right after its own write differed
  long failedWrites = 0;    // a write the store reported as failed
  long incompleteReads = 0; // a read of the file that missed a key it had held
  bool finalValuesKept = false;  // each writer's last values are in the file at the end
  std::string problem;      // empty when all is well

  bool Clean() const {
    return problem.empty() && lostWrites == 0 && failedWrites == 0 && incompleteReads == 0 &&
           finalValuesKept && dialogWrites > 0 && markerWrites > 0 && reads > 0;
  }
  std::string Summary() const;
};

// Fills `file` with the defaults, then runs the three processes for `seconds`.
StressReport RunStoreStress(const std::filesystem::path& file, double seconds);

}  // namespace aerolark::hostile
