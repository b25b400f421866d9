// ratio-cli: Ratio's calculator and converter without a window.
//
// The arguments pick a language and a locale; the catalogue is built from
// them (and once more under British names), currency units come from --rates
// or the app's kept document, and then keys, conversions or batch lines run
// through the same engine as the main screen. Results go to standard output,
// everything else to errors.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace ratio {

enum CliExitStatus { ExitSuccess = 0, ExitLineFailed = 1, ExitFailed = 1, ExitUsage = 2 };

// `interactiveInput`: standard input is a terminal, so batch results are
// flushed line by line.
int runCli(const std::vector<std::string>& arguments, std::istream& input, std::ostream& output,
           std::ostream& errors, bool interactiveInput = false);

} // namespace ratio
