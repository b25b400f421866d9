#pragma once

#include "platform/RatesSource.h"

namespace ratio {

// The one function the rates module exports, by this unmangled name.
using MakeRatesSource = RatesSource* (*)(RatesSource::Receiver receiver);
inline constexpr const char* makeRatesSourceSymbol = "ratio_make_rates_source";

} // namespace ratio
