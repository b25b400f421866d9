#pragma once

#include "cli/ResultText.h"

#include <optional>
#include <string>
#include <vector>

namespace ratio {

// What the command line asked for. Parsing checks the form only; units and
// files are resolved later, against the catalogue.
struct CliOptions {
    enum class Command { Keys, Convert, Batch, List, UpdateRates, History, Help, Version };

    Command command = Command::Keys;
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::optional<std::string> language;
    std::optional<std::string> locale;
    std::optional<std::string> ratesFile;
    std::optional<std::string> timeoutText;
    std::optional<std::string> placesText;
    ResultFormat format; // convert and --batch
    bool calculatorMode = false;
    bool trace = false;
    bool record = false;       // KEYS: the run's entries go into the history
    bool clearHistory = false; // history --clear
    std::string keys;                          // spaces removed
    std::vector<std::string> convertArguments; // VALUE FROM TO
    std::optional<std::string> listCategory;
    int timeoutSeconds = 30; // update-rates

    static const char* usage();
};

// The options, or the one-line message of a usage error.
struct ParsedCliOptions {
    std::optional<CliOptions> options;
    std::string error;
};

ParsedCliOptions parseCliOptions(const std::vector<std::string>& arguments);

} // namespace ratio
