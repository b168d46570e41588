#pragma once
// The trace file named by AEROLARK_TRACE: lines are appended, and the file is
// flushed at the start of every event so a killed saver loses at most one.

#include <cstdio>
#include <string>

#include "app/trace_sink.h"

namespace aerolark {

class TraceFile final : public TraceSink {
 public:
  explicit TraceFile(const std::string& path);
  ~TraceFile();
  TraceFile(const TraceFile&) = delete;
  TraceFile& operator=(const TraceFile&) = delete;

  bool isOpen() const { return file_ != nullptr; }
  void Write(const TraceLine& line) override;
  void Flush() override;

 private:
  std::FILE* file_;
};

}  // namespace aerolark
