// A digit key to the repainted rows of the main screen, with the rows' text
// layout and font fitting, on numbers of 10, 1,000 and 100,000 digits.
// Beside it, in the same run: the engine's key alone, a bare word-wrapped
// QLabel given the same text and repainted (what a stock label costs), and
// Ctrl+V of a number that long, which should cost about one key.
#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "app/NumberRowLabel.h"
#include "engine/BDouble.h"
#include "engine/OperatorMode.h"
#include "localization/Localization.h"
#include "platform/QSettingsStore.h"
#include "units/UnitCatalogueBuilder.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace ratio;

struct MainScreen {
    QTemporaryDir folder;
    QSettingsStore store{folder.filePath("settings.ini")};
    AppDelegate delegate{store, KeptRatesDocument(folder.path()), QLocale("en_GB")};
    CalculatorViewController screen{delegate};

    MainScreen() {
        screen.resize(390, 844);
        screen.show();
        QCoreApplication::processEvents();
    }
    void startWith(std::size_t digits) {
        screen.calculator.Number0 = *BDouble::fromText(std::string(digits, '9'));
    }
};

MainScreen& mainScreen() {
    static MainScreen shared;
    return shared;
}

void BM_DigitKeyToRepaintedRows(benchmark::State& state) {
    MainScreen& main = mainScreen();
    QKeyEvent seven(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    for (auto _ : state) {
        state.PauseTiming();
        main.startWith(static_cast<std::size_t>(state.range(0)));
        state.ResumeTiming();
        QCoreApplication::sendEvent(&main.screen, &seven);
        main.screen.Number0Label->repaint();
        main.screen.Number1Label->repaint();
    }
}
BENCHMARK(BM_DigitKeyToRepaintedRows)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

// A pasted number of that many digits, to the repainted rows.
void BM_PasteToRepaintedRows(benchmark::State& state) {
    MainScreen& main = mainScreen();
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString());
    QGuiApplication::clipboard()->setText(QString(static_cast<qsizetype>(state.range(0)), u'9') +
                                          u'7');
    for (auto _ : state) {
        QCoreApplication::sendEvent(&main.screen, &paste);
        main.screen.Number0Label->repaint();
        main.screen.Number1Label->repaint();
    }
}
BENCHMARK(BM_PasteToRepaintedRows)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The engine's share of the above: the key without any drawing.
void BM_DigitKeyEngineOnly(benchmark::State& state) {
    MainScreen& main = mainScreen();
    for (auto _ : state) {
        state.PauseTiming();
        main.startWith(static_cast<std::size_t>(state.range(0)));
        state.ResumeTiming();
        main.screen.calculator.enterDigit(7);
    }
}
BENCHMARK(BM_DigitKeyEngineOnly)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The reference: a stock word-wrapped label of the row's size showing the same text.
void BM_BareLabelRepaint(benchmark::State& state) {
    MainScreen& main = mainScreen();
    main.startWith(static_cast<std::size_t>(state.range(0)));
    main.screen.calculator.enterDigit(7);
    const QString text = main.screen.Number0Label->text();
    // On the screen, where the row is, so that a repaint really paints.
    QLabel label(&main.screen);
    label.setWordWrap(true);
    label.setGeometry(main.screen.Number0Label->geometry());
    label.show();
    for (auto _ : state) {
        label.setText(state.iterations() % 2 ? text : text + u'7');
        label.repaint();
    }
}
BENCHMARK(BM_BareLabelRepaint)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Localization::preferredLanguagesSource = [] { return std::vector<std::string>{"en-GB"}; };
    buildUnitCatalogue();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
