#pragma once

#include <QDialog>
#include <QString>

namespace ratio {

// The calculator's one message: "/ 0" over "Division 0" and an OK button,
// dark like the screen it covers, and centred over that screen's window.
class DivisionByZeroAlert : public QDialog {
    Q_OBJECT

  public:
    DivisionByZeroAlert(const QString& okTitle, QWidget* parent);

    // Opens a window-modal alert that deletes itself once closed.
    static DivisionByZeroAlert* present(const QString& okTitle, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void centreOverWindow();
};

} // namespace ratio
