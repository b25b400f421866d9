#include "app/AdvanceTable.h"

namespace ratio {

AdvanceTable::AdvanceTable(const QFont& font) : measured(font), metrics(font) {
    printable.fill(-1);
}

} // namespace ratio
