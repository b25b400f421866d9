// What makes a history entry, watching the main screen's keys:
// - "=" that finishes a calculation (an operator and a second operand) in
//   either mode records it with its result; "=" with nothing to work out and
//   a division by zero record nothing;
// - in converter mode, a number the user entered into row 0 (typed, pasted
//   or worked out by "=") records its conversion once, when it is left: at
//   Clear, at a swap, at a new pair, at another number taken from the
//   history, and when the app closes. Zero is not recorded.
#pragma once

#include "engine/KeypadKey.h"
#include "engine/LegacyCalculator.h"
#include "units/HistoryEntry.h"

#include <functional>
#include <string>
#include <vector>

namespace ratio {

class HistoryRecorder {
  public:
    explicit HistoryRecorder(OperatorMode& operatorMode);

    // Told of every entry; nothing is recorded while it is unset.
    std::function<void(const HistoryEntry&)> recorded;
    // The time an entry is stamped with; the local time by default.
    std::function<std::string()> clock = localTimeNow;

    // Around a calculator key (not the swap).
    void beforeKey(KeypadKey key, const LegacyCalculator& calculator);
    void afterKey(KeypadKey key, const LegacyCalculator& calculator, bool dividedByZero);
    // Row 0 took a number the user chose: it is recorded when left.
    void numberEntered() { entered = true; }
    // Row 0's number is about to go: its conversion, if entered and not yet recorded.
    void leaveNumber(const LegacyCalculator& calculator, const HistoryPair& pair,
                     bool converterMode);

    // ISO 8601 with the offset from UTC: "2026-12-05T14:03:09+01:00".
    static std::string localTimeNow();

  private:
    void record(HistoryEntry entry);

    OperatorMode& operatorMode;
    std::vector<std::string> calculation; // operands and operators so far
    std::string finished;                 // the calculation "=" is finishing
    bool entered = false;
};

} // namespace ratio
