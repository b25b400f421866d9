#pragma once

#include <QDialog>
#include <QString>

namespace ratio {

// Offers one plain text to other applications: the clipboard, or a new
// e-mail. It closes after either, or on Cancel; nothing is reported back.
class ShareSheet : public QDialog {
    Q_OBJECT

  public:
    ShareSheet(const QString& text, QWidget* parent);

    static ShareSheet* present(const QString& text, QWidget* parent);
    static void copyToClipboard(const QString& text);
    static QUrl mailUrl(const QString& text);

  private:
    QString sharedText;
};

} // namespace ratio
