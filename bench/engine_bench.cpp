// Cost of one key on numbers of growing length beside the bare GMP work
// that the same key needs, timed the same way in the same run.
#include "engine/BDouble.h"
#include "engine/LegacyCalculator.h"
#include "units/MainScreenModel.h"

#include "SideBySide.h"

#include <benchmark/benchmark.h>

#include <functional>

#include <string>

namespace {

using namespace ratio;

// The converter screen's model between two units with chains of two steps and one.
void convertLeToMile(MainScreenModel& screen) {
    screen.setUnits(
        UnitDefinition("Lê", "Lê", true, -1,
                       {{Operator::Multiplication, 5868000}, {Operator::Division, 121}}),
        UnitDefinition("mile", "mile", true, -1,
                       {{Operator::Multiplication, *BDouble::fromText("1609.344")}}));
}

std::string digits(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text.push_back(static_cast<char>('1' + i % 9));
    return text;
}

// The bare GMP work of a digit key: append the digit, convert through the
// same chain, write both numbers as text to 8 places.
struct BareGmpKey {
    explicit BareGmpKey(mpz_class start) : start(std::move(start)) {}
    mpz_class start;
    mpq_class factor{mpz_class(5868000), mpz_class(121)};
    mpq_class mile{mpz_class(201168), mpz_class(125)};
    mpz_class scale{100000000};
    std::string row0, row1;
    void operator()() {
        mpq_class typed(mpz_class(start * 10 + 7));
        row0 = typed.get_num().get_str();
        mpq_class converted = typed * factor / mile;
        mpz_class shown = converted.get_num() * scale / converted.get_den();
        row1 = shown.get_str();
        benchmark::DoNotOptimize(row0.data());
        benchmark::DoNotOptimize(row1.data());
    }
};

// A digit key (integer part) with its conversion through a two-step chain,
// beside bare GMP doing the same work; both sides start from the same number
// on every call, so both are timed the same way.
void BM_DigitKey(benchmark::State& state) {
    OperatorMode mode;
    MainScreenModel screen(".", ",", mode);
    convertLeToMile(screen);
    LegacyCalculator& calculator = screen.calculator;
    const std::string text = digits(static_cast<std::size_t>(state.range(0)));
    const BDouble start = *BDouble::fromText(text);
    BareGmpKey bare(mpz_class{text});
    bench::sideBySide(
        state,
        [&] {
            calculator.Number0 = start;
            calculator.enterDigit(7);
            benchmark::DoNotOptimize(screen.row1().data());
        },
        std::ref(bare));
}
BENCHMARK(BM_DigitKey)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// A digit key after as many decimal places (no reference: bare GMP's work is the same as above).
void BM_DecimalDigitKey(benchmark::State& state) {
    OperatorMode mode;
    MainScreenModel screen(".", ",", mode);
    convertLeToMile(screen);
    LegacyCalculator& calculator = screen.calculator;
    calculator.diagnosticSink = nullptr;
    const std::size_t places = static_cast<std::size_t>(state.range(0));
    const BDouble start = *BDouble::fromText("1." + digits(places));
    for (auto _ : state) {
        calculator.Number0 = start;
        calculator.DecimalInputPlace = static_cast<int>(places);
        calculator.enterDigit(7);
        benchmark::DoNotOptimize(screen.row1().data());
    }
}
BENCHMARK(BM_DecimalDigitKey)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The result text of an exact 1/3 whose denominator has 10,000 digits.
void BM_ResultTextOfThird(benchmark::State& state) {
    BaseCalculator calculator(".", ",");
    const BDouble third = BDouble::tenToTheMinus(9999) * *BDouble(1).dividedBy(BDouble(3));
    mpz_class den;
    mpz_ui_pow_ui(den.get_mpz_t(), 10, 9999);
    const mpq_class bareThird(mpz_class(1), mpz_class(3 * den));
    const mpz_class scale(100000000);
    bench::sideBySide(
        state,
        [&] {
            std::string text = calculator.insertGroupingSeparators(calculator.resultText(third));
            benchmark::DoNotOptimize(text.data());
        },
        [&] {
            mpz_class shown = bareThird.get_num() * scale / bareThird.get_den();
            std::string text = shown.get_str();
            benchmark::DoNotOptimize(text.data());
        });
}
BENCHMARK(BM_ResultTextOfThird)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
