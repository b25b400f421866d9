#include "app/FontConfigWarmUp.h"

#ifdef RATIO_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace ratio {

namespace {

#ifdef RATIO_HAS_FONTCONFIG
// The family fontconfig gives a pattern such as "sans-serif:lang=en".
QString familyFor(const char* description) {
    QString family;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(description));
    if (!pattern)
        return family;
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch)
            family = QString::fromUtf8(reinterpret_cast<const char*>(name));
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return family;
}
#endif

} // namespace

FontConfigWarmUp::FontConfigWarmUp() {
#ifdef RATIO_HAS_FONTCONFIG
    worker = std::thread([this] {
        if (!FcInit())
            return;
        // Without a lang, fontconfig uses the process's locale, as Qt does.
        const QString latin = familyFor("sans-serif:lang=en");
        if (latin != familyFor("sans-serif"))
            latinFamily = latin;
    });
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
