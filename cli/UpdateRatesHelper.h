#pragma once

#include <iosfwd>
#include <string>

namespace ratio {

// ratio-cli carries no network code, so that every conversion starts without
// loading the network libraries; update-rates hands over to the helper
// program that does, with the same arguments. The helper lies in
// libexec/ratio beside the program folder, installed and in the build tree.
struct UpdateRatesHelper {
    static constexpr const char* programName = "ratio-cli-update-rates";

    // Replaces this process with the helper; returns only when that fails.
    static int exec(char** argv, std::ostream& output, std::ostream& errors);

    static std::string path();
};

} // namespace ratio
