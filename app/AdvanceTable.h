#pragma once

#include <QFont>
#include <QFontMetricsF>

#include <array>

namespace ratio {

// Advances of the characters a number is made of, each measured once per
// font, when first met: summing them is linear and cheap even for a million
// digits, where shaping the whole text would take longer than a frame. Only
// printable ASCII characters are kept; measuring ahead would load glyphs the
// first frame never shows, and the control characters, which no font has,
// would send the font system through every fallback font. Anything else is
// measured each time it is met.
class AdvanceTable {
  public:
    explicit AdvanceTable(const QFont& font);

    const QFont& font() const { return measured; }
    qreal advance(QChar c) const {
        const std::size_t index = std::size_t{c.unicode()} - first; // wraps below the space
        if (index >= printable.size())
            return metrics.horizontalAdvance(c);
        if (printable[index] < 0)
            printable[index] = metrics.horizontalAdvance(c);
        return printable[index];
    }

  private:
    static constexpr char16_t first = u' ';
    QFont measured;
    QFontMetricsF metrics;
    mutable std::array<qreal, u'~' - first + 1> printable; // negative: not measured yet
};

} // namespace ratio
