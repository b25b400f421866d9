#include "app/FontConfigWarmUp.h"

#ifdef RATIO_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace ratio {

FontConfigWarmUp::FontConfigWarmUp() {
#ifdef RATIO_HAS_FONTCONFIG
    worker = std::thread([] { FcInit(); });
#endif
}

FontConfigWarmUp::~FontConfigWarmUp() {
    finish();
}

void FontConfigWarmUp::finish() {
    if (worker.joinable())
        worker.join();
}

} // namespace ratio
