#include "platform/RatesSource.h"

#include "platform/RatesModuleEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QtDebug>

#ifndef RATIO_RATES_MODULE_DIR
#define RATIO_RATES_MODULE_DIR "/usr/local/lib/ratio"
#endif
#ifndef RATIO_BUILD_DIR
#define RATIO_BUILD_DIR ""
#endif
#ifndef RATIO_BUILT_MODULE_DIR
#define RATIO_BUILT_MODULE_DIR ""
#endif

namespace ratio {

namespace {

// A program of the build tree takes the module built beside it, an installed
// one the installed module.
QString moduleDirectory() {
    const QString build = QStringLiteral(RATIO_BUILD_DIR);
    const QString here = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    if (!build.isEmpty() && here.startsWith(QDir(build).canonicalPath()))
        return QStringLiteral(RATIO_BUILT_MODULE_DIR);
    return QStringLiteral(RATIO_RATES_MODULE_DIR);
}

} // namespace

std::unique_ptr<RatesSource> loadRatesSource(RatesSource::Receiver receiver) {
    QLibrary module(moduleDirectory() + QStringLiteral("/ratio-rates.so"));
    const auto make = reinterpret_cast<MakeRatesSource>(module.resolve(makeRatesSourceSymbol));
    if (!make) {
        qWarning("No currency rates: %s", qPrintable(module.errorString()));
        return nullptr;
    }
    // The module stays loaded until the process ends: the source's code lives there.
    return std::unique_ptr<RatesSource>(make(std::move(receiver)));
}

} // namespace ratio
