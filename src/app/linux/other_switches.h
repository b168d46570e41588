#pragma once
// The switches a Unix user tries on any program, which a screen saver's
// command line does not have.

#include <ostream>
#include <string>
#include <vector>

namespace aerolark {

// `--help`, `-h` and `/?` print the usage and `--version` the version on
// `out` (status 0). Any other switch is named on `errors`, pointing at
// `--help` (status 2): it ends the program without having done anything.
// `arguments` are the program's, its own name first.
int AnswerOtherSwitch(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& errors);

}  // namespace aerolark
