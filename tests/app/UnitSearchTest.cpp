// Finding units by typing on the unit selection screen: what a text finds in
// each language, and picking from the list of found units with real keys and
// clicks. German and Japanese run in their own processes (tests/CMakeLists.txt).
#include "app/UnitSearch.h"
#include "MainScreenFixture.h"

#include <QLineEdit>
#include <QScrollBar>

#include <set>

namespace ratio::testing {
namespace {

constexpr int currency = 0;
constexpr int volume = 3;

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
