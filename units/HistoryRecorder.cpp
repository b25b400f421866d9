#include "units/HistoryRecorder.h"

#include <ctime>

namespace ratio {

namespace {

bool isOperator(KeypadKey key) {
    return key >= KeypadKey::Addition && key <= KeypadKey::Division;
}

std::string symbol(KeypadKey key) {
    switch (key) {
    case KeypadKey::Addition:
        return "+";
    case KeypadKey::Subtraction:
        return "−";
    case KeypadKey::Multiplication:
        return "×";
    default:
        return "÷";
    }
}

// An operand as row 0 shows it, with "." as the point and no grouping.
std::string operandText(const LegacyCalculator& calculator) {
    static const BaseCalculator neutral(".", ",");
    return calculator.DecimalInputPlace >= 0
               ? neutral.entryText(calculator.Number0, calculator.DecimalInputPlace)
               : neutral.resultText(calculator.Number0);
}

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : " ") + part;
    return text;
}

} // namespace

HistoryRecorder::HistoryRecorder(OperatorMode& operatorMode) : operatorMode(operatorMode) {}

void HistoryRecorder::beforeKey(KeypadKey key, const LegacyCalculator& calculator) {
    const bool pending = operatorMode.modeEnum() != Mode::None;
    finished.clear();
    if (isOperator(key)) {
        if (!pending || calculation.empty())
            calculation = {operandText(calculator)};
        else if (calculator.CalculationInputBegan)
            calculation.push_back(operandText(calculator));
        else
            calculation.pop_back(); // another operator replaces the last
        calculation.push_back(symbol(key));
    } else if (key == KeypadKey::Equals && pending && calculator.CalculationInputBegan) {
        calculation.push_back(operandText(calculator));
        finished = joined(calculation);
    }
}

void HistoryRecorder::afterKey(KeypadKey key, const LegacyCalculator& calculator,
                               bool dividedByZero) {
    if (key == KeypadKey::Equals) {
        if (!finished.empty() && !dividedByZero) {
            record({{}, finished, calculator.Number0.exactText(), {}, {}});
            entered = true;
        }
        finished.clear();
    } else if (!isOperator(key) && key != KeypadKey::Clear) {
        entered = true; // a digit, the separator or the sign
    }
}

void HistoryRecorder::leaveNumber(const LegacyCalculator& calculator, const HistoryPair& pair,
                                  bool converterMode) {
    const bool wanted = entered && converterMode && !calculator.Number0.isZero() &&
                        !pair.unit0.empty() && !pair.unit1.empty();
    entered = false;
    if (wanted)
        record({{}, {}, calculator.Number0.exactText(), calculator.Number1.exactText(), pair});
}

void HistoryRecorder::record(HistoryEntry entry) {
    if (!recorded)
        return;
    entry.time = clock ? clock() : localTimeNow();
    recorded(entry);
}

std::string HistoryRecorder::localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string iso = text; // the offset as +hhmm; ISO 8601 readers want +hh:mm
    if (iso.size() >= 5)
        iso.insert(iso.size() - 2, ":");
    return iso;
}

} // namespace ratio
