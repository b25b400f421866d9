#include "cli/CliApplication.h"
#include "cli/UpdateRatesHelper.h"

#include <QCoreApplication>

#include <iostream>
#include <unistd.h>

int main(int argc, char* argv[]) {
    // The same names as the app, so the app's kept rate document is found.
    QCoreApplication::setOrganizationName("Ratio");
    QCoreApplication::setApplicationName("Ratio");
    std::ios::sync_with_stdio(false);
    // Untied, reading a batch line no longer flushes the output first; a
    // person at a terminal still sees each answer, as the batch flushes it.
    std::cin.tie(nullptr);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const int status =
        ratio::runCli(arguments, std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) == 1,
                      [argv](int, std::ostream& output, std::ostream& errors) {
                          return ratio::UpdateRatesHelper::exec(argv, output, errors);
                      });
    std::cout.flush();
    return status;
}
