// aerolark_trace_check TRACE SETTINGS_BEFORE_RUN INSTALL_FOLDER/
// Exit status 0 when the trace follows the saver window's rules, 1 when a
// line differs (printed), 2 on wrong use.

#include <fstream>
#include <iostream>

#include "trace_checker.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: aerolark_trace_check TRACE SETTINGS_BEFORE_RUN INSTALL_FOLDER/\n";
    return 2;
  }
  std::ifstream trace(argv[1]);
  if (!trace) {
    std::cerr << "cannot read " << argv[1] << '\n';
    return 2;
  }
  aerolark::testing::TraceCheck check = aerolark::testing::CheckTrace(trace, argv[2], argv[3]);
  if (check.ok) {
    std::cout << "trace follows the rules: " << check.linesChecked << " lines\n";
    return 0;
  }
  std::cout << check.difference << '\n';
  return 1;
}
