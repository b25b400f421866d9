// The rates module: the rate download and the network libraries it needs,
// loaded by the app when it first asks for rates.
#include "platform/CurrencyRateRequest.h"
#include "platform/RatesModuleEntry.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT ratio::RatesSource*
ratio_make_rates_source(ratio::RatesSource::Receiver receiver) {
    return new ratio::CurrencyRateRequest(std::move(receiver));
}

