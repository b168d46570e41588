#pragma once
// Where trace lines go: the trace file, or a test's in-memory log.

#include "app/trace_line.h"

namespace aerolark {

class TraceSink {
 public:
  virtual ~TraceSink() = default;
  virtual void Write(const TraceLine& line) = 0;
  // Makes what was written so far durable; nothing to do in memory.
  virtual void Flush() {}
};

}  // namespace aerolark
