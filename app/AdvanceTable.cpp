#include "app/AdvanceTable.h"

namespace ratio {

AdvanceTable::AdvanceTable(const QFont& font) : measured(font), metrics(font) {
    for (std::size_t i = 0; i < printable.size(); ++i)
        printable[i] = metrics.horizontalAdvance(QChar(static_cast<char16_t>(first + i)));
}

} // namespace ratio
