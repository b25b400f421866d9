#include "platform/FirstFrameReport.h"

#include "platform/AfterFirstFrame.h"

#include <QCoreApplication>

#include <cstdio>

namespace ratio {

void FirstFrameReport::installIfAsked(QObject* window) {
    if (!qEnvironmentVariableIsSet("RATIO_REPORT_FIRST_FRAME"))
        return;
    afterFirstFrame(window, [] {
        std::fputs("first-frame\n", stdout);
        std::fflush(stdout);
        if (qgetenv("RATIO_REPORT_FIRST_FRAME") == "quit")
            QCoreApplication::quit();
    });
}

} // namespace ratio
