// The picking screens over the main screen, opened with its unit key and
// driven with real clicks and keys: the compact list of added units, each
// category's full list, and currencies as rate documents arrive. Then finding
// units by typing: what a text finds in each language, and picking from the
// found units. German and Japanese run in their own processes
// (tests/CMakeLists.txt).
#include "MainScreenFixture.h"
#include "app/AdditionalUnitsViewController.h"
#include "app/UnitSearch.h"
#include "localization/CountFormat.h"
#include "units/LastSelection.h"

#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>
#include <set>

namespace ratio::testing {
namespace {

constexpr int currency = 0, length = 1, mass = 2, volume = 3;

const QByteArray laterRates = "<Cube currency='CHF' rate='0.95'/>\n";

bool sameChain(const MetricsCalculations& a, const MetricsCalculations& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.Operator == y.Operator && x.Number == y.Number;
    });
}

class UnitPickingTest : public PickingTest {
  protected:
    // Taps a category's more row and returns the full list it opens.
    AdditionalUnitsViewController* openMore(UnitsViewController* screen, int section) {
        tap(screen, section,
            static_cast<int>(screen->CategoriesWithAddedUnits[section].unitDefinitions.size()));
        if (!screensOpen(2))
            return nullptr;
        return qobject_cast<AdditionalUnitsViewController*>(stack().top());
    }
    // Leaves a full list by its back button for the compact list.
    bool back(AdditionalUnitsViewController* units) {
        QTest::mouseClick(units->BackButton, Qt::LeftButton);
        return screensOpen(1);
    }

    static const Category& category(int section) {
        return unitCatalogue()[static_cast<std::size_t>(section)];
    }
    static const UnitDefinition& catalogueUnit(int section, int row) {
        return category(section).unitDefinitions[static_cast<std::size_t>(row)];
    }
    // The catalogue row of a category's first unit that passes, or -1.
    template <typename Test> static int catalogueRow(int section, Test passes) {
        const auto& units = category(section).unitDefinitions;
        const auto found = std::find_if(units.begin(), units.end(), passes);
        return found == units.end() ? -1 : static_cast<int>(found - units.begin());
    }
    // Exactly one row of a list (-1: none) is marked as the first unit.
    static void expectOnlyMarked(UnitListModel& model, int marked) {
        for (int row = 0; row < model.rowCount(); ++row)
            EXPECT_EQ(model.index(row).data(UnitListModel::MarkedRole).toBool(), row == marked)
                << model.entry(row)->text.toStdString();
    }
    static QString status(UnitsBaseViewController* screen) { return screen->StatusLabel->text(); }
    static QString qt(const std::string& text) { return QString::fromStdString(text); }
};

// Taps in two categories or on the first unit again leave the screen waiting
// (another category takes over, the first unit again clears the choice); two
// in one category complete the selection.
TEST_F(UnitPickingTest, TwoTapsInOneCategoryCompleteTheSelection) {
    QTest::keyClicks(main.get(), "12+3");
    UnitsViewController* screen = openSelection();
    ASSERT_NE(screen, nullptr);
    UnitListModel& model = screen->listModel();
    const auto expectFirst = [&](int section, int row) {
        EXPECT_EQ(screen->LastSelectedNumberIndex, section < 0 ? 1 : 0);
        EXPECT_EQ(std::pair(screen->SelectedSection0, screen->SelectedRow0),
                  std::pair(section, row));
        EXPECT_EQ(status(screen),
                  section < 0 ? QString("Pick first unit") : qt(category(section).pickSecondUnit));
        expectOnlyMarked(model, section < 0 ? -1 : model.flatRow(section, row));
    };
    expectFirst(-1, -1);
    tap(screen, length, 1);
    expectFirst(length, 1);
    tap(screen, mass, 0);
    expectFirst(mass, 0);
    tap(screen, mass, 0);
    expectFirst(-1, -1);
    EXPECT_EQ(stack().count(), 1);

    const std::vector<UnitDefinition> units = // a copy: the screen goes when it closes
        screen->CategoriesWithAddedUnits[length].unitDefinitions;
    ASSERT_GE(units.size(), 3u);
    tap(screen, length, 2);
    expectFirst(length, 2);
    main->UnitButton->setGraphicsEffect(nullptr); // the fade of the screen's first showing
    tap(screen, length, 0);

    EXPECT_TRUE(sameChain(main->model.chain1(), units[0].metricsCalculations));
    EXPECT_EQ(store.value("unit0").text(), units[2].longName);
    EXPECT_EQ(store.value("unit1").text(), units[0].longName);
    EXPECT_EQ(LastSelection::read(store), (LastSelection{length, 2}));
    EXPECT_EQ(main->ConverterButton->text(), qt("\u2192 " + units[0].shortName));
    EXPECT_EQ(OperatorMode::shared().modeEnum(), Mode::None);
    EXPECT_TRUE(waitUntilClosed());
    // Back on the main screen the unit key fades in again.
    EXPECT_TRUE(QTest::qWaitFor([this] { return main->UnitButton->graphicsEffect() != nullptr; }));
    QTest::keyClicks(main.get(), "1"); // keys reach the main screen again
    EXPECT_EQ(row0(), qt("1 " + units[2].shortName));
}

// The more row drops a first unit of another category and keeps one of its own;
// in the full list the kept first unit tapped again clears the choice in both
// lists. A unit not yet in the compact list, taken as the first, joins it where
// the catalogue puts it, the rows after it shift, and the more row counts one fewer.
TEST_F(UnitPickingTest, TheMoreRowKeepsOrDropsTheFirstUnitAndAddsHiddenOnes) {
    const int hidden = catalogueRow(length, [](const UnitDefinition& u) { return !u.added; });
    ASSERT_GE(hidden, 0);
    const std::string name = catalogueUnit(length, hidden).longName;
    UnitsViewController* screen = openSelection();
    const auto before = screen->CategoriesWithAddedUnits[length].unitDefinitions.size();
    tap(screen, mass, 0);
    AdditionalUnitsViewController* units = openMore(screen, length);
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(screen->SelectedSection0, -1);
    expectOnlyMarked(units->listModel(), -1);
    ASSERT_TRUE(back(units));

    tap(screen, length, 0);
    units = openMore(screen, length);
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(screen->SelectedSection0, length);
    const int first = units->catalogueRowForCompactRow(0, length);
    expectOnlyMarked(units->listModel(), first);
    tap(units, length, first);
    EXPECT_EQ(status(units), qt(category(length).pickFirstUnit));
    expectOnlyMarked(units->listModel(), -1);
    expectOnlyMarked(screen->listModel(), -1);

    tap(units, length, hidden);
    EXPECT_EQ(status(units), qt(category(length).pickSecondUnit));
    expectOnlyMarked(units->listModel(), units->listModel().flatRow(length, hidden));

    ASSERT_TRUE(back(units));
    const auto& compact = screen->CategoriesWithAddedUnits[length].unitDefinitions;
    ASSERT_EQ(compact.size(), before + 1);
    EXPECT_EQ(compact[static_cast<std::size_t>(screen->SelectedRow0)].longName, name);
    UnitListModel& model = screen->listModel();
    expectOnlyMarked(model, model.flatRow(length, screen->SelectedRow0));
    const long long more = static_cast<long long>(category(length).unitDefinitions.size() - before);
    EXPECT_EQ(model.entry(model.flatRow(length, static_cast<int>(before + 1)))->text,
              qt(formatCount(category(length).additionalUnitsNumber, more - 1,
                             Language::EnglishBritish)));

    tap(screen, length, screen->SelectedRow0 == 0 ? 1 : 0);
    EXPECT_EQ(store.value("unit0").text(), name);
    EXPECT_TRUE(waitUntilClosed());
}

// Where the list opens, in view, for a remembered (section, row) of the first
// unit; a position the catalogue lacks opens at the top.
TEST_F(UnitPickingTest, OpensCentredOnTheRememberedPositionOrAtTheTop) {
    const struct {
        int section, row;
        int shownSection, shownRow;
    } cases[] = {{12, 1, 12, 1}, {9, 99, 0, 0}, {40, 0, 0, 0}};
    for (const auto& position : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "remembered " << position.section << ", " << position.row);
        LastSelection{position.section, position.row}.write(store);
        UnitsViewController* screen = openSelection();
        ASSERT_NE(screen, nullptr);
        UnitListView* list = screen->TableView;
        const UnitListModel::Entry* current = screen->listModel().entry(list->currentIndex().row());
        ASSERT_NE(current, nullptr);
        EXPECT_EQ(std::pair(current->section, current->row),
                  std::pair(position.shownSection, position.shownRow));
        EXPECT_FALSE(list->rowRect(position.shownSection, position.shownRow).isEmpty());
        EXPECT_EQ(delegate.LastSelectedSection0, position.shownSection);
        QTest::keyClick(list, Qt::Key_Escape);
        ASSERT_TRUE(waitUntilClosed());
    }
}

// Leaving by the back button or Escape after a first unit stores nothing and
// keeps the calculator; the next opening starts afresh. Then the keyboard's
// path through a pair: Home and arrows, Return for the first unit and Space
// for the second.
TEST_F(UnitPickingTest, BackAndEscapeStoreNothingAndTheKeyboardPicks) {
    QTest::keyClicks(main.get(), "42");
    const auto unit0 = store.value("unit0");
    const MetricsCalculations chain0 = main->model.chain0();
    for (const bool escape : {false, true}) { // Escape wherever the focus is on the screen
        UnitsViewController* screen = openSelection();
        EXPECT_EQ(screen->LastSelectedNumberIndex, 1);
        EXPECT_EQ(status(screen), "Pick first unit");
        tap(screen, mass, 1);
        if (escape)
            QTest::keyClick(screen, Qt::Key_Escape);
        else
            QTest::mouseClick(screen->BackButton, Qt::LeftButton);
        EXPECT_TRUE(waitUntilClosed());
        EXPECT_EQ(row0(), "42 mile");
        EXPECT_EQ(store.value("unit0"), unit0);
        EXPECT_TRUE(sameChain(main->model.chain0(), chain0));
        EXPECT_FALSE(store.value(lastSelectedSectionKey).integer());
    }

    UnitsViewController* screen = openSelection();
    const auto& lengths = screen->CategoriesWithAddedUnits[length].unitDefinitions;
    const std::string first = lengths[0].longName, second = lengths[1].longName;
    // The current row is framed only once the keyboard moves.
    EXPECT_FALSE(screen->TableView->showsCurrentRow());
    QTest::keyClick(screen->TableView, Qt::Key_Home);
    EXPECT_TRUE(screen->TableView->showsCurrentRow());
    // Down past the euro, the more currencies and the length header; Up and
    // Down again leave the second unit current.
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return, Qt::Key_Down, Qt::Key_Up,
                        Qt::Key_Down, Qt::Key_Space})
        QTest::keyClick(screen->TableView, key);
    EXPECT_EQ(store.value("unit0").text(), first);
    EXPECT_EQ(store.value("unit1").text(), second);
    EXPECT_TRUE(waitUntilClosed());
}

// Before any rates the currencies' full list holds the euro and the two
// currencies of fixed rate, marked with their rates, and says why there are
// no others, by sight and to a screen reader. A document arriving while the
// list is open leaves the rows it shows; its full list has the new
// currencies, which convert.
TEST_F(UnitPickingTest, CurrenciesBeforeAndAsRateDocumentsArrive) {
    const QString why = qt(Localization::shared().strings().Currency_rates_not_downloaded);
    UnitsViewController* screen = openSelection();
    AdditionalUnitsViewController* units = openMore(screen, currency);
    ASSERT_NE(units, nullptr);
    ASSERT_EQ(units->listModel().rowCount(), 3);
    EXPECT_TRUE(units->listModel().entry(2)->text.endsWith(" · 1 € ≡ 7.53450 HRK"));
    EXPECT_TRUE(units->NoRatesLabel->isVisible());
    EXPECT_EQ(units->NoRatesLabel->text(), why);
    EXPECT_EQ(units->NoRatesLabel->accessibleName(), why);
    ASSERT_TRUE(back(units));

    const std::string euro = screen->CategoriesWithAddedUnits[currency].unitDefinitions[0].longName;
    const int rows = screen->listModel().rowCount();
    tap(screen, currency, 0);
    applyRates(laterRates, QDate(2026, 12, 5));
    screen->grab(); // paints the kept rows
    EXPECT_EQ(screen->listModel().rowCount(), rows);
    units = openMore(screen, currency);
    ASSERT_NE(units, nullptr);
    const int franc = catalogueRow(currency, [](const UnitDefinition& u) {
        return u.longName == Localization::shared().strings().Swiss_franc;
    });
    ASSERT_GE(franc, 0);
    EXPECT_EQ(units->listModel().rowCount(),
              static_cast<int>(category(currency).unitDefinitions.size()));
    EXPECT_FALSE(units->NoRatesLabel->isVisible());
    tap(units, currency, franc);
    EXPECT_TRUE(waitUntilClosed());
    EXPECT_EQ(store.value("unit0").text(), euro);
    EXPECT_EQ(store.value("unit1").text(), catalogueUnit(currency, franc).longName);
    type("2");
    EXPECT_EQ(row1(), qt("1.9 " + catalogueUnit(currency, franc).shortName));
}

using Names = std::set<std::string>;

// The long names the unit list shows.
Names shownUnits(UnitListModel& model) {
    Names names;
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.entry(row)->kind != UnitListModel::Kind::Header)
            names.insert(model.entry(row)->text.toStdString());
    return names;
}

// The catalogue's long names of the units whose British name is one of `british`.
Names inActiveLanguage(const Names& british) {
    const UnitNameIndex index = UnitNameIndex::ofSharedCatalogue();
    Names names;
    for (std::size_t c = 0; c < index.britishNames().size(); ++c)
        for (std::size_t r = 0; r < index.britishNames()[c].size(); ++r)
            if (british.count(index.britishNames()[c][r]))
                names.insert(index.activeNames()[c][r]);
    return names;
}

const QByteArray rates = "<Cube currency='USD' rate='1.0854'/>\n"
                         "<Cube currency='HUF' rate='402.5'/>\n"
                         "<Cube currency='JPY' rate='160.25'/>\n";

// Every name holding "gal": the gallons, and "legal".
const Names gallons = {"Imperial gallon (Imp.gal.)", "US liquid gallon (US.liq.gal.)",
                       "US dry gallon (US.dry.gal.)", "[US]\u00A0Miles per gallon (mpgUS)",
                       "[US] Legal cup (US legal cup)"};

class UnitSearchTest : public PickingTest {
  protected:
    UnitSearchTest() { applyRates(rates, QDate(2026, 12, 4)); }

    // Each text typed on the list shows the units of those British names, in
    // the process's language.
    void expectFinds(const std::vector<std::pair<const char*, Names>>& cases) {
        UnitsViewController* screen = openSelection();
        ASSERT_NE(screen, nullptr);
        for (const auto& [typed, british] : cases) {
            screen->SearchField->clear();
            // Key presses carrying any text, as a keyboard layout (or an input
            // method committing a word character by character) sends them.
            for (QChar c : QString::fromUtf8(typed))
                QTest::sendKeyEvent(QTest::Click, screen->TableView, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            EXPECT_EQ(shownUnits(screen->listModel()), inActiveLanguage(british)) << typed;
        }
    }
};

// The searches run in other languages too, each in its own process.
class German : public UnitSearchTest {};
class Japanese : public UnitSearchTest {};

// What a text finds among all units, in British English, with rates.
TEST_F(UnitSearchTest, FindsByLongNameSymbolOrShortNameInTheWholeCatalogue) {
    const UnitSearch search(unitCatalogue(), UnitNameIndex::ofSharedCatalogue().britishNames());
    const auto found = [&](const char* text) {
        Names names;
        for (const UnitSearch::Match& match : search.find(QString::fromUtf8(text)))
            names.insert(unitCatalogue()[match.category].unitDefinitions[match.row].longName);
        return names;
    };
    EXPECT_EQ(found("gal"), gallons);
    EXPECT_EQ(found(" gal "), gallons);
    // The forint's symbol is Ft; the fathom's fth holds it too.
    EXPECT_EQ(found("ft"),
              (Names{"Foot (ft)", "Cubic foot (ft3, cft)", "Square foot (ft²)",
                     "Foot per second (ft/s)", "Hungarian forint (Ft, HUF)", "Fathom (fth)"}));
    EXPECT_EQ(found("€"), (Names{"Euro (€, EUR)"}));
    EXPECT_EQ(found("nautical"), (Names{"Nautical mile (M, NM)"}));
    EXPECT_TRUE(found("").empty());
    EXPECT_TRUE(found("zzzq").empty());
    // No match across two names of one unit.
    EXPECT_TRUE(found("gal.)imp").empty());
}

// Typed letters go to the field; the list shows only categories with a match,
// without more rows; Escape clears the search and restores the list where it
// was. Picking from the found units adds hidden ones and completes the pair.
TEST_F(UnitSearchTest, TypingFiltersEscapeRestoresAndPickingCompletesThePair) {
    UnitsViewController* screen = openSelection();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->SearchField->accessibleName(), "Search");
    UnitListView* list = screen->TableView;
    UnitListModel& model = screen->listModel();
    const int allRows = model.rowCount();
    list->scrollToCentre(7, 1);
    const int scrolled = list->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);

    QTest::keyClicks(list, "gal");
    EXPECT_EQ(screen->SearchField->text(), "gal");
    EXPECT_EQ(shownUnits(model), gallons);
    // Only the headers of volume and fuel consumption beside them: no more rows.
    EXPECT_EQ(model.rowCount(), static_cast<int>(gallons.size()) + 2);
    QTest::keyClick(screen->SearchField, Qt::Key_Escape);
    EXPECT_EQ(screen->SearchField->text(), "");
    EXPECT_EQ(model.rowCount(), allRows);
    EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);

    // A rate document arriving while a search is shown: a found currency that
    // no longer exists is not picked; the list shows the new units instead.
    QTest::keyClicks(list, "forint");
    ASSERT_EQ(shownUnits(model), (Names{"Hungarian forint (Ft, HUF)"}));
    const QRect forint = list->rowRect(currency, model.entry(1)->row);
    ASSERT_FALSE(forint.isEmpty());
    applyRates("<Cube currency='USD' rate='1.2'/>\n", QDate(2026, 12, 5));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, forint.center());
    EXPECT_EQ(screen->LastSelectedNumberIndex, 1);
    EXPECT_TRUE(shownUnits(model).empty());
    QTest::keyClick(screen, Qt::Key_Escape); // from the screen, the back button focused, say
    EXPECT_FALSE(screen->isFiltered());
    EXPECT_EQ(stack().count(), 1);

    // Picking in the found list: a unit outside the compact list joins it, and
    // Return takes the first unit found, completing the pair.
    const std::string dry = "US dry gallon (US.dry.gal.)";
    const CataloguePlace dryUnit =
        findUnit([&](const UnitDefinition& u) { return u.longName == dry; });
    ASSERT_NE(dryUnit.unit, nullptr);
    ASSERT_FALSE(dryUnit.unit->added);
    QTest::keyClicks(list, "gal");
    tap(screen, dryUnit.section, dryUnit.row);
    EXPECT_TRUE(dryUnit.unit->added);
    const auto& compact = screen->CategoriesWithAddedUnits[volume].unitDefinitions;
    EXPECT_EQ(compact[static_cast<std::size_t>(screen->SelectedRow0)].longName, dry);
    screen->SearchField->setText("imperial gal");
    QTest::keyClick(screen->SearchField, Qt::Key_Return);
    EXPECT_EQ(store.value("unit0").text(), dry);
    EXPECT_EQ(store.value("unit1").text(), "Imperial gallon (Imp.gal.)");
    EXPECT_EQ(row0(), "0 US.dry.gal.");
    EXPECT_TRUE(waitUntilClosed());
}

// In German: the German names without their accents, the British ones, ß as ss.
TEST_F(German, SearchFindsGermanAndBritishNamesIgnoringAccents) {
    if (Localization::shared().language != Language::German)
        GTEST_SKIP() << "needs RATIO_TEST_LANGUAGES=de";
    const Names feet = {"Foot (ft)", "Foot per second (ft/s)", "Square foot (ft²)",
                        "Cubic foot (ft3, cft)"};
    EXPECT_EQ(openSelection()->SearchField->placeholderText().toStdString(),
              Localization::shared().strings().Search);
    expectFinds({
        {"flussiggal", {"US liquid gallon (US.liq.gal.)"}},
        {"nautical", {"Nautical mile (M, NM)"}},
        {"FUSS", feet},
    });
}

// In Japanese: kana, full-width Latin letters and British names.
TEST_F(Japanese, SearchFindsJapaneseAndBritishNames) {
    if (Localization::shared().language != Language::Japanese)
        GTEST_SKIP() << "needs RATIO_TEST_LANGUAGES=ja";
    expectFinds({
        {"gal", gallons},
        {"ＦＯＯＴ",
         {"Foot (ft)", "Cubic foot (ft3, cft)", "Square foot (ft²)", "Foot per second (ft/s)"}},
        {"海里", {"Nautical mile (M, NM)"}},
        {"ユーロ", {"Euro (€, EUR)"}},
    });
}

} // namespace
} // namespace ratio::testing
