#include "app/trace_file.h"

#include "app/append_file.h"

namespace aerolark {

TraceFile::TraceFile(const std::string& path) : file_(OpenForAppend(path)) {}

TraceFile::~TraceFile() {
  if (file_ != nullptr) std::fclose(file_);
}

void TraceFile::Write(const TraceLine& line) {
  if (file_ == nullptr) return;
  std::fwrite(line.str().data(), 1, line.str().size(), file_);
  std::fputc('\n', file_);
}

void TraceFile::Flush() {
  if (file_ != nullptr) std::fflush(file_);
}

}  // namespace aerolark
