#include "cli/UpdateRatesHelper.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <unistd.h>

#ifndef RATIO_HELPER_DIR
#define RATIO_HELPER_DIR "/usr/local/libexec/ratio"
#endif

namespace ratio {

std::string UpdateRatesHelper::path() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const auto beside = self.parent_path() / programName;
        if (access(beside.c_str(), X_OK) == 0)
            return beside;
    }
    return std::string(RATIO_HELPER_DIR) + "/" + programName;
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
