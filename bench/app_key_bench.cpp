// A digit key to the repainted rows of the main screen, with the rows' text
// layout and font fitting, on numbers of 10, 1,000 and 100,000 digits.
// Beside it, in the same run, a bare word-wrapped QLabel given the same text
// and repainted (what a stock label costs); the key without painting; and
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

#include "SideBySide.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <memory>

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
};

// Paints what is waiting to be painted, as the event loop does after an event.
void paintPending(QWidget& window) {
    QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
}

// Counts the paints a widget receives, to check a round painted what it should.
struct PaintCount : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Made in main and gone before the application: widgets outliving it crash at exit.
MainScreen* mainScreen = nullptr;

BDouble nines(std::int64_t digits) {
    return *BDouble::fromText(std::string(static_cast<std::size_t>(digits), '9'));
}

// The reference: a stock word-wrapped label of the row's size, place and
// font, in a window of the screen's size and colours, given row 0's text and
// repainted. Its own window, so that it never lies over the rows while they paint.
struct BareLabel {
    QWidget window;
    QLabel label{&window};
    QString text, typed;
    explicit BareLabel(const QString& rowText) : text(rowText), typed(rowText + u'7') {
        const CalculatorViewController& screen = mainScreen->screen;
        window.resize(screen.size());
        window.setPalette(screen.palette());
        window.setAutoFillBackground(true);
        QFont sized = screen.Number0Label->font();
        sized.setPixelSize(screen.Number0Label->currentPixelSize());
        label.setFont(sized);
        label.setWordWrap(true);
        label.setGeometry(mainScreen->screen.Number0Label->geometry());
        window.show();
        QCoreApplication::processEvents();
    }
    void operator()() {
        label.setText(label.text() == text ? typed : text); // a real change every time
        paintPending(window);
    }
};

// A digit key to both repainted rows beside the bare label, in the same run;
// both are painted the way the event loop paints them, once each.
void BM_DigitKeyToRepaintedRows(benchmark::State& state) {
    CalculatorViewController& screen = mainScreen->screen;
    const BDouble start = nines(state.range(0));
    screen.calculator.Number0 = start;
    screen.calculator.enterDigit(7);
    paintPending(screen);
    BareLabel bare(screen.Number0Label->text());
    QKeyEvent seven(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    PaintCount row0, row1, label;
    screen.Number0Label->installEventFilter(&row0);
    screen.Number1Label->installEventFilter(&row1);
    bare.label.installEventFilter(&label);
    long keys = 0, texts = 0;
    bench::sideBySide(
        state,
        [&] {
            screen.calculator.Number0 = start;
            QCoreApplication::sendEvent(&screen, &seven);
            paintPending(screen);
            ++keys;
        },
        [&] {
            bare();
            ++texts;
        });
    if (row0.paints != keys || row1.paints != keys || label.paints != texts)
        state.SkipWithError("a round did not paint each row and the label once");
}
BENCHMARK(BM_DigitKeyToRepaintedRows)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// A pasted number of that many digits, to the repainted rows.
void BM_PasteToRepaintedRows(benchmark::State& state) {
    CalculatorViewController& screen = mainScreen->screen;
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString());
    QGuiApplication::clipboard()->setText(QString(static_cast<qsizetype>(state.range(0)), u'9') +
                                          u'7');
    for (auto _ : state) {
        QCoreApplication::sendEvent(&screen, &paste);
        paintPending(screen);
    }
}
BENCHMARK(BM_PasteToRepaintedRows)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The engine's and the rows' layout share of the above: the key without any drawing.
void BM_DigitKeyWithoutPainting(benchmark::State& state) {
    CalculatorViewController& screen = mainScreen->screen;
    const BDouble start = nines(state.range(0));
    for (auto _ : state) {
        screen.calculator.Number0 = start;
        screen.calculator.enterDigit(7);
    }
}
BENCHMARK(BM_DigitKeyWithoutPainting)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

// The clear key that records a history entry (a typed 3 mile left behind)
// beside the same key recording nothing (row 0 already cleared), both to the
// repainted rows: the entry only joins a list, written on another thread.
void BM_ClearKeyRecordingAnEntry(benchmark::State& state) {
    CalculatorViewController& screen = mainScreen->screen;
    QKeyEvent clear(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    const auto clearKey = [&] {
        QCoreApplication::sendEvent(&screen, &clear);
        paintPending(screen);
    };
    bench::sideBySide(
        state,
        [&] {
            screen.model.press(KeypadKey::Digit3); // enters a number, recorded at the clear
            clearKey();
        },
        [&] {
            screen.model.press(KeypadKey::Digit0); // a zero is never recorded
            clearKey();
        });
    QCoreApplication::processEvents();
}
BENCHMARK(BM_ClearKeyRecordingAnEntry)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Localization::preferredLanguagesSource = [] { return std::vector<std::string>{"en-GB"}; };
    buildUnitCatalogue();
    auto screen = std::make_unique<MainScreen>();
    mainScreen = screen.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    screen.reset();
    return 0;
}
