// ratio-cli with the network code: ratio-cli hands update-rates over to it.
#include "cli/CliApplication.h"
#include "cli/RatesUpdate.h"

#include <QCoreApplication>

#include <iostream>
#include <unistd.h>

int main(int argc, char* argv[]) {
    QCoreApplication::setOrganizationName("Ratio");
    QCoreApplication::setApplicationName("Ratio");
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const int status = ratio::runCli(arguments, std::cin, std::cout, std::cerr,
                                     isatty(STDIN_FILENO) == 1, &ratio::RatesUpdate::run);
    std::cout.flush();
    return status;
}
