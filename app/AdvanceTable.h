#pragma once

#include <QFont>
#include <QFontMetricsF>

#include <array>

namespace ratio {

// Advances of the characters a number is made of, measured once per font:
// summing them is linear and cheap even for a million digits, where shaping
// the whole text would take longer than a frame. Only the printable ASCII
// characters are measured ahead: no font has glyphs for the control
// characters, and asking for them sends the font system through every
// fallback font before the first frame. Anything else is measured when met.
class AdvanceTable {
  public:
    explicit AdvanceTable(const QFont& font);

    const QFont& font() const { return measured; }
    qreal advance(QChar c) const {
        const std::size_t index = std::size_t{c.unicode()} - first; // wraps below the space
        return index < printable.size() ? printable[index] : metrics.horizontalAdvance(c);
    }

  private:
    static constexpr char16_t first = u' ';
    QFont measured;
    QFontMetricsF metrics;
    std::array<qreal, u'~' - first + 1> printable{};
};

} // namespace ratio
