// The reference for the app's start: a window of the app's size showing one
// label, which loads the fonts a first frame with text needs, reporting its
// first frame the way the app does.
#include "platform/FirstFrameReport.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("0"));
    window.setAlignment(Qt::AlignRight | Qt::AlignBottom);
    window.resize(390, 844);
    ratio::FirstFrameReport::installIfAsked(&window);
    window.show();
    return application.exec();
}
