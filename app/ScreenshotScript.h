#pragma once

#include <QObject>
#include <QString>

namespace ratio {

class CalculatorViewController;

// Plays keys into the running app as a user would, one step at a time so
// slides and fades finish, then saves the window and quits (docs/screenshot.sh).
// "C" switches to calculator mode, "U" opens the unit selection screen, "H"
// the history,
// "↓" "↑" "⏎" "⎋" are the arrow, Return and Escape keys, "…" waits one step,
// "«text»" puts the text on the clipboard and "V" pastes (Ctrl+V); every
// other character is typed into the screen on top.
class ScreenshotScript : public QObject {
    Q_OBJECT

  public:
    ScreenshotScript(CalculatorViewController& main, QString keys, QString path);
    void start(int delay);

  private:
    void step();
    void press(QChar key);

    CalculatorViewController& main;
    QString keys;
    QString path;
    qsizetype next = 0;
};

} // namespace ratio
