// The unit selection screen: opening it to its first painted frame,
// scrolling it from the first section to the last one frame at a time, and
// searching it one typed character per frame.
// RATIO_BENCH_LANG picks the language (en-GB by default, ja for Japanese).
#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "app/PresentationStack.h"
#include "app/UnitListView.h"
#include "app/UnitsViewController.h"
#include "localization/Localization.h"
#include "platform/QSettingsStore.h"
#include "units/UnitCatalogue.h"
#include "units/UnitCatalogueBuilder.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace {

using namespace ratio;
using Clock = std::chrono::steady_clock;

struct Setting {
    QTemporaryDir folder;
    QSettingsStore store{folder.filePath("settings.ini")};
    AppDelegate delegate{store, KeptRatesDocument(folder.path()), QLocale::system()};
    CalculatorViewController main{delegate};

    Setting() {
        main.resize(390, 844);
        main.show();
        PresentationStack::slideDuration = 0;
    }
    // Runs what the event loop would run before the next frame.
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

Setting& setting() {
    static Setting shared;
    return shared;
}

void BM_OpenUnitSelectionToFirstFrame(benchmark::State& state) {
    Setting& s = setting();
    for (auto _ : state) {
        s.main.showUnitSelection();
        Setting::settle();
        QWidget* screen = PresentationStack::of(s.main).top();
        screen->repaint();
        state.PauseTiming();
        PresentationStack::of(s.main).dismissAll(false);
        Setting::settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenUnitSelectionToFirstFrame)->Unit(benchmark::kMillisecond);

// One iteration scrolls the whole list in 20-pixel frames; the slowest frame is reported.
void BM_ScrollFirstToLastSection(benchmark::State& state) {
    Setting& s = setting();
    s.main.showUnitSelection();
    Setting::settle();
    auto* screen = qobject_cast<UnitsViewController*>(PresentationStack::of(s.main).top());
    UnitListView* list = screen->TableView;
    QScrollBar* bar = list->verticalScrollBar();
    Clock::duration slowest{};
    long long frames = 0;
    for (auto _ : state) {
        for (int y = bar->minimum(); y <= bar->maximum(); y += 20) {
            const auto start = Clock::now();
            bar->setValue(y);
            list->viewport()->repaint();
            slowest = std::max(slowest, Clock::now() - start);
            ++frames;
        }
        bar->setValue(bar->minimum());
    }
    state.counters["frames"] = static_cast<double>(frames);
    state.counters["slowest_frame_ms"] = std::chrono::duration<double, std::milli>(slowest).count();
    PresentationStack::of(s.main).dismissAll(false);
    Setting::settle();
}
BENCHMARK(BM_ScrollFirstToLastSection)->Unit(benchmark::kMillisecond);

// The texts typed: the first four characters of a unit of each category, in
// the active language, so every language types its own script.
std::vector<QString> typedTexts() {
    std::vector<QString> texts;
    for (const Category& category : unitCatalogue())
        if (!category.unitDefinitions.empty())
            texts.push_back(
                QString::fromStdString(category.unitDefinitions.back().longName).left(4));
    texts.push_back(QStringLiteral("gal"));
    return texts;
}

// One iteration types each text a character at a time (each a frame: the
// filter, the list rebuilt and painted), then clears it; the slowest frame is reported.
void BM_SearchOneCharacterPerFrame(benchmark::State& state) {
    Setting& s = setting();
    s.main.showUnitSelection();
    Setting::settle();
    auto* screen = qobject_cast<UnitsViewController*>(PresentationStack::of(s.main).top());
    QLineEdit* field = screen->SearchField;
    const std::vector<QString> texts = typedTexts();
    Clock::duration slowest{};
    long long frames = 0;
    for (auto _ : state) {
        for (const QString& text : texts) {
            for (qsizetype length = 1; length <= text.size() + 1; ++length) {
                const auto start = Clock::now();
                // The last frame clears the search and restores the full list.
                field->setText(length <= text.size() ? text.left(length) : QString());
                screen->TableView->viewport()->repaint();
                slowest = std::max(slowest, Clock::now() - start);
                ++frames;
            }
        }
    }
    state.counters["frames"] = static_cast<double>(frames);
    state.counters["slowest_frame_ms"] = std::chrono::duration<double, std::milli>(slowest).count();
    PresentationStack::of(s.main).dismissAll(false);
    Setting::settle();
}
BENCHMARK(BM_SearchOneCharacterPerFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string language = qEnvironmentVariable("RATIO_BENCH_LANG", "en-GB").toStdString();
    Localization::preferredLanguagesSource = [language] {
        return std::vector<std::string>{language};
    };
    buildUnitCatalogue();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
