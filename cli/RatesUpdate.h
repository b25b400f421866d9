#pragma once

#include <iosfwd>

namespace ratio {

// update-rates: downloads the day's rate document (RATIO_RATES_URL moves the
// address), checks it, and keeps it where the app keeps it, replaced
// atomically, so the app and ratio-cli never read half a file. A download
// that fails, gives no usable document or one with an unreadable rate, or
// rates older than the kept ones leaves the kept document as it was.
struct RatesUpdate {
    // 0 when the document was kept or the kept rates are newer, 1 otherwise;
    // the date of the rates on `output`, the reason for a failure on `errors`.
    static int run(int timeoutSeconds, std::ostream& output, std::ostream& errors);
};

} // namespace ratio
