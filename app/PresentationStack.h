// Screens shown over the main screen, one above the other.
//
// The main screen owns one stack. A screen is made from its identifier, laid
// over the whole window and slides in; dismissing it slides it out and deletes
// it, so every weak link to it reads as absent afterwards. Only the top screen
// takes input.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace ratio {

class PresentationStack : public QObject {
    Q_OBJECT

  public:
    // The stack of the window `host` belongs to, made on first use.
    static PresentationStack& of(QWidget& host);

    // The screen the identifier names ("Unit", "Additional Units"), or null
    // for an unknown identifier or before the application delegate exists.
    static QWidget* instantiate(const QString& identifier);

    // Presents the screen made from `identifier`; null when none could be made.
    QWidget* present(const QString& identifier, bool animated = true);
    void present(QWidget* screen, bool animated = true);

    // Dismisses `screen` and every screen above it; `done` runs once they are
    // gone from the stack (the slide-out may still be running).
    void dismiss(QWidget* screen, bool animated = true, const std::function<void()>& done = {});
    void dismissTop(bool animated = true, const std::function<void()>& done = {});
    void dismissAll(bool animated = true, const std::function<void()>& done = {});

    QWidget* top() const;
    int count() const { return static_cast<int>(screens.size()); }

    // Slide duration in milliseconds; 0 shows and removes screens at once.
    static int slideDuration;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit PresentationStack(QWidget& window);
    void prune();
    void slideIn(QWidget* screen);
    void slideOut(QWidget* screen, bool animated);

    QWidget& window;
    std::vector<QPointer<QWidget>> screens;
};

} // namespace ratio
