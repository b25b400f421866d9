#include "app/DivisionByZeroAlert.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace ratio {

namespace {

const QColor panelColor(0x2c, 0x2c, 0x2e);
const QColor messageColor(0xd1, 0xd1, 0xd6);
const QColor separatorColor(0x48, 0x48, 0x4a);
const QColor accentColor(0xff, 0x9f, 0x0a); // the operator keys' orange
constexpr int alertWidth = 270;

QLabel* centredLabel(const QString& text, int pixels, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QPalette alertPalette() {
    QPalette colours;
    colours.setColor(QPalette::Window, panelColor);
    colours.setColor(QPalette::Button, panelColor);
    colours.setColor(QPalette::WindowText, Qt::white);
    colours.setColor(QPalette::Text, Qt::white);
    colours.setColor(QPalette::ButtonText, accentColor);
    return colours;
}

} // namespace

DivisionByZeroAlert::DivisionByZeroAlert(const QString& okTitle, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("DivisionByZeroAlert");
    setWindowTitle(QStringLiteral("/ 0"));
    setAccessibleName(windowTitle());
    setAccessibleDescription(QStringLiteral("Division 0"));
    // Only the rounded panel is painted; the corners show what lies beneath.
    setAttribute(Qt::WA_TranslucentBackground);
    setPalette(alertPalette());
    setFixedWidth(alertWidth);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 20, 0, 0);
    layout->setSpacing(0);
    auto* title = centredLabel(windowTitle(), 17, true, this);
    title->setObjectName("AlertTitle");
    auto* message = centredLabel(accessibleDescription(), 15, false, this);
    message->setObjectName("AlertMessage");
    QPalette messageColours = message->palette();
    messageColours.setColor(QPalette::WindowText, messageColor);
    message->setPalette(messageColours);
    auto* separator = new QFrame(this);
    separator->setFixedHeight(1);
    separator->setAutoFillBackground(true);
    QPalette line = separator->palette();
    line.setColor(QPalette::Window, separatorColor);
    separator->setPalette(line);
    auto* ok = new QPushButton(okTitle, this);
    ok->setObjectName("OkButton");
    ok->setFlat(true);
    ok->setDefault(true);
    ok->setMinimumHeight(44);
    QFont okFont = ok->font();
    okFont.setPixelSize(17);
    okFont.setBold(true);
    ok->setFont(okFont);
    layout->addWidget(title);
    layout->addSpacing(4);
    layout->addWidget(message);
    layout->addSpacing(20);
    layout->addWidget(separator);
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

DivisionByZeroAlert* DivisionByZeroAlert::present(const QString& okTitle, QWidget* parent) {
    auto* alert = new DivisionByZeroAlert(okTitle, parent);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
    return alert;
}

void DivisionByZeroAlert::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOverWindow();
}

// Without a window manager's frame to place it, a dialog would open wherever
// the platform puts new windows.
void DivisionByZeroAlert::centreOverWindow() {
    const QWidget* window = parentWidget() ? parentWidget()->window() : nullptr;
    if (!window)
        return;
    const QRect area(window->mapToGlobal(QPoint(0, 0)), window->size());
    move(area.center() - rect().center());
}

void DivisionByZeroAlert::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Window));
    painter.drawRoundedRect(rect(), 14, 14);
}

} // namespace ratio
