#include "cli/UpdateRatesHelper.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <unistd.h>

namespace ratio {

std::string UpdateRatesHelper::path() {
    // Relative to this program, so a moved install tree and the build tree
    // both find theirs.
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = error ? std::filesystem::path(".") : self.parent_path();
    return (folder / RATIO_HELPER_FROM_BIN / programName).lexically_normal();
}

int UpdateRatesHelper::exec(char** argv, std::ostream& output, std::ostream& errors) {
    const std::string helper = path();
    output.flush();
    errors.flush();
    argv[0] = const_cast<char*>(helper.c_str());
    ::execv(helper.c_str(), argv);
    errors << "ratio-cli: update-rates: cannot start " << helper << ": " << std::strerror(errno)
           << '\n';
    return 1;
}

} // namespace ratio
