// The floor Qt sets for a start on this machine: an empty window of the
// app's size, reporting its first frame the way the app does.
#include "platform/FirstFrameReport.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(390, 844);
    ratio::FirstFrameReport::installIfAsked(&window);
    window.show();
    return application.exec();
}
