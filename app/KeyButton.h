#pragma once

#include <QColor>
#include <QPushButton>

namespace ratio {

// A keypad key with fully rounded ends: the corner radius is always half the
// key's height, so it stays round as the window is resized. Its colours are
// plain properties, exchanged when an operator key lights up.
class KeyButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(QColor titleColor READ titleColor WRITE setTitleColor)
    Q_PROPERTY(int titlePixelSize READ titlePixelSize WRITE setTitlePixelSize)

  public:
    explicit KeyButton(QWidget* parent = nullptr);

    QColor backgroundColor() const { return background; }
    void setBackgroundColor(const QColor& color);
    QColor titleColor() const { return title; }
    void setTitleColor(const QColor& color);
    int titlePixelSize() const { return font().pixelSize(); }
    void setTitlePixelSize(int pixels);

    // Keys are as tall as the layout makes them; the mode keys are shorter.
    void setHeightReduction(int points);
    int cornerRadius() const { return height() / 2; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor background{0x33, 0x33, 0x33};
    QColor title{Qt::white};
    int heightReduction = 0;
};

} // namespace ratio
