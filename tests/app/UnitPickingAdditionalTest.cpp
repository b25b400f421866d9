#include "UnitPickingFixture.h"

#include "localization/CountFormat.h"
#include "platform/CurrencyUpdate.h"
#include "units/LastSelection.h"

namespace ratio::testing {
namespace {

constexpr int currency = 0;
constexpr int length = 1;

const QByteArray firstRates = "<Cube currency='USD' rate='1.0854'/>\n"
                              "<Cube currency='JPY' rate='160.25'/>\n"
                              "<Cube currency='GBP' rate='0.8431'/>\n";
const QByteArray laterRates = "<Cube currency='USD' rate='1.25'/>\n"
                              "<Cube currency='CHF' rate='0.95'/>\n"
                              "<Cube currency='JPY' rate='170'/>\n";

const UnitDefinition& catalogueUnit(int section, int row) {
    return unitCatalogue()[static_cast<std::size_t>(section)]
        .unitDefinitions[static_cast<std::size_t>(row)];
}

int catalogueRow(int section, const std::string& longName) {
    const auto& units = unitCatalogue()[static_cast<std::size_t>(section)].unitDefinitions;
    for (std::size_t row = 0; row < units.size(); ++row)
        if (units[row].longName == longName)
            return static_cast<int>(row);
    return -1;
}

class AdditionalUnits : public UnitPickingTest {
  protected:
    AdditionalUnitsViewController* openMore(UnitsViewController* screen, int section) {
        tap(screen, section,
            static_cast<int>(screen->CategoriesWithAddedUnits[section].unitDefinitions.size()));
        return additional();
    }
    void applyRates(const QByteArray& document, QDate day) {
        ASSERT_TRUE(applyDownloadedRates(unitCatalogue(), Localization::shared().strings(),
                                         KeptRatesDocument(folder.path()), document,
                                         QLocale("en_GB"), day));
    }
    QString row1After(const QString& keys) {
        QTest::keyClicks(main.get(), keys);
        return main->Number1Label->text();
    }
};

TEST_F(AdditionalUnits, AFirstUnitFromTheFullListJoinsTheCompactList) {
    const int hidden = firstHiddenRow(length);
    ASSERT_GE(hidden, 0);
    const std::string name = catalogueUnit(length, hidden).longName;
    UnitsViewController* screen = openSelection();
    const auto before = screen->CategoriesWithAddedUnits[length].unitDefinitions.size();
    AdditionalUnitsViewController* units = openMore(screen, length);
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(status(units), qt(category(length).pickFirstUnit));
    tap(units, length, hidden);
    EXPECT_TRUE(catalogueUnit(length, hidden).added);
    EXPECT_EQ(status(units), qt(category(length).pickSecondUnit));
    EXPECT_TRUE(units->listModel()
                    .index(units->listModel().flatRow(length, hidden))
                    .data(UnitListModel::MarkedRole)
                    .toBool());

    QTest::mouseClick(units->BackButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return stack().count() == 1; }, 1000));
    const auto& compact = screen->CategoriesWithAddedUnits[length].unitDefinitions;
    ASSERT_EQ(compact.size(), before + 1);
    EXPECT_EQ(compact[static_cast<std::size_t>(screen->SelectedRow0)].longName, name);
    EXPECT_EQ(screen->SelectedRow0, catalogueUnit(length, hidden).indexOfCompactList);
    UnitListModel& model = screen->listModel();
    EXPECT_TRUE(model.index(model.flatRow(length, screen->SelectedRow0))
                    .data(UnitListModel::MarkedRole)
                    .toBool());
    const long long more = static_cast<long long>(category(length).unitDefinitions.size() - before);
    EXPECT_EQ(model.entry(model.flatRow(length, static_cast<int>(before + 1)))->text,
              qt(formatCount(category(length).additionalUnitsNumber, more - 1,
                             Language::EnglishBritish)));
    EXPECT_EQ(status(screen), qt(category(length).pickSecondUnit));

    tap(screen, length, screen->SelectedRow0 == 0 ? 1 : 0);
    EXPECT_EQ(store.value("unit0").text(), name);
    EXPECT_TRUE(waitUntilClosed());
}

// The second unit is a hidden one; the first stands before or after it in the catalogue.
class SecondFromTheFullList : public AdditionalUnits, public ::testing::WithParamInterface<bool> {};

TEST_P(SecondFromTheFullList, CompletesWithTheChosenPair) {
    const bool firstAfter = GetParam();
    const int hidden = firstHiddenRow(length);
    UnitsViewController* screen = openSelection();
    const auto& compact = screen->CategoriesWithAddedUnits[length].unitDefinitions;
    int first = -1;
    for (std::size_t row = 0; row < compact.size() && first < 0; ++row)
        if ((catalogueRow(length, compact[row].longName) > hidden) == firstAfter)
            first = static_cast<int>(row);
    ASSERT_GE(first, 0);
    const std::string firstName = compact[static_cast<std::size_t>(first)].longName;
    const MetricsCalculations firstChain =
        compact[static_cast<std::size_t>(first)].metricsCalculations;
    tap(screen, length, first);
    AdditionalUnitsViewController* units = openMore(screen, length);
    ASSERT_NE(units, nullptr);
    tap(units, length, hidden);

    EXPECT_EQ(store.value("unit0").text(), firstName);
    EXPECT_EQ(store.value("unit1").text(), catalogueUnit(length, hidden).longName);
    EXPECT_TRUE(sameChain(delegate.MetricsCalculations0, firstChain));
    EXPECT_TRUE(sameChain(delegate.MetricsCalculations1,
                          catalogueUnit(length, hidden).metricsCalculations));
    EXPECT_EQ(main->ConverterButton->text(),
              qt("\u2192 " + catalogueUnit(length, hidden).shortName));
    EXPECT_TRUE(waitUntilClosed());
}

INSTANTIATE_TEST_SUITE_P(UnitPicking, SecondFromTheFullList, ::testing::Bool(),
                         [](const auto& info) {
                             return std::string(info.param ? "FirstUnitAfter" : "FirstUnitBefore");
                         });

TEST_F(AdditionalUnits, TheFirstUnitTappedAgainClearsTheChoiceInBothLists) {
    UnitsViewController* screen = openSelection();
    tap(screen, length, 0);
    AdditionalUnitsViewController* units = openMore(screen, length);
    ASSERT_NE(units, nullptr);
    tap(units, length, units->catalogueRowForCompactRow(0, length));
    EXPECT_EQ(screen->LastSelectedNumberIndex, 1);
    EXPECT_EQ(screen->SelectedSection0, -1);
    EXPECT_EQ(status(units), qt(category(length).pickFirstUnit));
    for (UnitListModel* model : {&screen->listModel(), &units->listModel()})
        for (int row = 0; row < model->rowCount(); ++row)
            EXPECT_FALSE(model->index(row).data(UnitListModel::MarkedRole).toBool());
    EXPECT_EQ(stack().count(), 2);
}

// A table with no texts of its own uses the symbolic prompts.
TEST_F(AdditionalUnits, SimplePromptsShowTheFirstUnitsShortName) {
    const LocalizedStrings symbols;
    ASSERT_TRUE(symbols.shouldUseSimpleLocalisation);
    UnitsViewController screen(delegate, symbols);
    screen.resize(390, 844);
    screen.show();
    EXPECT_EQ(status(&screen), QString::fromUtf8("... \u2192"));
    tap(&screen, length, 1);
    const std::string prompt =
        screen.CategoriesWithAddedUnits[length].unitDefinitions[1].shortName + " \u2192 ...";
    EXPECT_EQ(status(&screen), qt(prompt));
    screen.SelectedAdditionalSection = length;
    AdditionalUnitsViewController units(delegate, symbols);
    EXPECT_EQ(status(&units), qt(prompt));
    EXPECT_EQ(units.additionalStatusText(1, length), "... \u2192");
}

TEST_F(AdditionalUnits, CatalogueRowsOfCompactRows) {
    UnitsViewController* screen = openSelection();
    AdditionalUnitsViewController* units = openMore(screen, length);
    ASSERT_NE(units, nullptr);
    const auto& compact = screen->CategoriesWithAddedUnits[length].unitDefinitions;
    for (std::size_t row = 0; row < compact.size(); ++row)
        EXPECT_EQ(units->catalogueRowForCompactRow(static_cast<int>(row), length),
                  catalogueRow(length, compact[row].longName));
    EXPECT_EQ(units->catalogueRowForCompactRow(static_cast<int>(compact.size()), length), -1);
    EXPECT_EQ(units->catalogueRowForCompactRow(0, currency), -1); // no rates yet: empty
}

TEST_F(AdditionalUnits, CurrenciesOfAppliedRatesConvert) {
    applyRates(firstRates, QDate(2026, 12, 4));
    UnitsViewController* screen = openSelection();
    const auto& currencies = screen->CategoriesWithAddedUnits[currency].unitDefinitions;
    ASSERT_GE(currencies.size(), 2u);
    EXPECT_EQ(screen->listModel().entry(screen->listModel().headerRow(currency))->text,
              qt(category(currency).nameSingle));
    EXPECT_TRUE(qt(category(currency).nameSingle).contains("04"));
    const std::string dollar = currencies[1].shortName;
    tap(screen, currency, 0);
    tap(screen, currency, 1);
    EXPECT_TRUE(waitUntilClosed());
    EXPECT_EQ(row1After("2"), qt("2.1708 " + dollar));
}

// The open list keeps the currencies it shows; the full list shows the new ones.
TEST_F(AdditionalUnits, RatesArrivingWhileTheScreenIsOpen) {
    applyRates(firstRates, QDate(2026, 12, 4));
    UnitsViewController* screen = openSelection();
    const std::vector<UnitDefinition> shown =
        screen->CategoriesWithAddedUnits[currency].unitDefinitions;
    const int rows = screen->listModel().rowCount();
    tap(screen, currency, 0);
    applyRates(laterRates, QDate(2026, 12, 5));
    screen->grab(); // paints the kept rows
    EXPECT_EQ(screen->listModel().rowCount(), rows);
    ASSERT_EQ(screen->CategoriesWithAddedUnits[currency].unitDefinitions.size(), shown.size());

    AdditionalUnitsViewController* units = openMore(screen, currency);
    ASSERT_NE(units, nullptr);
    const int franc = catalogueRow(currency, Localization::shared().strings().Swiss_franc);
    ASSERT_GE(franc, 0);
    EXPECT_EQ(units->listModel().rowCount(),
              static_cast<int>(category(currency).unitDefinitions.size()));
    tap(units, currency, franc);
    EXPECT_TRUE(waitUntilClosed());
    EXPECT_EQ(store.value("unit0").text(), shown[0].longName);
    EXPECT_EQ(store.value("unit1").text(), catalogueUnit(currency, franc).longName);
    EXPECT_EQ(row1After("2"), qt("1.9 " + catalogueUnit(currency, franc).shortName));
}

TEST_F(AdditionalUnits, ListedCurrenciesKeepTheirRatesUntilTheNextOpening) {
    applyRates(firstRates, QDate(2026, 12, 4));
    UnitsViewController* screen = openSelection();
    tap(screen, currency, 0);
    applyRates(laterRates, QDate(2026, 12, 5));
    const std::string dollar =
        screen->CategoriesWithAddedUnits[currency].unitDefinitions[1].shortName;
    tap(screen, currency, 1);
    EXPECT_TRUE(waitUntilClosed());
    EXPECT_EQ(row1After("2"), qt("2.1708 " + dollar));
    screen = openSelection();
    tap(screen, currency, 0);
    tap(screen, currency, 1);
    EXPECT_TRUE(waitUntilClosed());
    EXPECT_EQ(row1After("2"), qt("2.5 " + dollar));
}

} // namespace
} // namespace ratio::testing
