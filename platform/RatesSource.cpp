#include "platform/RatesSource.h"

#include "platform/RatesModuleEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QtDebug>

#include <utility>

namespace ratio {

QString ratesModulePath() {
    // The same relative place in an install tree (from bin/) and in the build
    // tree (from any program's folder), so neither depends on where it lies.
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" RATIO_MODULE_FROM_BIN "/ratio-rates.so"));
}

std::unique_ptr<RatesSource> loadRatesSource(RatesSource::Receiver receiver) {
    QLibrary module(ratesModulePath());
    const auto make = reinterpret_cast<MakeRatesSource>(module.resolve(makeRatesSourceSymbol));
    if (!make) {
        static bool warned = false; // the app asks on every activation
        if (!std::exchange(warned, true))
            qWarning("No currency rates: %s", qPrintable(module.errorString()));
        return nullptr;
    }
    // The module stays loaded until the process ends: the source's code lives there.
    return std::unique_ptr<RatesSource>(make(std::move(receiver)));
}

} // namespace ratio
