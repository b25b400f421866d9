#include "units/UnitCatalogue.h"

namespace ratio {

UnitCatalogue& unitCatalogue() {
    static UnitCatalogue* catalogue = new UnitCatalogue();
    return *catalogue;
}

} // namespace ratio
