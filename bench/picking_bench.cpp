// The unit selection screen: opening it to its first painted frame,
// and beside it the history screen with a full tape of 1,000 entries;
// scrolling it from the first section to the last one frame at a time, and
// searching it one typed character per frame.
// RATIO_BENCH_LANG picks the language (en-GB by default, ja for Japanese).
#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "app/HistoryViewController.h"
#include "app/PresentationStack.h"
#include "app/UnitListView.h"
#include "app/UnitsViewController.h"
#include "localization/Localization.h"
#include "platform/HistoryFile.h"
#include "platform/QSettingsStore.h"
#include "units/UnitCatalogue.h"
#include "units/UnitCatalogueBuilder.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>

#include "SideBySide.h"

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

// A full tape: calculations and conversions over a fortnight, half of each.
void fillHistory(const QString& folder) {
    HistoryEntries entries;
    for (int i = 0; i < int(HistoryTape::maximumEntries); ++i) {
        const std::string day = "2026-12-" + std::to_string(10 + i / 100) + "T12:00:00+01:00";
        if (i % 2)
            entries.push_back({day, "12 × " + std::to_string(i), std::to_string(12 * i), "", {}});
        else
            entries.push_back({day,
                               "",
                               std::to_string(i) + ".5",
                               "1/7",
                               {"Mile (mile, mi)", "Kilometre (km)", {}}});
    }
    HistoryFile(folder).append(entries);
}

// A screen made from its identifier, to its first painted frame, and closed.
void openToFirstFrame(CalculatorViewController& main, const QString& identifier) {
    QWidget* screen = PresentationStack::of(main).present(identifier, false);
    Setting::settle();
    screen->repaint();
    PresentationStack::of(main).dismissAll(false);
    Setting::settle();
}

// The history of 1,000 entries opened, beside the unit selection in the same run.
void BM_OpenFullHistoryToFirstFrame(benchmark::State& state) {
    Setting& s = setting();
    fillHistory(s.folder.path());
    bench::sideBySide(
        state, [&] { openToFirstFrame(s.main, QStringLiteral("History")); },
        [&] { openToFirstFrame(s.main, QStringLiteral("Unit")); });
}
BENCHMARK(BM_OpenFullHistoryToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

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
