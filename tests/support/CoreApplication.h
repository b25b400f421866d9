// An event loop for tests outside the screens: one QCoreApplication, made on
// first need, that lives for the whole test program.
#pragma once

#include <QCoreApplication>

namespace ratio::testing {

inline void ensureCoreApplication() {
    static int argc = 1;
    static char* argv[] = {const_cast<char*>("ratio_tests"), nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

} // namespace ratio::testing
