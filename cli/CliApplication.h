// ratio-cli: Ratio's calculator and converter without a window.
//
// The arguments pick a language and a locale; the catalogue is built from
// them (and once more under British names), currency units come from --rates
// or the app's kept document, and then keys, conversions or batch lines run
// through the same engine as the main screen. Results go to standard output,
// everything else to errors.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace ratio {

enum CliExitStatus { ExitSuccess = 0, ExitLineFailed = 1, ExitFailed = 1, ExitUsage = 2 };

// Runs update-rates: timeout in seconds, output, errors; gives the exit status.
// The network code is linked only into the program that carries it.
using RatesUpdateRunner = std::function<int(int, std::ostream&, std::ostream&)>;

// `interactiveInput`: standard input is a terminal, so batch results are
// flushed line by line. Without `updateRates`, update-rates is refused.
int runCli(const std::vector<std::string>& arguments, std::istream& input, std::ostream& output,
           std::ostream& errors, bool interactiveInput = false,
           const RatesUpdateRunner& updateRates = {});

} // namespace ratio
